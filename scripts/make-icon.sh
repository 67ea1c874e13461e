#!/usr/bin/env bash
# Draws the program icon: a desk calendar page with a red header and ruled lines.
# Usage: make-icon.sh OUTPUT.ico
set -euo pipefail
out="$1"
tmp=$(mktemp -d)
for size in 16 32 48; do
  s=$((size - 1)); h=$((size / 4)); step=$((size / 6 > 1 ? size / 6 : 2))
  lines=""
  for ((y = h + step; y < s - 1; y += step)); do lines+=" line $((size / 6)),$y $((s - size / 6)),$y"; done
  convert -size ${size}x${size} xc:none \
    -fill '#fffbe0' -stroke '#1a3a6b' -draw "rectangle 0,1 $s,$s" \
    -fill '#c0302a' -stroke '#1a3a6b' -draw "rectangle 0,1 $s,$h" \
    -stroke '#0000a0' -draw "$lines" \
    "PNG32:$tmp/$size.png"
done
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$out"
rm -rf "$tmp"
