#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends clang-format ||
        { $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends clang-format; }
fi
bad=$(git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run 2>&1 |
    sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$bad" ]; then
    echo "These files are not formatted (run: clang-format -i FILE):"
    echo "$bad"
    exit 1
fi
echo "format: every file as clang-format leaves it"
