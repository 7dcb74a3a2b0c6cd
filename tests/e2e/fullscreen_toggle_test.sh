#!/usr/bin/env bash
# Alt+Enter switches between the window and desktop full screen and back, with no window manager; "/full"
# starts full screen. The window's size and mode are read as the window system reports them to the program,
# and the picture is checked on the screen: 4:3, whole, centred between black bars, in full screen, in a
# window made wider, and with whole-number scaling in a window made smaller. In the game the chord's Enter
# does not confirm the title menu, however the chord is let go.
source "$(dirname "$0")/lib.sh"
probe=$1
yorun=$2
art="$(dirname "$(dirname "$yorun")")/mato_bmp"

alt_enter() {
    xdotool keydown alt keydown Return
    sleep 0.15
    xdotool keyup Return keyup alt
}

# The chord as some programs send it: Alt let go together with Enter's press, Enter held on alone.
alt_let_go_first() {
    xdotool keydown alt
    sleep 0.15
    xdotool keydown --delay 0 Return keyup --delay 0 alt
    sleep 0.15
    xdotool keyup Return
}

# Waits for the probe to report the window as given ("1280x720 fullscreen").
wait_for_report() {
    local expected="window $1" timeout=${2:-30}
    local deadline=$((SECONDS + timeout))
    while ((SECONDS < deadline)); do
        if [[ "$(tail -n 1 "$E2E_WORK/game.log")" == "$expected" ]]; then
            return 0
        fi
        sleep 0.1
    done
    fail "the window is '$(tail -n 1 "$E2E_WORK/game.log")', not '$expected', after ${timeout}s"
}

# The whole 4:3 picture over the 1280 × 720 display: 960 × 720 from x 160, black bars either side, the red
# band at its right edge.
whole_picture_on_display() {
    wait_for_pixel Yorun 640 360 646464
    wait_for_pixel Yorun 170 10 646464
    wait_for_pixel Yorun 1090 710 646464
    wait_for_pixel Yorun 1110 360 ff0000
    wait_for_pixel Yorun 150 360 000000
    wait_for_pixel Yorun 1130 360 000000
}

E2E_SCREEN=1280x720x24 start_xvfb -ardelay 100000
start_game "$probe"
wait_for_window Yorun
wait_for_report "800x600 windowed"

# With no window manager nobody grants full screen: the program covers the display itself.
alt_enter
wait_for_report "1280x720 fullscreen"
whole_picture_on_display
alt_enter
wait_for_report "800x600 windowed"
wait_for_pixel Yorun 790 300 ff0000
wait_for_pixel Yorun 770 300 646464

# 1000 × 600 holds the 800 × 600 picture unscaled at x 100..899, with a bar either side.
xdotool windowsize "$(window_id Yorun)" 1000 600
wait_for_report "1000x600 windowed"
wait_for_pixel Yorun 500 300 646464
wait_for_pixel Yorun 110 10 646464
wait_for_pixel Yorun 870 590 646464
wait_for_pixel Yorun 890 300 ff0000
wait_for_pixel Yorun 90 300 000000
wait_for_pixel Yorun 910 300 000000
press Escape
expect_exit 0 5

# Started full screen, the same.
start_game "$probe" /full
wait_for_window Yorun
wait_for_report "1280x720 fullscreen"
whole_picture_on_display
press Escape
expect_exit 0 5

# Whole-number scaling cannot go below 1x: a window smaller than the picture shows all of it scaled down.
start_game "$probe" --integer-scale
wait_for_window Yorun
wait_for_report "800x600 windowed"
xdotool windowsize "$(window_id Yorun)" 400 300
wait_for_report "400x300 windowed"
wait_for_pixel Yorun 200 150 646464
wait_for_pixel Yorun 395 150 ff0000
press Escape
expect_exit 0 5

# The real game: the chord's Enter must leave the title menu where it is.
start_game "$yorun"
wait_for_window Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
alt_enter
alt_let_go_first
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
wait_for_art Yorun 400 385 "$art/終わる.bmp" 75 20
# A plain Enter still confirms, so the check above could tell.
press Return
wait_for_art Yorun 400 320 "$art/易しい2.bmp" 75 20
press Escape
expect_exit 0 5
echo "ok"
