#!/usr/bin/env bash
# Draws the application's icon: a parallel-port plug whose eight data pins are lamps,
# two of them lit. Writes icons/voltarix-SIZE.png for the usual sizes. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
big=$(mktemp --suffix=.png)
trap 'rm -f "$big"' EXIT

pins=()
for i in 0 1 2 3 4 5 6 7; do
    x=$((88 + i * 48))
    if [ "$i" -eq 0 ] || [ "$i" -eq 7 ]; then colour='#ffd23a'; else colour='#3a3f3a'; fi
    pins+=(-fill "$colour" -stroke '#101410' -strokewidth 4 -draw "circle $x,236 $((x + 20)),236")
done

convert -size 512x512 xc:none \
    -fill '#c0dcc0' -stroke '#2e4a2e' -strokewidth 14 -draw 'roundrectangle 24,24 488,488 72,72' \
    -fill '#4b5563' -stroke '#1f2937' -strokewidth 10 -draw 'polygon 56,168 456,168 412,312 100,312' \
    "${pins[@]}" \
    -fill '#1f2937' -stroke none -draw 'rectangle 226,312 286,482' \
    "$big"
for size in 16 32 48 64 128 256; do
    convert "$big" -resize "${size}x${size}" "icons/voltarix-$size.png"
done
