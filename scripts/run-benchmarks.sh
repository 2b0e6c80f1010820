#!/usr/bin/env bash
# Runs every benchmark program of a build folder.
set -euo pipefail
build=${1:-build}
for b in "$build"/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_min_time=0.2
done
