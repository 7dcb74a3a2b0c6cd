#!/usr/bin/env bash
# The start-up banner stays up for the whole of a slow game initialisation: dark grey with the framework's
# version at the lower right; then the game's picture replaces it.
source "$(dirname "$0")/lib.sh"
probe=$1

start_xvfb
start_game "$probe" "$E2E_WORK/release"
wait_for_window Yorun
wait_for_pixel Yorun 400 300 404040
screenshot Yorun "$E2E_WORK/banner.png"
cp "$E2E_WORK/banner.png" "${TMPDIR:-/tmp}/yorun-banner.png" 2>/dev/null || true

light=$(convert "$E2E_WORK/banner.png" -crop 200x25+550+500 -depth 8 txt:- | grep -ci '#C0C0C0' || true)
((light > 20)) || fail "no light-grey version text in the banner's band ($light pixels)"
dark=$(convert "$E2E_WORK/banner.png" -crop 800x490+0+0 -depth 8 txt:- | grep -vci '#404040' || true)
((dark <= 1)) || fail "the banner's upper part is not plain dark grey ($dark other pixels)"

touch "$E2E_WORK/release"
wait_for_pixel Yorun 400 300 646464
press Escape
expect_exit 0 5
echo "ok"
