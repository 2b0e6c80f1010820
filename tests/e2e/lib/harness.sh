#!/usr/bin/env bash
# Shared helpers for the end-to-end tests: a private X server, a fresh working folder,
# and waiting for the editor's windows. Sourced by each test script.
set -euo pipefail

EDITOR_BIN=${1:?usage: test.sh EDITOR_BINARY SOURCE_DIR}
SOURCE_DIR=${2:?usage: test.sh EDITOR_BINARY SOURCE_DIR}
SAMPLE="$SOURCE_DIR/data/rosters.txt"

WORK=$(mktemp -d)
XVFB_PID=""
EDITOR_PID=""

cleanup() {
    [ -n "$EDITOR_PID" ] && kill "$EDITOR_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a free display and exports DISPLAY once it is ready.
start_x() {
    local dfile="$WORK/display"
    Xvfb -noreset -screen 0 1024x768x24 -displayfd 3 3>"$dfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        if [ -s "$dfile" ]; then
            export DISPLAY=":$(head -n1 "$dfile")"
            return 0
        fi
        sleep 0.05
    done
    fail "Xvfb did not start"
}

# Starts the editor in the folder given (default: the working folder).
start_editor() {
    local dir=${1:-$WORK}
    (cd "$dir" && exec timeout 60 "$EDITOR_BIN") >"$WORK/editor.log" 2>&1 &
    EDITOR_PID=$!
}

# Waits until a visible window with exactly this title exists; prints its id.
wait_window() {
    local title=$1 id=""
    for _ in $(seq 1 200); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    fail "window '$title' did not appear"
}

# Waits for the editor to end; fails if it is still running after the timeout.
wait_exit() {
    for _ in $(seq 1 200); do
        if ! kill -0 "$EDITOR_PID" 2>/dev/null; then
            wait "$EDITOR_PID" || true
            EDITOR_PID=""
            return 0
        fi
        sleep 0.05
    done
    fail "the editor did not exit"
}

focus_window() {
    xdotool windowfocus --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1"
    sleep 0.2
}

# A fresh copy of the sample roster in the working folder.
copy_sample() {
    cp "$SAMPLE" "$WORK/rosters.txt"
}
