#!/usr/bin/env bash
# What the Orca screen reader says while the window is driven from the keyboard
# (tests/ui/orca-check.py): inside a virtual X server and a private D-Bus session, with the
# accessibility bus, a window manager, speech-dispatcher's dummy output and Orca's debug log.
# Bounded in time; every process it starts ends with it.
#
#   tests/ui/orca-check.sh [PROGRAM] [--transcript FILE]    default build/ci/src/orvandel
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh
orv_install_packages xvfb xauth dbus dbus-x11 at-spi2-core python3-pyatspi xdotool openbox \
  orca speech-dispatcher

program="$(realpath "${1:-build/ci/src/orvandel}")"
[ -x "$program" ] || { echo "orca-check: no program at $program" >&2; exit 1; }
shift || true

timeout --kill-after=10 400 \
  xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session -- /usr/bin/python3 tests/ui/orca-check.py "$program" "$@"
