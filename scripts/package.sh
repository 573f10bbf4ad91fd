#!/usr/bin/env bash
# Builds the Debian package of Orvandel (Release, the program only) with CPack and prints
# its name, its dependencies and its files. Usage: scripts/package.sh [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
orv_install_build_dependencies
# cpack -G DEB calls dpkg-shlibdeps for the dependencies.
orv_install_packages dpkg-dev file
out="$(realpath -m "${1:-build/release}")"
cmake --preset release >/dev/null
cmake --build --preset release --target orvandel
(cd build/release && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls -t "$out"/orvandel_*.deb | head -1)
echo "Built $deb ($(stat -c %s "$deb") bytes)"
dpkg-deb -f "$deb" Package Version Depends
dpkg-deb -c "$deb"
