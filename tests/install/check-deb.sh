#!/usr/bin/env bash
# Checks the Debian packages as a user meets them: built from the checkout by
# scripts/package.sh (which also runs lintian and hardening-check), each package holds its own
# files, orv and its library pull in no Qt library, and, installed with apt, the window starts
# from its menu entry under Xvfb, orv answers, a small C program links libmibrexw through
# pkg-config, and a purge leaves none of the packages, their files or what apt brought with them.
#
# Installs and purges the packages on this machine: run it as root (CI) or with sudo.
# Usage: tests/install/check-deb.sh [DEB_DIR]   (DEB_DIR: packages already built there)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh
orv_install_packages xvfb xauth x11-utils libglib2.0-bin pkg-config gcc
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
packages=(orvandel orv libmibrexw1 libmibrexw-dev)
work=$(mktemp -d)
installed_packages() {
  dpkg-query -W -f='${db:Status-Status} ${Package}\n' | sed -n 's/^installed //p' | sort
}
# Purges what the check installed: the four packages and what apt brought with them (such as
# the recommended qt6-wayland), so that the machine keeps the packages it had.
purge_new() {
  local new
  [ -f "$work/before" ] || return 0
  [ -f "$work/new" ] || installed_packages | comm -13 "$work/before" - >"$work/new"
  mapfile -t new <"$work/new"
  [ "${#new[@]}" -eq 0 ] && return 0
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 purge -y -qq \
    "${new[@]}" >"$work/purge.log" 2>&1
}
cleanup() {
  # Should a check stop the script half-way, the machine is still left as it was.
  purge_new || true
  rm -rf "$work"
}
trap cleanup EXIT
if [ -n "${1:-}" ]; then debs=$(realpath "$1"); else
  debs=$work/debs
  scripts/package.sh "$debs"
fi
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }
version=$(sed -n 's/^set(ORV_VERSION \(.*\))$/\1/p' CMakeLists.txt)
id=org.orvandel.Orvandel
arch=$(dpkg --print-architecture)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
deb() { echo "$debs/${1}_${version}-1_$arch.deb"; }

echo "== Each package holds its own files"
# One file each package must hold, and one it must not.
owns=(
  "orvandel ./usr/bin/orvandel ./usr/bin/orv"
  "orvandel ./usr/share/applications/$id.desktop ./usr/share/man/man1/orv.1.gz"
  "orv ./usr/bin/orv ./usr/bin/orvandel"
  "orv ./usr/share/bash-completion/completions/orv ./usr/lib/$multiarch/libmibrexw.so.1"
  "libmibrexw1 ./usr/lib/$multiarch/libmibrexw.so.1 ./usr/lib/$multiarch/libmibrexw.so"
  "libmibrexw-dev ./usr/lib/$multiarch/pkgconfig/mibrexw.pc ./usr/bin/orv"
  "libmibrexw-dev ./usr/lib/$multiarch/cmake/mibrexw/mibrexwConfig.cmake ./usr/include/mibrexw.h"
)
for row in "${owns[@]}"; do
  read -r package has hasnot <<<"$row"
  dpkg-deb -c "$(deb "$package")" | awk '{print $6}' >"$work/files"
  grep -qxF "$has" "$work/files" || fail "$package lacks $has"
  ! grep -qxF "$hasnot" "$work/files" || fail "$package holds $hasnot"
done
pass "files of the four packages"

echo "== orv and libmibrexw1 pull in no Qt library"
# Every package their dependencies reach, whatever is installed here already.
mapfile -t direct < <(for package in orv libmibrexw1; do dpkg-deb -f "$(deb "$package")" Depends; done |
  tr ',' '\n' | sed 's/[(|].*//; s/ //g' | grep -v '^libmibrexw1$' | sort -u)
apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${direct[@]}" | grep -v '^ ' | sort -u >"$work/closure"
if grep -i qt "$work/closure"; then fail "orv pulls in the Qt packages above"; else
  pass "orv's $(wc -l <"$work/closure") dependencies hold no Qt package"
fi
$sudo apt-get -s install "$(deb orv)" "$(deb libmibrexw1)" >"$work/sim" 2>&1 ||
  fail "apt cannot install orv with its library: $(cat "$work/sim")"
if grep '^Inst' "$work/sim" | grep -i qt; then fail "apt would install Qt with orv"; fi

