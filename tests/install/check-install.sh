#!/usr/bin/env bash
# Checks Orvandel as a user or packager gets it: the install tree in a DESTDIR holds exactly the
# expected files, the installed program finds its library through its relative RUNPATH with the
# build folder's library moved away, answers --help, --version and a wrong option without a
# display, takes Qt's own options, starts (offscreen, and under Xvfb with its window icon and
# caption), the validators accept its desktop entry and metainfo, and a small C program builds
# against the installed library through pkg-config and through find_package. The Debian
# packages have their own check: tests/install/check-deb.sh.
#
# Usage: tests/install/check-install.sh [BUILD_DIR]
#   BUILD_DIR  an already configured build folder (CI passes build/ci); without it, as in a
#              fresh clone, the release preset is configured and built here.
set -euo pipefail
cd "$(dirname "$0")/../.."
source=$(pwd)
source scripts/setup.sh
orv_install_dependencies
if [ -n "${1:-}" ]; then
  build=$(realpath "$1")
  cmake --build "$build" --target orvandel orv >/dev/null
else
  cmake --preset release >/dev/null
  cmake --build --preset release
  build=$source/build/release
fi
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
version=$(sed -n 's/^set(ORV_VERSION \(.*\))$/\1/p' CMakeLists.txt)
id=org.orvandel.Orvandel

