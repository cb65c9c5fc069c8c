#!/usr/bin/env bash
# Test of one fuzz target's checks: its seeds (written by SEEDS, or none when "-") and the
# inputs kept under REGRESSIONS replayed through REPLAY. Usage: replay.sh SEEDS REPLAY REGRESSIONS
set -euo pipefail
seeds=$1
replay=$2
regressions=$3
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
if [ "$seeds" != "-" ]; then
    "$seeds" "$corpus"
fi
"$replay" "$corpus" "$regressions"
