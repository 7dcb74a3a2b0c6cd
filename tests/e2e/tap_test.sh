#!/usr/bin/env bash
# Keys tapped faster than a frame still count: each key below is pressed and let go at once, so the press
# and the release both come between two of the game's reads of the keyboard. Down and Up move the title's
# highlight, Return opens the difficulty menu, and each tap moves the menu by exactly one step.
source "$(dirname "$0")/lib.sh"
yorun=$1
art="$(dirname "$(dirname "$yorun")")/mato_bmp"

start_xvfb -ardelay 100000
start_game "$yorun"
wait_for_window Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20

tap Down
wait_for_art Yorun 400 385 "$art/終わる2.bmp" 75 20
tap Up
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
tap Return
wait_for_art Yorun 400 320 "$art/易しい2.bmp" 75 20
tap Down
wait_for_art Yorun 400 385 "$art/普通2.bmp" 50 20
wait_for_art Yorun 400 320 "$art/易しい.bmp" 75 20
wait_for_art Yorun 400 450 "$art/難しい.bmp" 75 20

tap Escape
expect_exit 0 5
echo "ok"
