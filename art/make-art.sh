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

# ico NAME PNG: a 16, 32 and 48 pixel icon from one large drawing.
ico() {
  local name=$1 big=$2
  for size in 16 32 48; do
    convert "$big" -resize ${size}x${size} "$tmp/$name-$size.png"
  done
  convert "$tmp/$name-16.png" "$tmp/$name-32.png" "$tmp/$name-48.png" "$name.ico"
}

# The help pictures: a question mark on a yellow disc, and its brighter hover twin.
disc_with_letter() {  # disc_with_letter OUT FILL STROKE INK LETTER
  convert -size 256x256 xc:none -fill "$2" -stroke "$3" -strokewidth 8 -draw 'circle 128,128 128,8' \
    -fill "$4" -stroke none -font Helvetica-Bold -pointsize 190 -gravity center -annotate +0+8 "$5" "$1"
}
disc_with_letter "$tmp/help.png" '#f2c200' '#8a6d00' '#1f3f8f' '?'
ico help "$tmp/help.png"
disc_with_letter "$tmp/help-hover.png" '#ffe45c' '#1f5fbf' '#bf1f1f' '?'
ico help-hover "$tmp/help-hover.png"

# The four other products the about box links to, each a letter on a disc of its own colour.
disc_with_letter "$tmp/p.png" '#3f9f4f' '#1f5f2f' white 'P'
ico product-pellor "$tmp/p.png"
disc_with_letter "$tmp/q.png" '#9f3fbf' '#5f1f7f' white 'Q'
ico product-quillet "$tmp/q.png"
disc_with_letter "$tmp/v.png" '#df7f1f' '#8f4f0f' white 'V'
ico product-varrow "$tmp/v.png"
disc_with_letter "$tmp/s.png" '#1f9fbf' '#0f5f7f' white 'S'
ico product-sendle "$tmp/s.png"

# The about box's background (its client area, 495 by 334 pixels): a pale blue wash, light
# enough for black text and red links.
convert -size 495x334 gradient:'#d9e6f7'-'#ffffff' -type TrueColor BMP3:about.bmp
