#!/usr/bin/env bash
# The desktop entry and the file types: desktop-file-validate, and xdg-mime in a scratch
# XDG_DATA_HOME, by name and by content. Skipped (77) when the tools are not installed
# (./tools/install-deps.sh package installs them).
#   desktop_entry.sh SOURCE_DIR GENERATE
set -euo pipefail
source_dir=$1
generate=$2
for tool in desktop-file-validate update-desktop-database update-mime-database xdg-mime mimetype; do
    command -v "$tool" >/dev/null || { echo "desktop_entry: $tool missing, skipped"; exit 77; }
done

desktop-file-validate "$source_dir/packaging/Grafyon.desktop"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$scratch/none" XDG_CONFIG_HOME="$scratch/config"
unset XDG_CURRENT_DESKTOP KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DESKTOP_SESSION
mkdir -p "$XDG_DATA_HOME/mime/packages" "$XDG_DATA_HOME/applications"
cp "$source_dir/packaging/grafyon-mime.xml" "$XDG_DATA_HOME/mime/packages/grafyon.xml"
# The shared database is needed for the base types that ours derive from.
ln -s /usr/share/mime/packages/freedesktop.org.xml "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime" >/dev/null 2>&1

expect() {  # FILE TYPE
    local got
    got=$(xdg-mime query filetype "$1")
    [ "$got" = "$2" ] || { echo "desktop_entry: $1 is $got, expected $2"; exit 1; }
}
"$generate" "$scratch/run.mdf" --frames 10 --channels 2 >/dev/null
"$generate" "$scratch/one.mcf" --frames 10 --channels 2 >/dev/null
"$generate" "$scratch/head.tks" --frames 10 --channels 2 >/dev/null
expect "$scratch/run.mdf" application/x-grafyon-mdf
expect "$scratch/one.mcf" application/x-grafyon-mcf
expect "$scratch/head.tks" application/x-grafyon-tks
# Names ignore case; without a known name the content decides.
cp "$scratch/run.mdf" "$scratch/UPPER.MDF"
cp "$scratch/head.tks" "$scratch/Head.Tks"
expect "$scratch/UPPER.MDF" application/x-grafyon-mdf
expect "$scratch/Head.Tks" application/x-grafyon-tks
cp "$scratch/run.mdf" "$scratch/renamed.bin"
cp "$scratch/one.mcf" "$scratch/renamed-mcf.bin"
cp "$scratch/head.tks" "$scratch/renamed"
expect "$scratch/renamed.bin" application/x-grafyon-mdf
expect "$scratch/renamed-mcf.bin" application/x-grafyon-mdf
expect "$scratch/renamed" application/x-grafyon-tks
# A beginning that only resembles the signature is no TARKO header.
printf 'TARKO TKS 01.0\n' >"$scratch/almost.bin"
got=$(xdg-mime query filetype "$scratch/almost.bin")
[ "$got" != application/x-grafyon-tks ] || { echo "desktop_entry: a near signature matched"; exit 1; }

# The entry is what xdg-open starts for all three types.
cp "$source_dir/packaging/Grafyon.desktop" "$XDG_DATA_HOME/applications/"
update-desktop-database "$XDG_DATA_HOME/applications" >/dev/null 2>&1
for type in application/x-grafyon-mdf application/x-grafyon-mcf application/x-grafyon-tks; do
    got=$(xdg-mime query default "$type")
    [ "$got" = Grafyon.desktop ] || { echo "desktop_entry: $type opens with '$got'"; exit 1; }
done
echo "desktop_entry: valid entry, types recognised by name and by content"
