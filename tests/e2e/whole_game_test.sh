#!/usr/bin/env bash
# A whole game with real keys: from the title into a round on easy with the fire key held throughout (the
# stock refilled with Space whenever it runs out), the field darkening when time is up, the score screen
# with its number, and Enter back to the title. The game is kept as the best on easy: after a restart the
# difficulty menu shows it, and --replay best-easy plays it again to the same score screen and returns to
# the title by itself; Escape leaves a replay early. On the way the game is paused and stands still, and the
# help card and the records screen open over the title and close again. With YORUN_E2E_SHOTS set to a
# directory, the title, a moment of play, the paused field, the field as time runs out, the score screen,
# the help card, the records screen, the menu with the record and the replay's score screen are saved
# there.
source "$(dirname "$0")/lib.sh"
yorun=$1
art="$(dirname "$(dirname "$yorun")")/mato_bmp"
shots=${YORUN_E2E_SHOTS:-}

covered() {
    local shot=$1 x=$2 y=$3
    [[ "$(pixel_of "$shot" "$x" "$y")" != "$(file_pixel "$art/Yorun_back.bmp" "$x" "$y")" ]]
}

# Waits until the screen shows the field with the play scene's dark band (true) or without it (false).
wait_for_band() {
    local want=$1 timeout=$2
    local deadline=$((SECONDS + timeout))
    while ((SECONDS < deadline)); do
        if screenshot Yorun "$E2E_WORK/poll.png"; then
            if covered "$E2E_WORK/poll.png" 400 595; then
                [[ "$want" == true && "$(pixel_of "$E2E_WORK/poll.png" 5 5)" == "$(file_pixel "$art/Yorun_back.bmp" 5 5)" ]] &&
                    return 0
                [[ "$want" == false ]] && [[ "$(pixel_of "$E2E_WORK/poll.png" 5 5)" != "$(file_pixel "$art/Yorun_back.bmp" 5 5)" ]] &&
                    return 0
            fi
        fi
        sleep 0.2
    done
    fail "the band did not become $want within ${timeout}s"
}

# Waits until two looks a second apart are alike, and leaves the screen in the file.
wait_for_still() {
    local screen=$1 previous="$E2E_WORK/previous-still.png" deadline=$((SECONDS + 20))
    screenshot Yorun "$previous" || true
    while :; do
        sleep 1
        screenshot Yorun "$screen" || true
        [[ "$(compare -metric AE "$screen" "$previous" null: 2>&1)" == 0 ]] && return 0
        cp "$screen" "$previous"
        ((SECONDS < deadline)) || fail "the screen did not stand still"
    done
}

# Waits until the pixel is no longer the picture file's: something has been laid over it.
wait_for_cover() {
    local x=$1 y=$2 file=$3 fx=$4 fy=$5 deadline=$((SECONDS + 20))
    while :; do
        screenshot Yorun "$E2E_WORK/poll.png" || true
        [[ "$(pixel_of "$E2E_WORK/poll.png" "$x" "$y")" != "$(file_pixel "$file" "$fx" "$fy")" ]] && return 0
        ((SECONDS < deadline)) || fail "nothing came over ($x, $y)"
        sleep 0.2
    done
}

start_xvfb -ardelay 100000
start_game "$yorun"
wait_for_window Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
[[ -n "$shots" ]] && screenshot Yorun "$shots/title.png"
press Return
wait_for_art Yorun 400 320 "$art/易しい2.bmp" 75 20
press Return
wait_for_band true 30

xdotool keydown z
start=$SECONDS
saved=false
paused=false
# Play lasts 91 seconds; the curtain over the field (no band, darker sky) says it is over.
while :; do
    screenshot Yorun "$E2E_WORK/poll.png" || true
    if ! covered "$E2E_WORK/poll.png" 400 595 || [[ "$(pixel_of "$E2E_WORK/poll.png" 5 5)" != "$(file_pixel "$art/Yorun_back.bmp" 5 5)" ]]; then
        [[ -n "$shots" ]] && cp "$E2E_WORK/poll.png" "$shots/time-up.png"
        break
    fi
    if ! $saved && ((SECONDS - start >= 30)) && [[ -n "$shots" ]]; then
        cp "$E2E_WORK/poll.png" "$shots/play.png"
        saved=true
    fi
    # Paused, the field stands still (the fire key stays held), then goes on.
    if ! $paused && ((SECONDS - start >= 40)); then
        paused=true
        press p
        wait_for_still "$E2E_WORK/paused.png"
        [[ -n "$shots" ]] && cp "$E2E_WORK/paused.png" "$shots/pause.png"
        press p
        continue
    fi
    # Every 11 seconds the stock is refilled (20 shots at two a second take 10).
    if (((SECONDS - start) % 11 == 10)); then
        press space
        sleep 1
    fi
    ((SECONDS - start < 150)) || fail "the round did not end"
    sleep 0.5
