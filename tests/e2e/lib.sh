# Shared steps of the end-to-end tests: a private X server, the game's window, screenshots and pixels.
# Every wait polls for a condition with a generous deadline; nothing relies on a fixed sleep alone.

set -euo pipefail

E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/yorun-e2e.XXXXXX")
E2E_XVFB_PID=""
E2E_GAME_PID=""

e2e_cleanup() {
    if [[ -n "$E2E_GAME_PID" ]] && kill -0 "$E2E_GAME_PID" 2>/dev/null; then
        # A message box runs in a child process of its own; it goes too.
        pkill -KILL -P "$E2E_GAME_PID" 2>/dev/null || true
        kill -KILL "$E2E_GAME_PID" 2>/dev/null || true
        wait "$E2E_GAME_PID" 2>/dev/null || true
    fi
    if [[ -n "$E2E_XVFB_PID" ]]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

# Runs an X client that waits on the server or on a window (a screenshot, a focus change) with a time-out:
# a window that vanishes half-way can leave it waiting for ever, the server grabbed. A call that times out
# fails like any other, and the caller's poll tries again.
x_call() {
    timeout -k 2 "${E2E_X_TIMEOUT:-10}" "$@"
}

fail() {
    echo "FAIL: $*" >&2
    if [[ -s "$E2E_WORK/game.log" ]]; then
        echo "--- the game's output:" >&2
        tail -n 20 "$E2E_WORK/game.log" >&2
    fi
    if [[ -n "${DISPLAY:-}" ]]; then
        x_call import -window root "$E2E_WORK/failure.png" 2>/dev/null &&
            cp "$E2E_WORK/failure.png" "${TMPDIR:-/tmp}/yorun-e2e-failure.png" &&
            echo "screen at failure: ${TMPDIR:-/tmp}/yorun-e2e-failure.png" >&2
    fi
    exit 1
}

# Starts Xvfb on a display number it picks itself (no race with other servers starting at the same time),
# with no window manager: the game's window takes the keyboard focus by itself. Extra arguments go to Xvfb;
# E2E_SCREEN sets the screen's size and depth.
start_xvfb() {
    local display_file="$E2E_WORK/display"
    : >"$display_file"
    # -noreset: a server that resets when its last client leaves refuses the game while it does so.
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp -noreset "$@" 3>"$display_file" \
        >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local deadline=$((SECONDS + 30))
    while ((SECONDS < deadline)); do
        if [[ -s "$display_file" ]]; then
            export DISPLAY=":$(head -n 1 "$display_file")"
            if x_call xdpyinfo >/dev/null 2>&1; then
                return 0
            fi
        fi
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    fail "no X server could be started: $(cat "$E2E_WORK/xvfb.log")"
}

# Starts the game in the background with the given arguments; its output goes to game.log. Its records
# are kept in the test's own data directory, never the user's.
start_game() {
    local binary=$1
    shift
    XDG_DATA_HOME="$E2E_WORK/data" "$binary" "$@" >"$E2E_WORK/game.log" 2>&1 &
    E2E_GAME_PID=$!
}

# The id of the viewable window titled exactly as given, or nothing. The renderer may replace the window
# it starts with, so callers look it up again rather than keep an id.
window_id() {
    local title=$1 id
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            echo "$id"
            return 0
        fi
    done
}

# Waits for the window titled as given to be on screen (seconds).
wait_for_window() {
    local title=$1 timeout=${2:-30}
    local deadline=$((SECONDS + timeout))
    while ((SECONDS < deadline)); do
        if [[ -n "$(window_id "$title")" ]]; then
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled '$title' within ${timeout}s"
}

# A screenshot of the titled window's contents.
screenshot() {
    local title=$1 file=$2 id
    id=$(window_id "$title")
    [[ -n "$id" ]] && x_call import -window "$id" "$file" 2>/dev/null
}

# The pixel of an image as RRGGBB in hex.
pixel_of() {
    local file=$1 x=$2 y=$3
    convert "$file" -crop "1x1+${x}+${y}" -depth 8 txt:- | awk 'NR==2 { sub("#", "", $3); print substr($3, 1, 6) }'
}

# Waits until the titled window's pixel has the colour (RRGGBB), taking screenshots.
wait_for_pixel() {
    local title=$1 x=$2 y=$3 colour=$4 timeout=${5:-30} seen=""
    local deadline=$((SECONDS + timeout))
    while ((SECONDS < deadline)); do
        if screenshot "$title" "$E2E_WORK/poll.png"; then
            seen=$(pixel_of "$E2E_WORK/poll.png" "$x" "$y")
            if [[ "${seen,,}" == "${colour,,}" ]]; then
                return 0
            fi
        fi
        sleep 0.2
    done
    fail "pixel ($x, $y) is '$seen', not '$colour', after ${timeout}s"
}

# How many pixels two pictures of one size differ in; the test fails when they cannot be compared at all
# (a missing file, other sizes), whatever compare says then.
pixels_differing() {
    local count
    count=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [[ "$count" =~ ^[0-9]+$ ]] || fail "$1 and $2 cannot be compared: $count"
    echo "$count"
}

# The pixel of a picture file as RRGGBB (for comparing the screen with the art it shows).
file_pixel() {
    pixel_of "$@"
}

# Waits until the titled window's pixel matches the given picture file's pixel at (fx, fy).
wait_for_art() {
    local title=$1 x=$2 y=$3 file=$4 fx=$5 fy=$6
    wait_for_pixel "$title" "$x" "$y" "$(file_pixel "$file" "$fx" "$fy")" "${7:-30}"
}

# The id of a top-level window that is not the game's own 800 × 600 one but has the given title: SDL's
# message box.
message_box_id() {
    local title=$1
    xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\":" '$2 == t && $0 !~ / 800x600\+/ { print $1; exit }'
}

# The id of the message box titled as given when it is up and has the keyboard focus, which the game gives
# it; else nothing.
focused_message_box() {
    local title=$1 id focus
    id=$(message_box_id "$title")
    [[ -n "$id" ]] && x_call xwininfo -id "$id" 2>/dev/null | grep -q IsViewable || return 0
    focus=$(x_call xdotool getwindowfocus 2>/dev/null || true)
    [[ "$focus" == "$((id))" ]] && echo "$id"
    return 0
}

# Answers the message box with the given id with Return. It counts as answered once it is gone, or once the
# game has gone on to write something more (the next box's text, or a message of its own; a new box may even
# take the same window id) or has ended.
answer_message_box() {
    local id=$1 lines
    lines=$(wc -l <"$E2E_WORK/game.log")
    xdotool key Return
    local deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        if ! x_call xwininfo -id "$id" 2>/dev/null | grep -q IsViewable ||
            (($(wc -l <"$E2E_WORK/game.log") > lines)) || ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
            return 0
        fi
        sleep 0.05
    done
    fail "the message box did not close on Return"
}

# Waits for a message box titled as given to be up with the keyboard focus and answers it with Return.
dismiss_message_box() {
    local title=$1 timeout=${2:-30} id=""
    local deadline=$((SECONDS + timeout))
    until id=$(focused_message_box "$title") && [[ -n "$id" ]]; do
        ((SECONDS < deadline)) || fail "no message box titled '$title' with the keyboard focus within ${timeout}s"
        sleep 0.1
    done
    answer_message_box "$id"
}

# Answers every message box titled as given until the game ends; prints how many there were.
dismiss_message_boxes_until_exit() {
    local title=$1 timeout=${2:-60} id="" count=0
    local deadline=$((SECONDS + timeout))
    while kill -0 "$E2E_GAME_PID" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the game still runs after ${timeout}s of message boxes"
        id=$(focused_message_box "$title")
        if [[ -n "$id" ]]; then
            answer_message_box "$id"
            count=$((count + 1))
        fi
        sleep 0.1
    done
    echo "$count"
}

# Copies the built game and its data into a tree of its own (bin, mato_bmp, mato_snd) and prints the
# copied program's path.
copy_game_tree() {
    local yorun=$1 base
    base=$(dirname "$(dirname "$yorun")")
    mkdir -p "$E2E_WORK/tree/bin"
    cp "$yorun" "$E2E_WORK/tree/bin/"
    cp -r "$base/mato_bmp" "$base/mato_snd" "$E2E_WORK/tree/"
    echo "$E2E_WORK/tree/bin/$(basename "$yorun")"
}

# Key presses go through the X test extension to the focused window, as a real keyboard's would. The game
# counts every press, however short (it notes the presses that come between two of its frames), so no key
# is held for a fixed time: each caller waits for the game's response instead.
press() {
    local key
    for key in "$@"; do
        xdotool key "$key"
    done
}

# A tap: each key pressed and let go at once, so both usually fall between two of the game's frames.
tap() {
    local key
    for key in "$@"; do
        xdotool key --delay 0 "$key"
    done
}

# Waits for the game to exit within the time (seconds, fractions allowed) and checks its exit code.
expect_exit() {
    local expected_code=$1 timeout=$2 code
    local deadline
    deadline=$(($(date +%s%N) + ${timeout%.*} * 1000000000))
    while kill -0 "$E2E_GAME_PID" 2>/dev/null; do
        if (($(date +%s%N) > deadline)); then
            fail "the game is still running ${timeout}s later"
        fi
        sleep 0.05
    done
    code=0
    wait "$E2E_GAME_PID" || code=$?
    E2E_GAME_PID=""
    [[ "$code" == "$expected_code" ]] || fail "exit code $code, expected $expected_code"
}
