#!/usr/bin/env bash
# Enter in the main window saves and exits; an untouched roster comes back byte for byte.
source "$(dirname "$0")/lib/harness.sh"
copy_sample
cp "$WORK/rosters.txt" "$WORK/original.txt"
start_x
start_editor
win=$(wait_window "Roster Editor")
focus_window "$win"
xdotool key Return
wait_exit
cmp "$WORK/rosters.txt" "$WORK/original.txt" || fail "the roster changed"
echo "PASS: Enter saved the roster unchanged"
