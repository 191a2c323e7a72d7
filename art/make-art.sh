#!/usr/bin/env bash
# Draws the program's art with ImageMagick. The generated files are committed beside this script,
# so a build needs neither this script nor ImageMagick; run it again only to change the art.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The program icon: a white power symbol on a blue disc, drawn large and scaled to each size.
convert -size 256x256 xc:none \
  -fill '#1f5fbf' -stroke '#0b2f6f' -strokewidth 8 -draw 'circle 128,128 128,8' \
  -fill none -stroke white -strokewidth 26 -draw 'stroke-linecap round arc 58,58 198,198 -60,240' \
  -draw 'stroke-linecap round line 128,40 128,122' \
  "$tmp/icon-256.png"
for size in 16 32 48; do
  convert "$tmp/icon-256.png" -resize ${size}x${size} "$tmp/icon-$size.png"
done
convert "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" tarnwick.ico
