#!/usr/bin/env bash
# Without a display the game says so and ends cleanly instead of running unseen.
source "$(dirname "$0")/lib.sh"
yorun=$1

env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$yorun" >"$E2E_WORK/game.log" 2>&1 &
E2E_GAME_PID=$!
expect_exit 0 20
grep -q "there is no display" "$E2E_WORK/game.log" || fail "no message about the display: $(cat "$E2E_WORK/game.log")"
echo "ok"
