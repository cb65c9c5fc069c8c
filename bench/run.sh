#!/usr/bin/env bash
# Runs every benchmark program of a benchmark build.
set -euo pipefail
build=${1:-build-bench}
found=0
for b in "$build"/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    found=1
    echo "== $(basename "$b")"
    "$b"
done
[ "$found" = 1 ] || echo "no benchmarks built yet"
