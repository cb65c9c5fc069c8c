#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# With the argument "fuzz": the clang compiler and libFuzzer runtime of `make fuzz` too;
# with "package": what `make package` needs (dpkg-shlibdeps, file); with "package-test": that
# and the desktop tools and lintian that the package and the desktop entry are checked with.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6svg6 libgl-dev locales
    libgtest-dev libgmock-dev libbenchmark-dev
    libmatio-dev fonts-dejavu-core binutils
)
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-dev)
fi
if [ "${1:-}" = package ] || [ "${1:-}" = package-test ]; then
    packages+=(dpkg-dev file)
fi
if [ "${1:-}" = package-test ]; then
    packages+=(desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl lintian)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# The package lists may be missing or stale on a fresh machine: update once, then retry.
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
