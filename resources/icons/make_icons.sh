#!/usr/bin/env bash
# Renders the program's icon (solario.svg, drawn for the project) at the sizes desktops
# ask for. The PNGs are committed; run this again only after changing the drawing
# (needs rsvg-convert from Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" solario.svg -o "solario-$size.png"
done