done
xdotool keyup z
elapsed=$((SECONDS - start))
((elapsed >= 80)) || fail "the round ended after only ${elapsed}s"

# Waits for the score screen: the caption over the darkened field.
wait_for_score_screen() {
    local deadline=$((SECONDS + 30))
    while :; do
        screenshot Yorun "$E2E_WORK/poll.png" || true
        [[ "$(pixel_of "$E2E_WORK/poll.png" 300 205)" != "$(pixel_of "$E2E_WORK/poll.png" 5 5)" ]] && return 0
        ((SECONDS < deadline)) || fail "no score screen"
        sleep 0.3
    done
}

# Waits until the score screen's number has landed and its bursts have passed, two screenshots in a row
# alike where the number stands; leaves the screen in the file and the number's region in the second file.
wait_for_landed_number() {
    local screen=$1 number=$2 previous="$E2E_WORK/previous-number.png" deadline=$((SECONDS + 20))
    : >"$previous"
    while :; do
        screenshot Yorun "$screen" || true
        convert "$screen" -crop 260x110+150+270 +repage "$number"
        [[ "$(compare -metric AE "$number" "$previous" null: 2>&1)" == 0 ]] && return 0
        cp "$number" "$previous"
        ((SECONDS < deadline)) || fail "the score screen's number did not come to rest"
        sleep 0.3
    done
}

wait_for_score_screen
wait_for_landed_number "$E2E_WORK/score.png" "$E2E_WORK/number.png"
[[ -n "$shots" ]] && cp "$E2E_WORK/score.png" "$shots/score.png"

press Return
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20

# How to play, then the records with the game just played, each over the title and closed again.
press F1
wait_for_cover 400 320 "$art/始める2.bmp" 75 20
[[ -n "$shots" ]] && screenshot Yorun "$shots/help.png"
press F1
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
press r
wait_for_cover 400 320 "$art/始める2.bmp" 75 20
[[ -n "$shots" ]] && screenshot Yorun "$shots/records-screen.png"
press r
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
press Escape
expect_exit 0 5
[[ -n "$(ls "$E2E_WORK/data/yorun/games/"easy-*.yrp 2>/dev/null)" ]] ||
    fail "the game is not among the ten best: $(ls -la "$E2E_WORK/data/yorun/games" 2>&1)"
[[ -s "$E2E_WORK/data/yorun/best-easy.yrp" && -s "$E2E_WORK/data/yorun/last.yrp" ]] ||
    fail "the game was not kept: $(ls -la "$E2E_WORK/data/yorun" 2>&1)"

# After a restart the difficulty menu shows the best beside easy, in the open right of the menu.
start_game "$yorun"
wait_for_window Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
press Return
wait_for_art Yorun 400 320 "$art/易しい2.bmp" 75 20
screenshot Yorun "$E2E_WORK/menu.png"
convert "$E2E_WORK/menu.png" -crop 50x30+492+313 +repage "$E2E_WORK/best.png"
convert "$art/mato_title.bmp" -crop 50x30+492+313 +repage "$E2E_WORK/under.png"
differing=$(pixels_differing "$E2E_WORK/best.png" "$E2E_WORK/under.png")
((differing > 50)) || fail "no best score beside easy ($differing pixels differ from the picture)"
[[ -n "$shots" ]] && cp "$E2E_WORK/menu.png" "$shots/records-menu.png"
press Escape
expect_exit 0 5

# The best game again: the same number on the same score screen, then the title by itself.
start_game "$yorun" --replay best-easy
wait_for_window Yorun
wait_for_band true 30
wait_for_band false 150
wait_for_score_screen
wait_for_landed_number "$E2E_WORK/replayed.png" "$E2E_WORK/replayed-number.png"
[[ -n "$shots" ]] && cp "$E2E_WORK/replayed.png" "$shots/replayed-score.png"
differing=$(pixels_differing "$E2E_WORK/number.png" "$E2E_WORK/replayed-number.png")
[[ "$differing" == 0 ]] || fail "the replay's score screen differs from the game's ($differing pixels)"
# The round's statistics under the number, too.
convert "$E2E_WORK/score.png" -crop 600x40+100+425 +repage "$E2E_WORK/stats.png"
convert "$E2E_WORK/replayed.png" -crop 600x40+100+425 +repage "$E2E_WORK/replayed-stats.png"
differing=$(pixels_differing "$E2E_WORK/stats.png" "$E2E_WORK/replayed-stats.png")
[[ "$differing" == 0 ]] || fail "the replay's statistics differ from the game's ($differing pixels)"
grep -q "not .* as recorded" "$E2E_WORK/game.log" && fail "the replay did not play as recorded: $(cat "$E2E_WORK/game.log")"
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20

# Escape leaves a replay for the title; at the title it quits.
press Escape
expect_exit 0 5
start_game "$yorun" --replay last
wait_for_window Yorun
wait_for_band true 30
press Escape
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
press Escape
expect_exit 0 5
echo "ok"
