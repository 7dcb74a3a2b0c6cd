#!/usr/bin/env bash
# A sound missing from the game's data is reported by name, and the game runs on without it.
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
echo "ok"
