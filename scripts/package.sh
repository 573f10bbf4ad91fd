#!/usr/bin/env bash
# Builds Orvandel's Debian packages as a distribution builds them: the checkout's tracked files
# (as they are now) are copied to a clean folder, the build dependencies of debian/control
# installed, dpkg-source makes the source package and `dpkg-buildpackage -us -uc -b` the binary
# packages orvandel, orv, libmibrexw1 and libmibrexw-dev (with their -dbgsym). lintian must find
# no error or warning in either, and hardening-check must pass every program and library.
#
# Usage: scripts/package.sh [OUTPUT_DIR]   (default build/deb; emptied first)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
orv_install_packages dpkg-dev debhelper devscripts lintian fakeroot git xz-utils

out=$(realpath -m "${1:-build/deb}")
version=$(sed -n 's/^set(ORV_VERSION \(.*\))$/\1/p' CMakeLists.txt)
debian_version=$(dpkg-parsechangelog -S Version)
if [ "${debian_version%-*}" != "$version" ]; then
  echo "debian/changelog is at $debian_version, CMakeLists.txt at $version: add a changelog entry (dch -v $version-1)" >&2
  exit 1
fi

if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 build-dep -y -qq \
    --no-install-recommends ./
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source=$work/orvandel-$version
mkdir -p "$source"
git ls-files -z | tar --null -T - -c | tar -x -C "$source"
# The upstream tarball is the tree without debian/.
tar -C "$work" --exclude="orvandel-$version/debian" --sort=name --owner=0 --group=0 -cJf \
  "$work/orvandel_$version.orig.tar.xz" "orvandel-$version"

export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=2}"
# The source package first, from the tree before anything is built in it.
(cd "$work" && dpkg-source -b "orvandel-$version" >/dev/null)
(cd "$source" && dpkg-buildpackage -us -uc -b)

rm -rf "$out"
mkdir -p "$out"
find "$work" -maxdepth 1 -type f -exec cp {} "$out/" \;
cd "$out"
changes=$(ls ./*.changes)
dsc=$(ls ./*.dsc)

echo "== The packages"
for deb in ./*.deb; do
  echo "-- $deb ($(stat -c %s "$deb") bytes)"
  dpkg-deb -f "$deb" Package Version Architecture Multi-Arch Depends Recommends
  dpkg-deb -c "$deb"
done

echo "== lintian (no error or warning allowed; notes and pedantic tags shown)"
lintian --display-info --pedantic --fail-on error,warning "$dsc" "$changes"
echo "lintian: no error or warning"

echo "== hardening-check (control-flow protection left out: Debian 12's start files lack it)"
unpacked=$work/unpacked
for deb in ./*.deb; do [[ $deb == *-dbgsym_* ]] || dpkg-deb -x "$deb" "$unpacked"; done
mapfile -t binaries < <(find "$unpacked" -type f -exec sh -c \
  'file -b "$1" | grep -q "^ELF"' _ {} \; -print | sort)
[ "${#binaries[@]}" -eq 3 ] || {
  echo "expected 3 binaries (orvandel, orv, the library), found: ${binaries[*]}" >&2
  exit 1
}
hardening-check --nocfprotection "${binaries[@]}"
echo "Built in $out:" ./*.deb
