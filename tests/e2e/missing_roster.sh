#!/usr/bin/env bash
# Without rosters.txt the editor says so, closes, and creates no file.
source "$(dirname "$0")/lib/harness.sh"
start_x
start_editor
# The message box carries the application's name as its caption.
box=$(wait_window "roster-editor")
focus_window "$box"
xdotool key Return
wait_exit
[ ! -e "$WORK/rosters.txt" ] || fail "a rosters.txt was created"
[ -z "$(ls -A "$WORK" | grep -v -e '^display$' -e '^editor.log$')" ] || fail "files were created: $(ls -A "$WORK")"
echo "PASS: missing roster reported, nothing created"
