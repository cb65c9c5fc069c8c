#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a number of seconds each, starting from its
# seed corpus. Usage: fuzz/run.sh BUILD_FOLDER SECONDS
# FUZZ_TIMEOUT (seconds, default 5) is the time one input may take before it counts as a hang.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
dir="$build/fuzz"
status=0
found=0
for target in "$dir"/*_fuzz; do
    [ -x "$target" ] || continue
    found=1
    name=$(basename "$target")
    corpus="$dir/corpus/$name"
    artifacts="$dir/artifacts/$name/"
    mkdir -p "$corpus" "$artifacts"
    if [ -x "${target}_seeds" ]; then
        "${target}_seeds" "$corpus"
    fi
    dict=()
    if [ -f "$dir/$name.dict" ]; then
        dict=(-dict="$dir/$name.dict")
    fi
    echo "fuzz: $name for ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$target" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-5}" "${dict[@]}" -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus"; then
        echo "fuzz: $name failed; the input is in $artifacts"
        status=1
    fi
done
if [ "$found" -eq 0 ]; then
    echo "fuzz: no targets in $dir"
    exit 1
fi
exit $status
