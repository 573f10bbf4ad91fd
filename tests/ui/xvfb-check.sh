#!/usr/bin/env bash
# The window on a real X server (Xvfb) with a private D-Bus session and the AT-SPI bus:
# the captions X11 shows, the names and texts a screen reader reads, and the result of
# Compute reaching the accessibility bus (tests/ui/xvfb-check.py). Bounded in time; every
# process it starts ends with it.
#
#   tests/ui/xvfb-check.sh [PROGRAM]    default build/ci/src/orvandel
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh
# The virtual display, the accessibility bus and its Python client, and the X tools that
# read captions and type keys.
orv_install_packages xvfb xauth dbus at-spi2-core python3-gi gir1.2-atspi-2.0 \
  python3-pyatspi x11-utils xdotool

program="$(realpath "${1:-build/ci/src/orvandel}")"
[ -x "$program" ] || { echo "xvfb-check: no program at $program" >&2; exit 1; }

# dbus-run-session ends the session bus (and the accessibility bus it started) when the
# check ends; xvfb-run ends the X server.
timeout --kill-after=10 300 \
  xvfb-run -a -s "-screen 0 1024x768x24" \
  dbus-run-session -- /usr/bin/python3 tests/ui/xvfb-check.py "$program"