work=$(mktemp -d)
aside=$work/aside
cleanup() {
  # Puts the build folder's library back where the build expects it.
  if [ -d "$aside" ]; then mv "$aside"/libmibrexw.so* "$build/mibrexw/" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

echo "== The release preset configures without the test packages"
if cmake --preset release -B "$work/release" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON \
  >"$work/release.log" 2>&1; then
  pass "release preset without GoogleTest, Google Benchmark and ICU"
else
  fail "the release preset needs a test package:"; tail -20 "$work/release.log" >&2
fi

echo "== Install into a DESTDIR (prefix /usr)"
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
# Every installed file matches one of these, and each of these is installed.
expected=(
  bin/orvandel bin/orv share/man/man1/orv.1 share/bash-completion/completions/orv
  "$libdir/libmibrexw.so" "$libdir/libmibrexw.so.1" "$libdir/libmibrexw.so.1.1.0"
  include/mibrexw/mibrexw.h
  "$libdir/pkgconfig/mibrexw.pc"
  "$libdir/cmake/mibrexw/mibrexwConfig.cmake" "$libdir/cmake/mibrexw/mibrexwConfigVersion.cmake"
  "$libdir/cmake/mibrexw/mibrexwTargets.cmake" "$libdir/cmake/mibrexw/mibrexwTargets-*.cmake"
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/orvandel.1
  share/doc/orvandel/copyright
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
mapfile -t installed < <(cd "$root/usr" && find . -type f -o -type l | sed 's|^\./||' | sort)
for file in "${installed[@]}"; do
  known=""
  for pattern in "${expected[@]}"; do
    # shellcheck disable=SC2053
    [[ $file == $pattern ]] && known=1 && break
  done
  [ -n "$known" ] || fail "installed but not expected: $file"
done
for pattern in "${expected[@]}"; do
  compgen -G "$root/usr/$pattern" >/dev/null || fail "not installed: $pattern"
done
[ "$(readlink "$root/usr/$libdir/libmibrexw.so.1")" = libmibrexw.so.1.1.0 ] ||
  fail "libmibrexw.so.1 is not the soname link to libmibrexw.so.1.1.0"
for size in "${sizes[@]}"; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" |
    grep -q "PNG image data, $size x $size," || fail "the ${size}x${size} icon is not a $size-pixel PNG"
done
echo "${#installed[@]} files installed:"
printf '  /usr/%s\n' "${installed[@]}"

echo "== RUNPATH of the installed programs"
for program in orvandel orv; do
  runpath=$(readelf -d "$root/usr/bin/$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
  if [ "$runpath" = "\$ORIGIN/../$libdir" ]; then pass "$program: RUNPATH $runpath"; else
    fail "$program: RUNPATH is '$runpath', not '\$ORIGIN/../$libdir'"
  fi
done

echo "== The installed program, moved elsewhere, with the build folder's library moved away"
mkdir -p "$aside" "$work/moved"
mv "$build/mibrexw"/libmibrexw.so* "$aside/"
mv "$root/usr" "$work/moved/usr"
orvandel=$work/moved/usr/bin/orvandel
resolved=$(env -u LD_LIBRARY_PATH ldd "$orvandel" | awk '/libmibrexw/ {print $3}')
[ "$(realpath -m "$resolved")" = "$(realpath "$work/moved/usr/$libdir/libmibrexw.so.1")" ] ||
  fail "libmibrexw resolves to '$resolved', not the installed copy"
# --help and --version need no display: with the X11 platform and no DISPLAY, opening a window
# would fail.
run() { # expected-status description command...
  local want=$1 what=$2 status=0
  shift 2
  "$@" >"$work/out" 2>"$work/err" || status=$?
  if [ "$status" -eq "$want" ]; then pass "$what: status $status"; else
    fail "$what: status $status, expected $want"; cat "$work/out" "$work/err" >&2
  fi
}
run 0 "--version without a display" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$orvandel" --version
grep -qx "Orvandel $version" "$work/out" || fail "--version printed '$(cat "$work/out")'"
run 0 "--help without a display" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$orvandel" --help
grep -q -- "--version" "$work/out" || fail "--help does not list --version"
run 2 "--bogus without a display" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$orvandel" --bogus
grep -q "bogus" "$work/err" || fail "--bogus: no message on standard error"
[ ! -s "$work/out" ] || fail "--bogus wrote to standard output"
run 0 "Qt's own options (-platform offscreen wins)" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ORVANDEL_QUIT_WHEN_IDLE=1 \
  timeout 60 "$orvandel" -reverse -style Fusion --platform offscreen
run 0 "installed orv, moved" env -u LD_LIBRARY_PATH "$work/moved/usr/bin/orv" 2000-01-01 --to jdn
grep -qx "2000-01-01 CE = 2,451,545 JDN, Saturday" "$work/out" || fail "orv printed '$(cat "$work/out")'"
run 0 "start offscreen until idle" env QT_QPA_PLATFORM=offscreen ORVANDEL_QUIT_WHEN_IDLE=1 \
  timeout 60 "$orvandel"

echo "== Under Xvfb: caption and window icon"
cat >"$work/x11.sh" <<'EOF'
"$1" &
pid=$!
window=""
for _ in $(seq 100); do
  window=$(xwininfo -root -tree | grep -F "\"$2\": (" | awk '{print $1; exit}')
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "no window captioned $2:"; xwininfo -root -tree | grep '"' | head
else
  xprop -id "$window" -notype WM_NAME WM_CLASS
  xprop -id "$window" -notype _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' '
  echo
fi
kill "$pid"
EOF
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
  bash "$work/x11.sh" "$orvandel" "Orvandel $version" >"$work/x11" 2>&1 || true
cat "$work/x11"
grep -qx "WM_NAME = \"Orvandel $version\"" "$work/x11" || fail "the window caption is not 'Orvandel $version'"
grep -q "Icon (16 x 16)" "$work/x11" || fail "the window has no 16-pixel icon in _NET_WM_ICON"

echo "== Validators"
if desktop-file-validate "$work/moved/usr/share/applications/$id.desktop"; then
  pass "desktop-file-validate"
else fail "desktop-file-validate"; fi
metainfo=$work/moved/usr/share/metainfo/$id.metainfo.xml
if appstreamcli validate --no-net "$metainfo"; then
  pass "appstreamcli validate --no-net"
else fail "appstreamcli validate --no-net"; fi
if grep -E '<(url|image)[^>]*>[^<]*\.example[/<]' "$metainfo"; then
  echo "note: the AppStream addresses above are placeholders of the reserved .example domain;"
  echo "      a release sets them with -DORV_HOMEPAGE_URL=... -DORV_SCREENSHOT_URL=... (README)."
fi
for page in orvandel orv; do
  warnings=$(groff -man -ww -z "$work/moved/usr/share/man/man1/$page.1" 2>&1)
  if [ -z "$warnings" ]; then pass "groff: manual page $page.1 without warnings"; else
    fail "manual page $page.1: $warnings"
  fi
done

echo "== A C program against the installed library"
usr=$work/moved/usr
# The pkg-config file names the prefix /usr; the sysroot puts the moved tree under it.
flags=$(PKG_CONFIG_PATH=$usr/$libdir/pkgconfig PKG_CONFIG_SYSROOT_DIR=$work/moved \
  pkg-config --cflags --libs mibrexw)
# shellcheck disable=SC2086
if cc -o "$work/consumer-pc" tests/install/consumer/consumer.c $flags &&
  LD_LIBRARY_PATH=$usr/$libdir "$work/consumer-pc"; then
  pass "pkg-config: $flags"
else fail "consumer through pkg-config ($flags)"; fi
if cmake -S tests/install/consumer -B "$work/consumer-cmake" -G Ninja \
  -DCMAKE_PREFIX_PATH="$usr" >"$work/consumer.log" 2>&1 &&
  cmake --build "$work/consumer-cmake" >>"$work/consumer.log" 2>&1 &&
  "$work/consumer-cmake/consumer"; then
  pass "find_package(mibrexw 1): $(sed -n 's/^mibrexw_DIR:PATH=//p' "$work/consumer-cmake/CMakeCache.txt")"
else
  fail "consumer through find_package"; cat "$work/consumer.log" >&2
fi
mv "$aside"/libmibrexw.so* "$build/mibrexw/"

if [ "$failures" -ne 0 ]; then
  echo "install check: $failures failure(s)" >&2
  exit 1
fi
echo "install check: all passed"
