#!/usr/bin/env bash
# Runs every benchmark program of a benchmark build. The data access benchmarks write about
# 4 GB of generated recordings into $TMPDIR (or /tmp) and delete them when they end.
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
