#!/usr/bin/env bash
# Renders the program icon's PNG sizes from the SVG (needs rsvg-convert, Debian package librsvg2-bin).
# Run after changing the SVG and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")"
id=io.github.dualexicon.Dualexicon
for size in 16 32 48 64 128 256; do
    mkdir -p "$size"
    rsvg-convert --width "$size" --height "$size" --output "$size/$id.png" "$id.svg"
done
