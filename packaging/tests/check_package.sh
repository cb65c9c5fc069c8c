#!/usr/bin/env bash
# The Debian package of `make package`: unpacked with dpkg -x into a scratch root, its file
# list checked and its programs run from there (run_installed.sh); its control data checked
# for computed dependencies, the settings file as conffile and no maintainer scripts; and
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

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb"
    echo "check_package: lintian reports no errors and no warnings"
else
    echo "check_package: lintian is not installed, not run"
fi
echo "check_package: $(basename "$deb") unpacks, runs and holds what it should"
