#!/usr/bin/env bash
# A trade made with the keyboard alone swaps the two players' lines in the file.
source "$(dirname "$0")/lib/harness.sh"
copy_sample
start_x
start_editor
win=$(wait_window "Roster Editor")
focus_window "$win"
# Focus starts on the left team selector: Tab to the left list, first player (slot 0).
xdotool key Tab Home
# Tab past the right selector into the right list, second player (ORIOLES, slot 26).
xdotool key Tab Tab Home Down
# Tab to Trade and press it, then Tab to OK and press it.
xdotool key Tab space
sleep 0.2
xdotool key Tab Return
wait_exit
expected="$WORK/expected.txt"
awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
     { line[NR - 1] = $0 }
     END { t = line[0]; line[0] = line[26]; line[26] = t
           for (i = 0; i < NR; i++) print line[i] }' "$SAMPLE" >"$expected"
cmp "$WORK/rosters.txt" "$expected" || fail "slots 0 and 26 were not swapped"
echo "PASS: keyboard trade swapped slots 0 and 26"
