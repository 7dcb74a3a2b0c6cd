#!/usr/bin/env bash
# The game's window: titled "Yorun", an 800 × 600 client area, grey once the game runs, and Escape ends it
# with exit code 0 within two seconds.
source "$(dirname "$0")/lib.sh"
yorun=$1

start_xvfb
start_game "$yorun"
wait_for_window Yorun

read -r width height < <(xwininfo -id "$(window_id Yorun)" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
[[ "$width" == 800 && "$height" == 600 ]] || fail "client area is ${width}x${height}"

wait_for_pixel Yorun 400 300 646464
screenshot Yorun "$E2E_WORK/grey.png"
for point in "0 0" "799 0" "0 599" "799 599" "400 550"; do
    read -r x y <<<"$point"
    [[ $(pixel_of "$E2E_WORK/grey.png" "$x" "$y") == 646464 ]] || fail "pixel ($x, $y) is not grey"
done

press Escape
expect_exit 0 2
echo "ok"
