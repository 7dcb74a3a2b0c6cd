#!/usr/bin/env bash
# Without a display the game says why and ends with exit code 1 instead of running unseen: with no DISPLAY
# at all, and with a DISPLAY that names no server. An overlong unknown option is echoed cut.
source "$(dirname "$0")/lib.sh"
yorun=$1
log=$E2E_WORK/no-display.log

run_without_display() {
    local status=0
    env -u SDL_VIDEODRIVER -u WAYLAND_DISPLAY "$@" SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$E2E_WORK" \
        timeout 30 "$yorun" "--$(printf 'x%.0s' {1..300})" >"$log" 2>&1 || status=$?
    [[ $status -ne 124 ]] || fail "still running after 30 s without a display: $(cat "$log")"
    [[ $status -eq 1 ]] || fail "exit code $status without a display: $(cat "$log")"
    grep -q "cannot open the display" "$log" || fail "no message about the display: $(cat "$log")"
    grep -q "^yorun: unknown option '--x\{38\}…' ignored" "$log" || fail "the option was not cut: $(cat "$log")"
}

run_without_display -u DISPLAY
grep -q "none is set" "$log" || fail "no word that no display is set: $(cat "$log")"
run_without_display DISPLAY=:9973
grep -q "nothing answers at DISPLAY=:9973" "$log" || fail "the display is not named: $(cat "$log")"
! grep -q "is set" "$log" || fail "asks whether DISPLAY is set although it is: $(cat "$log")"
echo "ok"
