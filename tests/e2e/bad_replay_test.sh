#!/usr/bin/env bash
# A replay that cannot be played, asked for by name or by path, is refused with a box that says why, and the
# game starts at its title as always; a damaged record shows no best on the menu and is never trusted. A
# replay named by a path relative to the folder the game is started in is found there and plays.
source "$(dirname "$0")/lib.sh"
yorun=$1
art="$(dirname "$(dirname "$yorun")")/mato_bmp"
mkdir -p "$E2E_WORK/data/yorun"
printf 'YORUNRPL\001\000 and then nothing a game could be' >"$E2E_WORK/data/yorun/best-hard.yrp"

start_xvfb -ardelay 100000
start_game "$yorun" --replay best-hard
wait_for_window Yorun
dismiss_message_box Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
grep -q "The replay cannot be played: .*best-hard.yrp is damaged" "$E2E_WORK/game.log" ||
    fail "no message about the damaged replay: $(cat "$E2E_WORK/game.log")"
press Return
wait_for_art Yorun 400 320 "$art/易しい2.bmp" 75 20
press Escape
expect_exit 0 5

start_game "$yorun" --replay "$E2E_WORK/no-such.yrp"
wait_for_window Yorun
dismiss_message_box Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
grep -q "The replay cannot be played: cannot open .*no-such.yrp" "$E2E_WORK/game.log" ||
    fail "no message about the missing replay: $(cat "$E2E_WORK/game.log")"
press Escape
expect_exit 0 5

mkdir -p "$E2E_WORK/folder"
cp "$(dirname "$0")/../game/golden/replay_normal.yrp" "$E2E_WORK/folder/game.yrp"
pushd "$E2E_WORK/folder" >/dev/null
start_game "$yorun" --replay game.yrp
popd >/dev/null
wait_for_window Yorun
# The field under the countdown: the replay has begun, with no box before it.
wait_for_art Yorun 5 5 "$art/Yorun_back.bmp" 5 5
grep -q "cannot be played" "$E2E_WORK/game.log" && fail "the replay was refused: $(cat "$E2E_WORK/game.log")"
press Escape
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
press Escape
expect_exit 0 5
echo "ok"
