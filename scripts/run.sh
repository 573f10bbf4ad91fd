#!/usr/bin/env bash
# Builds Orvandel and its command line orv (Release) and starts the window. Installs only what
# building and running them needs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
orv_install_build_dependencies

cmake --preset release >/dev/null
cmake --build --preset release --target orvandel orv

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display is available: run Orvandel on a desktop, or under a virtual one with: xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec ./build/release/src/orvandel "$@"
