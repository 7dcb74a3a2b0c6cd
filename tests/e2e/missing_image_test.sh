#!/usr/bin/env bash
# A picture missing from the game's data stops the start-up: the image loader's message names the file (one
# line on standard error), no frame of the game is drawn, and once the message is answered with Return the
# program ends with exit code 2. The same with the whole picture directory gone.
source "$(dirname "$0")/lib.sh"
yorun=$(copy_game_tree "$1")
rm "$E2E_WORK/tree/mato_bmp/始める2.bmp"

start_xvfb
start_game "$yorun"
wait_for_window Yorun
# Under the message the game has drawn no frame: its title never shows.
title=$(file_pixel "$E2E_WORK/tree/mato_bmp/mato_title.bmp" 5 5)
deadline=$((SECONDS + 30))
until [[ -n "$(message_box_id Yorun)" ]]; do
    ((SECONDS < deadline)) || fail "no message box"
    sleep 0.2
done
screenshot Yorun "$E2E_WORK/under.png" || fail "no window under the message"
[[ "$(pixel_of "$E2E_WORK/under.png" 5 5)" != "$title" ]] || fail "the title was drawn"
dismiss_message_box Yorun
expect_exit 2 20
grep -q "^Yorun: ERR: Texture can't load 始める2.bmp$" "$E2E_WORK/game.log" ||
    fail "no message naming the file: $(cat "$E2E_WORK/game.log")"
! grep -A1 "ERR: Texture" "$E2E_WORK/game.log" | grep -q '^$' || fail "an empty line after the message"

rm -r "$E2E_WORK/tree/mato_bmp"
start_game "$yorun"
wait_for_window Yorun
# Each picture the start-up needs is named in a box of its own, up to the title's, which stops it.
boxes=$(dismiss_message_boxes_until_exit Yorun)
expect_exit 2 5
grep -q "ERR: Texture can't load mato_title.bmp" "$E2E_WORK/game.log" || fail "no message: $(cat "$E2E_WORK/game.log")"
[[ "$boxes" == "$(grep -c "ERR: Texture" "$E2E_WORK/game.log")" ]] || fail "$boxes boxes for $(cat "$E2E_WORK/game.log")"
echo "ok"
