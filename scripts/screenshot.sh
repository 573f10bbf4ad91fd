#!/usr/bin/env bash
# Builds Orvandel (Release) and regenerates docs/screenshot.png: the main window on a
# virtual display, in English with the default settings, the user's own settings untouched.
#
#   scripts/screenshot.sh                 docs/screenshot.png
#   scripts/screenshot.sh FILE [LANGUAGE] another file, in language 0 English, 1 German,
#                                         2 French, 3 Portuguese or 4 Spanish (to check
#                                         that every text fits)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
orv_install_dependencies

out="${1:-docs/screenshot.png}"
language="${2:-0}"

cmake --preset release >/dev/null
cmake --build --preset release --target orvandel

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/orvandel"
printf '%s\r\n2,45,44\r\n0,0,0\r\n' "$language" >"$config/orvandel/orv5.usr"

mkdir -p "$(dirname "$out")"
XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1024x768x24" \
  ./build/release/src/orvandel --screenshot "$out"
echo "Wrote $out"
