#!/usr/bin/env bash
# Renders the application icon's PNG sizes from data/icons/volantis4.svg (needs rsvg-convert from
# librsvg2-bin). The PNGs are committed; run this again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/volantis4.png" volantis4.svg
done
