#!/usr/bin/env bash
# Esc closes the editor without writing: contents and modification time stay.
source "$(dirname "$0")/lib/harness.sh"
copy_sample
touch -d '2001-02-03 04:05:06' "$WORK/rosters.txt"
before=$(stat -c %Y "$WORK/rosters.txt")
start_x
start_editor
win=$(wait_window "Roster Editor")
focus_window "$win"
xdotool key Escape
wait_exit
cmp "$WORK/rosters.txt" "$SAMPLE" || fail "the roster changed"
[ "$(stat -c %Y "$WORK/rosters.txt")" = "$before" ] || fail "the roster was written"
echo "PASS: Esc left the roster untouched"
