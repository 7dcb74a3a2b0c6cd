#!/usr/bin/env bash
# A process forked while a message box's watcher starts (the box's own process) can always open a display.
source "$(dirname "$0")/lib.sh"
probe=$1

start_xvfb
"$probe" >"$E2E_WORK/game.log" 2>&1 || fail "the probe failed with exit code $?"
echo "ok"
