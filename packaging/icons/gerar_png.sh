#!/usr/bin/env bash
# Renders the PNG sizes of the icon from usina.svg. Run it by hand after
# changing the drawing (needs rsvg-convert, Debian package librsvg2-bin) and
# commit the PNGs: the build and the install only copy them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for n in 16 32 48 64 128 256; do
  rsvg-convert -w "$n" -h "$n" usina.svg -o "usina-$n.png"
done
