#!/bin/bash
# Draws the saver's icon, a small 24-hour dial with the twelve meridian colours
# round it and the hand at 09:40, into src/host/quellora.ico (16 to 256 pixels).
# The icon is kept in the repository; run this again only to change it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The meridian colours by table index, from the palette (0x00BBGGRR) as RRGGBB.
mapfile -t colours < <(awk '/MeridianColor = / { on = 1; next } on && /}\);/ { exit }
  on { v = substr($1, 5, 6); print substr(v, 5, 2) substr(v, 3, 2) substr(v, 1, 2) }' "$root/src/model/palette.h")
((${#colours[@]} == 12)) || { echo "make-icon.sh: expected 12 meridian colours in palette.h" >&2; exit 1; }
draw=(-fill '#000820' -stroke '#2A4A7A' -strokewidth 6 -draw 'circle 128,128 128,8')
for i in "${!colours[@]}"; do
  # Disc i sits at hour 2i; the dial has 00 h on the left and turns clockwise.
  read -r x y < <(awk -v i="$i" 'BEGIN { a = 3.14159265 + i * 3.14159265 / 6;
    printf "%d %d\n", 128 + 92 * cos(a), 128 + 92 * sin(a) }')
  draw+=(-stroke none -fill "#${colours[$i]}" -draw "circle $x,$y $((x + 17)),$y")
done
draw+=(-stroke '#FFD040' -strokewidth 10 -fill none -draw 'arc 68,68 188,188 200,320')
draw+=(-stroke '#40E0F0' -strokewidth 10 -fill none -draw 'arc 68,68 188,188 20,140')
draw+=(-stroke white -strokewidth 8 -draw 'line 128,128 180,76')
convert -size 256x256 xc:none "${draw[@]}" -depth 8 "$work/256.png"
for size in 48 32 16; do
  convert "$work/256.png" -resize ${size}x${size} "$work/$size.png"
done
# The 256-pixel image is stored as PNG, the small ones as bitmaps.
convert "$work/16.png" "$work/32.png" "$work/48.png" "$work/256.png" \
  -depth 8 "$root/src/host/quellora.ico"
echo "src/host/quellora.ico: $(stat -c %s "$root/src/host/quellora.ico") bytes"
