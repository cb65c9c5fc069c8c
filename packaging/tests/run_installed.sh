#!/usr/bin/env bash
# Checks an installed tree and runs its programs on a generated recording:
#   run_installed.sh ROOT PREFIX EXPECTED [XDG_CONFIG_DIRS]
# ROOT is where the tree lies (a `cmake --install` prefix, or a package unpacked with
# dpkg -x), PREFIX the programs' prefix inside it ("" or "usr"). The file list, relative to
# PREFIX with /etc kept as etc, must equal EXPECTED. The programs run with a scratch home, no
# display, and the family settings from XDG_CONFIG_DIRS (default: none).
set -euo pipefail
root=$(cd "$1" && pwd)
prefix=$2
expected=$3
config_dirs=${4:-}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Every file and link of the tree, as the package and `cmake --install` both lay it out
# (the private library folder's triplet written as on amd64).
triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)
(cd "$root" && find . -mindepth 1 \( -type f -o -type l \) | sed -e 's|^\./||' |
    if [ -n "$prefix" ]; then sed -e "s|^$prefix/||"; else cat; fi |
    sed -e "s|^lib/$triplet/|lib/x86_64-linux-gnu/|" | LC_ALL=C sort) \
    >"$scratch/files"
if ! diff -u <(LC_ALL=C sort "$expected") "$scratch/files"; then
    echo "run_installed: the installed files differ from $expected (- expected, + installed)"
    exit 1
fi

bin="$root/${prefix:+$prefix/}bin"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_CONFIG_DIRS="${config_dirs:-$scratch/no-machine-settings}"
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen LC_ALL=C
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$scratch/rec" && chmod 700 "$XDG_RUNTIME_DIR"
rec="$scratch/rec"

"$bin/grafyon-generate" "$rec/run.mdf" --frames 5000 --channels 3 --signals sine,steps,ramp >/dev/null
"$bin/grafyon-info" "$rec/run.mdf" >"$rec/info.txt"
grep -qx "status: 0" "$rec/info.txt" || { echo "run_installed: grafyon-info:"; cat "$rec/info.txt"; exit 1; }

# The viewer's unattended export with the filter installed beside it.
before=$(ls "$rec")
"$bin/grafyon" "$rec/run.mdf" /EF Standard /AX
after=$(ls "$rec")
exported=$(comm -13 <(echo "$before") <(echo "$after"))
[ "$(echo "$exported" | grep -c .)" -eq 1 ] || { echo "run_installed: export wrote: $exported"; exit 1; }
lines=$(wc -l <"$rec/$exported")
[ "$lines" -ge 5000 ] || { echo "run_installed: $exported holds $lines lines"; exit 1; }

"$bin/grafyon-export" "$rec/run.mdf" --filter Standard --count 10 --output "$rec/part.txt"
"$bin/grafyon-snapshot" "$rec/run.mdf" "$rec/run.png" --width 320 --height 200 --scale 2
file "$rec/run.png" | grep -q "PNG image data, 640 x 400" ||
    { echo "run_installed: snapshot: $(file "$rec/run.png")"; exit 1; }

# The manual pages read (a broken page is an error for man's formatter).
for page in "$root/${prefix:+$prefix/}share/man/man1/"*.1.gz; do
    zcat "$page" | grep -q '^\.SH NAME' || { echo "run_installed: bad page $page"; exit 1; }
done
echo "run_installed: $(wc -l <"$scratch/files") files, programs ran from $bin"
