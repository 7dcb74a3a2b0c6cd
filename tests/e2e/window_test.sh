#!/usr/bin/env bash
# The game's window: titled "Yorun", an 800 × 600 client area showing the title picture, and Escape ends it
# with exit code 0 within two seconds. The desktop knows it: its class is the one the desktop entry names,
# it carries the game's icon, and it cannot be made smaller than 400 × 300.
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

entry="$(dirname "$0")/../../dist/net.yorun.Yorun.desktop"
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n "$class" ]] || fail "the desktop entry names no window class"
properties=$(xprop -id "$(window_id Yorun)" WM_CLASS _NET_WM_ICON WM_NORMAL_HINTS)
grep -qF "WM_CLASS(STRING) = \"$class\", \"$class\"" <<<"$properties" || fail "window class: $(grep WM_CLASS <<<"$properties")"
grep -qF 'Icon (128 x 128):' <<<"$properties" || fail "no 128-pixel icon on the window"
grep -q 'program specified minimum size: 400 by 300' <<<"$properties" || fail "minimum size: $properties"

press Escape
expect_exit 0 2
echo "ok"
