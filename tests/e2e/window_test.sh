#!/usr/bin/env bash
# The game's window: titled "Yorun", an 800 × 600 client area showing the title picture, and Escape ends it
# with exit code 0 within two seconds.
source "$(dirname "$0")/lib.sh"
yorun=$1
art="$(dirname "$(dirname "$yorun")")/mato_bmp"

start_xvfb
start_game "$yorun"
wait_for_window Yorun

read -r width height < <(xwininfo -id "$(window_id Yorun)" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
[[ "$width" == 800 && "$height" == 600 ]] || fail "client area is ${width}x${height}"

# The title picture fills the window, corner to corner.
for point in "5 5" "794 5" "5 594" "794 594"; do
    read -r x y <<<"$point"
    wait_for_art Yorun "$x" "$y" "$art/mato_title.bmp" "$x" "$y"
done

press Escape
expect_exit 0 2
echo "ok"
