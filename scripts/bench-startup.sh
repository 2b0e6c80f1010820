#!/usr/bin/env bash
# Start-up benchmark: from launching a program until its window is mapped (findable
# by title), for the editor on the sample roster and for a minimal Qt dialog, in the
# same X server and the same run. Prints the medians, their ratio and peak memory.
# Usage: bench-startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-21}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -noreset -screen 0 1024x768x24 -displayfd 3 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"

# measure NAME TITLE COMMAND...: prints "milliseconds peak_kib" for one launch.
measure() {
    local title=$1; shift
    local start end pid hwm
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        sleep 0.002
        kill -0 "$pid" 2>/dev/null || { echo "program ended before its window appeared" >&2; exit 1; }
    done
    end=$(date +%s%N)
    hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000 )) $hwm"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

cp "$root/data/rosters.txt" "$work/rosters.txt"
editor_times=() floor_times=() editor_mem=() floor_mem=()
for _ in $(seq 1 "$runs"); do
    read -r t m < <(cd "$work" && measure "Roster Editor" "$build/roster-editor")
    editor_times+=("$t"); editor_mem+=("$m")
    read -r t m < <(measure "Floor Dialog" "$build/floor_dialog")
    floor_times+=("$t"); floor_mem+=("$m")
done
cmp -s "$work/rosters.txt" "$root/data/rosters.txt" || { echo "the roster changed" >&2; exit 1; }

e=$(printf '%s\n' "${editor_times[@]}" | median)
f=$(printf '%s\n' "${floor_times[@]}" | median)
em=$(printf '%s\n' "${editor_mem[@]}" | median)
fm=$(printf '%s\n' "${floor_mem[@]}" | median)
awk -v runs="$runs" -v e="$e" -v f="$f" -v em="$em" -v fm="$fm" 'BEGIN {
    printf "runs: %d\n", runs
    printf "editor start-up median: %.1f ms, peak memory %d KiB\n", e / 1000, em
    printf "floor  start-up median: %.1f ms, peak memory %d KiB\n", f / 1000, fm
    printf "ratio editor/floor: %.2f\n", e / f
}'