echo "== Installed with apt"
installed_packages >"$work/before"
# Files by the packages' names anywhere the packages or their scripts could leave one.
named_files() {
  find /etc /usr /var/lib /var/cache /opt -xdev \( -iname '*orvandel*' -o -iname '*mibrexw*' \
    -o -name orv -o -name 'orv[._-]*' \) 2>/dev/null | sort
}
named_files >"$work/named-before"
for package in "${packages[@]}"; do dpkg-deb -c "$(deb "$package")" | awk '{print $6}' |
  sed 's|^\.||' | grep -v '/$' >>"$work/installed-files"; done
# shellcheck disable=SC2046
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq \
  $(for package in "${packages[@]}"; do deb "$package"; done) >"$work/apt.log" 2>&1 ||
  { fail "apt install"; cat "$work/apt.log" >&2; }
installed_packages | comm -13 "$work/before" - >"$work/new"
echo "apt installed $(wc -l <"$work/new") packages: $(tr '\n' ' ' <"$work/new")"
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status} ${Version}\n' "$package" | grep -qx "install ok installed $version-1" ||
    fail "$package is not installed at $version-1"
done

out=$(orv 2000-01-01 --to jdn 2>&1) || true
if [ "$out" = "2000-01-01 CE = 2,451,545 JDN, Saturday" ]; then pass "orv: $out"; else
  fail "orv printed '$out'"
fi
[ "$(orvandel --version)" = "Orvandel $version" ] || fail "orvandel --version: $(orvandel --version)"
[ "$(orv --version)" = "orv (Orvandel) $version" ] || fail "orv --version: $(orv --version)"

# The menu entry as the desktop starts it: through GIO, which reads its Exec line.
cat >"$work/menu.sh" <<'EOF'
export XDG_CONFIG_HOME=$1/config XDG_RUNTIME_DIR=$1/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
gio launch "/usr/share/applications/$2.desktop" &
for _ in $(seq 150); do
  window=$(xwininfo -root -tree | grep -F "\"$3\": (" | awk '{print $1; exit}')
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "${window:-}" ] || exit 1
xprop -id "$window" -notype WM_NAME WM_CLASS
kill "$(xprop -id "$window" _NET_WM_PID | awk '{print $3}')"
EOF
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
  bash "$work/menu.sh" "$work" "$id" "Orvandel $version" >"$work/menu" 2>&1 || true
if grep -qx "WM_NAME = \"Orvandel $version\"" "$work/menu"; then
  pass "the menu entry opens the window: $(tr '\n' ' ' <"$work/menu")"
else fail "no window from the menu entry: $(cat "$work/menu")"; fi

cat >"$work/days.c" <<'EOF'
#include <mibrexw/mibrexw.h>
#include <stdio.h>
/* JDN 2451545 is 2000-01-01, a Saturday: 6 */
int main(void) { return printf("%d\n", euro_day_of_week(2451545)) < 0; }
EOF
# shellcheck disable=SC2046
if cc -o "$work/days" "$work/days.c" $(pkg-config --cflags --libs mibrexw) &&
  [ "$("$work/days")" = 6 ]; then
  pass "a C program links libmibrexw through pkg-config ($(pkg-config --libs mibrexw))"
else fail "a C program against the installed libmibrexw"; fi

echo "== Purged"
purge_new || { fail "apt purge"; cat "$work/purge.log" >&2; }
left=0
named_files | diff "$work/named-before" - || { fail "files named after the packages left (above)"; left=1; }
still=$(installed_packages | comm -12 "$work/new" -)
[ -z "$still" ] || fail "installed still: $still"
while read -r file; do
  if [ -e "$file" ] || [ -L "$file" ]; then fail "left after purge: $file"; left=1; fi
done < <(sort -u "$work/installed-files"; printf '/usr/share/doc/%s\n' "${packages[@]}")
for package in "${packages[@]}"; do
  ! dpkg-query -W "$package" >/dev/null 2>&1 || fail "dpkg still knows $package"
done
[ "$left" -eq 0 ] && [ -z "$still" ] &&
  pass "purge left none of $(sort -u "$work/installed-files" | wc -l) files and none of the packages"

if [ "$failures" -ne 0 ]; then
  echo "Debian package check: $failures failure(s)" >&2
  exit 1
fi
echo "Debian package check: all passed"
