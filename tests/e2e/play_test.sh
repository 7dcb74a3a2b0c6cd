#!/usr/bin/env bash
# From the title through the countdown into play: the field with its head-up display, the cursor and
# targets; Z looses an arrow, which leaves the stock and flies.
source "$(dirname "$0")/lib.sh"
yorun=$1
art="$(dirname "$(dirname "$yorun")")/mato_bmp"

# True when the screenshot's pixel differs from the field picture's own: something is drawn over it.
covered() {
    local shot=$1 x=$2 y=$3
    [[ "$(pixel_of "$shot" "$x" "$y")" != "$(file_pixel "$art/Yorun_back.bmp" "$x" "$y")" ]]
}

start_xvfb -ardelay 100000
start_game "$yorun"
wait_for_window Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
press Return
wait_for_art Yorun 400 320 "$art/易しい2.bmp" 75 20
press Return
# The countdown shows the bare field.
wait_for_art Yorun 5 5 "$art/Yorun_back.bmp" 5 5

# Play: the dark band behind the lower display covers the field.
deadline=$((SECONDS + 30))
while :; do
    screenshot Yorun "$E2E_WORK/play.png" && covered "$E2E_WORK/play.png" 400 595 && break
    ((SECONDS < deadline)) || fail "play did not start"
    sleep 0.2
done
# Twenty arrows are two bundles and no singles: the singles' place shows the band over the field.
band=$(pixel_of "$E2E_WORK/play.png" 150 575)
covered "$E2E_WORK/play.png" 30 540 || fail "no arrow bundle in the stock"
covered "$E2E_WORK/play.png" 25 40 || fail "no score label"

# Z is held until the stock shows the arrow gone; the screenshot that shows it shows the arrow leaving.
xdotool keydown z
deadline=$((SECONDS + 20))
while :; do
    screenshot Yorun "$E2E_WORK/fired.png" && [[ "$(pixel_of "$E2E_WORK/fired.png" 150 575)" != "$band" ]] && break
    ((SECONDS < deadline)) || fail "the stock did not lose an arrow"
done
xdotool keyup z
# The arrow flies up and left from the cursor in the middle of the screen.
convert "$E2E_WORK/play.png" -crop 200x200+380+280 +repage "$E2E_WORK/before.png"
convert "$E2E_WORK/fired.png" -crop 200x200+380+280 +repage "$E2E_WORK/after.png"
changed=$(pixels_differing "$E2E_WORK/before.png" "$E2E_WORK/after.png")
((changed > 50)) || fail "nothing flies near the cursor ($changed pixels changed)"
if [[ -n "${YORUN_E2E_SHOTS:-}" ]]; then
    cp "$E2E_WORK/fired.png" "$YORUN_E2E_SHOTS/play.png"
fi

press Escape
expect_exit 0 5
echo "ok"
