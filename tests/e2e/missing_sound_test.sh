#!/usr/bin/env bash
# A sound missing from the game's data is reported by name in a box that Return answers, and the game runs
# on without it, the keyboard its own again. A termination signal while boxes wait for an answer ends the
# program at once: the box goes, and the messages still to come reach standard error only.
source "$(dirname "$0")/lib.sh"
yorun=$(copy_game_tree "$1")
art="$E2E_WORK/tree/mato_bmp"
rm "$E2E_WORK/tree/mato_snd/cursor00_a.ogg"

start_xvfb
start_game "$yorun"
wait_for_window Yorun
dismiss_message_box Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
grep -q "【cursor00_a.ogg】が読み込めませんでした。" "$E2E_WORK/game.log" || fail "no message naming the sound: $(cat "$E2E_WORK/game.log")"
press Down
wait_for_art Yorun 400 385 "$art/終わる2.bmp" 75 20
press Escape
expect_exit 0 5

rm "$E2E_WORK/tree/mato_snd/swing41.ogg" "$E2E_WORK/tree/mato_snd/encaunt.ogg"
start_game "$yorun"
wait_for_window Yorun
deadline=$((SECONDS + 30))
until [[ -n "$(message_box_id Yorun)" ]]; do
    ((SECONDS < deadline)) || fail "no message box"
    sleep 0.1
done
kill -TERM "$E2E_GAME_PID"
expect_exit 0 5
[[ -z "$(message_box_id Yorun)" ]] || fail "a message box is still up"
for sound in cursor00_a swing41 encaunt; do
    grep -q "【$sound.ogg】" "$E2E_WORK/game.log" || fail "no message naming $sound: $(cat "$E2E_WORK/game.log")"
done
echo "ok"
