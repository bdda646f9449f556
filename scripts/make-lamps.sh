#!/usr/bin/env bash
# Draws the two lamp pictures, 43 x 41 JPEGs: Files/1.jpg (lit) and Files/0.jpg (dark).
# Run from the repository root; needs ImageMagick.
set -euo pipefail
out=${1:-Files}
mkdir -p "$out"

lamp() { # glass colour at the centre, at the rim, file
    convert -size 43x41 xc:'#1e1e1e' \
        \( -size 33x33 radial-gradient:"$1"-"$2" \
           \( -size 33x33 xc:black -fill white -draw 'circle 16,16 16,0.5' \) \
           -alpha off -compose copy_opacity -composite \) \
        -geometry +5+3 -compose over -composite \
        -fill none -stroke '#0a0a0a' -strokewidth 2 -draw 'circle 21.5,19.5 21.5,3.5' \
        -fill '#ffffff' -stroke none -draw 'ellipse 16,13 4,3 0,360' \
        -strip -quality 92 "$3"
}

lamp '#fff9c0' '#e0a000' "$out/1.jpg"
lamp '#6a6a6a' '#2a2a2a' "$out/0.jpg"
