#!/usr/bin/env bash
# `cmake --install` into a scratch prefix: the tree is checked and its programs run there
# with the family settings it installed, then once more after the whole tree was moved.
#   install_tree.sh BUILD_DIR EXPECTED
set -euo pipefail
build=$1
expected=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
grep -qx "Path=$scratch/prefix/share/grafyon" "$scratch/prefix/etc/xdg/Vantorelline/Vantorelline.ini"
"$here/run_installed.sh" "$scratch/prefix" "" "$expected" "$scratch/prefix/etc/xdg"
mv "$scratch/prefix" "$scratch/moved"
"$here/run_installed.sh" "$scratch/moved" "" "$expected"
