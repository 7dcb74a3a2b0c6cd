#!/usr/bin/env bash
# The title's menus with real keys: Down and Up move the highlight between start and quit, Enter opens the
# difficulty menu with easy highlighted, and Escape ends the program.
source "$(dirname "$0")/lib.sh"
yorun=$1
art="$(dirname "$(dirname "$yorun")")/mato_bmp"
shots=${YORUN_E2E_SHOTS:-}

# A pixel inside each button (start and easy at y 300, quit and normal at 365), compared with its art.
start_plain() { wait_for_art Yorun 400 320 "$art/始める.bmp" 75 20; }
start_lit() { wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20; }
quit_plain() { wait_for_art Yorun 400 385 "$art/終わる.bmp" 75 20; }
quit_lit() { wait_for_art Yorun 400 385 "$art/終わる2.bmp" 75 20; }

start_xvfb -ardelay 100000
start_game "$yorun"
wait_for_window Yorun
start_lit
quit_plain
screenshot Yorun "$E2E_WORK/menu.png"

press Down
quit_lit
start_plain
screenshot Yorun "$E2E_WORK/quit.png"
changed=$(pixels_differing "$E2E_WORK/menu.png" "$E2E_WORK/quit.png")
((changed > 0)) || fail "the screen did not change when the selection moved"

press Up
start_lit
quit_plain

press Return
wait_for_art Yorun 400 320 "$art/易しい2.bmp" 75 20
wait_for_art Yorun 400 385 "$art/普通.bmp" 50 20
wait_for_art Yorun 400 450 "$art/難しい.bmp" 75 20
screenshot Yorun "$E2E_WORK/difficulty.png"
if [[ -n "$shots" ]]; then
    cp "$E2E_WORK/menu.png" "$shots/title-menu.png"
    cp "$E2E_WORK/difficulty.png" "$shots/title-difficulty.png"
fi

press Escape
expect_exit 0 5
echo "ok"
