#!/usr/bin/env bash
# Renders the scalable icon at the theme's fixed sizes (run by hand after
# changing the SVG; needs librsvg2-bin). The PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" org.kelbar.Vornel.svg -o "hicolor/${size}x${size}/apps/org.kelbar.Vornel.png"
done
