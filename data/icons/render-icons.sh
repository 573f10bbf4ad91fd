#!/usr/bin/env bash
# Renders the icon's PNGs at the usual hicolor sizes from org.orvandel.Orvandel.svg. The PNGs
# are kept in the repository, so building needs no SVG renderer; run this after editing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null 2>&1 || {
  source ../../scripts/setup.sh
  orv_install_packages librsvg2-bin
}
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" org.orvandel.Orvandel.svg \
    -o "hicolor/${size}x${size}/apps/org.orvandel.Orvandel.png"
done
