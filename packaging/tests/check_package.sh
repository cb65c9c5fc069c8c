#!/usr/bin/env bash
# The Debian package of `make package`: unpacked with dpkg -x into a scratch root, its file
# list checked and its programs run from there (run_installed.sh); its control data checked
# for computed dependencies, the settings file as conffile and no maintainer scripts;
# xdg-open of a recording starts the packaged viewer; and
# lintian, when it is installed, must report neither error nor warning.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
debs=("$build"/grafyon_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "check_package: no single package in $build"; exit 1; }
deb=${debs[0]}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

dpkg-deb -x "$deb" "$scratch/root"
dpkg-deb -e "$deb" "$scratch/control"
"$here/run_installed.sh" "$scratch/root" usr "$here/installed_files.txt"

control="$scratch/control/control"
grep -q '^Depends:.*libqt6widgets6' "$control" || { echo "check_package: Depends lacks Qt:"; cat "$control"; exit 1; }
grep -q '^Depends:.*libc6' "$control" || { echo "check_package: Depends lacks libc6"; exit 1; }
grep -qx /etc/xdg/Vantorelline/Vantorelline.ini "$scratch/control/conffiles"
for script in preinst postinst prerm postrm; do
    [ ! -e "$scratch/control/$script" ] || { echo "check_package: unexpected $script"; exit 1; }
done
grep -qx 'Path=/usr/share/grafyon' "$scratch/root/etc/xdg/Vantorelline/Vantorelline.ini"

# xdg-open starts the packaged viewer on a recording, through its entry and file types (in a
# scratch data folder; a fake display, since xdg-open asks the desktop only when there is one).
xo="$scratch/xdg"
mkdir -p "$xo/mime/packages" "$xo/applications" "$scratch/home"
cp "$scratch/root/usr/share/mime/packages/grafyon.xml" "$xo/mime/packages/"
ln -s /usr/share/mime/packages/freedesktop.org.xml "$xo/mime/packages/"
update-mime-database "$xo/mime" >/dev/null 2>&1
cp "$scratch/root/usr/share/applications/Grafyon.desktop" "$xo/applications/"
update-desktop-database "$xo/applications" >/dev/null 2>&1
"$scratch/root/usr/bin/grafyon-generate" "$scratch/opened.mdf" --frames 100 --channels 2 >/dev/null
env DISPLAY=:99 QT_QPA_PLATFORM=offscreen HOME="$scratch/home" XDG_DATA_HOME="$xo" \
    XDG_DATA_DIRS="$scratch/none" XDG_CONFIG_HOME="$scratch/home/.config" \
    XDG_CONFIG_DIRS="$scratch/none" PATH="$scratch/root/usr/bin:$PATH" \
    xdg-open "$scratch/opened.mdf" >"$scratch/xdg-open.log" 2>&1 &
opener=$!
viewer=""
for _ in $(seq 100); do
    viewer=$(ps -eo pid=,args= | awk -v cmd="$scratch/root/usr/bin/Grafyon $scratch/opened.mdf" \
        '{ pid = $1; $1 = ""; sub(/^ /, ""); if ($0 == cmd) print pid }')
    [ -n "$viewer" ] && break
    sleep 0.1
done
kill $viewer $opener 2>/dev/null || true
wait $opener 2>/dev/null || true
[ -n "$viewer" ] || { echo "check_package: xdg-open did not start Grafyon:"; cat "$scratch/xdg-open.log"; exit 1; }

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb"
    echo "check_package: lintian reports no errors and no warnings"
else
    echo "check_package: lintian is not installed, not run"
fi
echo "check_package: $(basename "$deb") unpacks, runs and holds what it should"
