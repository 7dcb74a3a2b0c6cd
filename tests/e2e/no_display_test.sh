#!/usr/bin/env bash
# Without a display the game says so and ends with exit code 0 instead of running unseen: with no DISPLAY
# at all, and with a DISPLAY that names no server.
source "$(dirname "$0")/lib.sh"
yorun=$1

run_without_display() {
    local log=$E2E_WORK/no-display.log status=0
    env -u SDL_VIDEODRIVER -u WAYLAND_DISPLAY "$@" SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$E2E_WORK" \
        timeout 30 "$yorun" >"$log" 2>&1 || status=$?
    [[ $status -ne 124 ]] || fail "still running after 30 s without a display: $(cat "$log")"
    [[ $status -eq 0 ]] || fail "exit code $status without a display: $(cat "$log")"
    grep -q "cannot open the display" "$log" || fail "no message about the display: $(cat "$log")"
}

run_without_display -u DISPLAY
run_without_display DISPLAY=:9973
echo "ok"
