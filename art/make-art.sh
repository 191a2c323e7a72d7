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

# The tray menu's 22 images: a rounded tile in its own colour with a white sign, at 16 and 32
# pixels. The number in the file name is the image's number in the menu captions ("{img:I7}").
mkdir -p menu
menu_image() {  # number colour sign
  convert -size 64x64 xc:none -fill "$2" -stroke '#00000060' -strokewidth 3 \
    -draw 'roundrectangle 3,3 60,60 12,12' \
    -fill white -stroke none -font DejaVu-Sans-Bold -pointsize 40 -gravity center -annotate +0+1 "$3" \
    "$tmp/menu-$1.png"
  convert "$tmp/menu-$1.png" -resize 16x16 "$tmp/menu-$1-16.png"
  convert "$tmp/menu-$1.png" -resize 32x32 "$tmp/menu-$1-32.png"
  convert "$tmp/menu-$1-16.png" "$tmp/menu-$1-32.png" "menu/menu-$(printf %02d "$1").ico"
}
menu_image 1 '#2f6fd0' 'i'    # about
menu_image 2 '#198a8a' '?'    # help
menu_image 3 '#c03030' 'P'    # power off
menu_image 4 '#707070' '×'    # close the menu
menu_image 5 '#e08a10' '!'    # force
menu_image 6 '#b02020' 'S'    # shut down
menu_image 7 '#7a3fb0' 'Z'    # suspend, start with Windows
menu_image 8 '#3a3fa0' 'H'    # hibernate
menu_image 9 '#50607a' 'O'    # options, hide the icon
menu_image 10 '#2f8a3a' 'L'   # log off
menu_image 11 '#909090' '·'   # spare
menu_image 12 '#2f9a3a' '+'   # force on
menu_image 13 '#c03030' '−'   # force off
menu_image 14 '#2060c0' 'R'   # reboot
menu_image 15 '#8a6a20' 'T'   # tasks
menu_image 16 '#20808a' '→'   # shortcuts
menu_image 17 '#c04080' 'C'   # colours
menu_image 18 '#606020' 'K'   # hot keys
menu_image 19 '#404040' 'A'   # text options
menu_image 20 '#801818' 'X'   # exit
menu_image 21 '#909090' '·'   # spare
menu_image 22 '#1a7ad0' 'U'   # update
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
# The task-run chooser's own help picture: a white question mark on a blue disc.
disc_with_letter "$tmp/chooser-help.png" '#1f5fbf' '#0b2f6f' white '?'
ico chooser-help "$tmp/chooser-help.png"

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

# The countdown's pyramid (its picture and its window icon): a downward-pointing pyramid seen
# from a little above, its square base a lit rhombus and its two visible faces in shade.
convert -size 256x256 xc:none -stroke '#4a3500' -strokewidth 6 \
  -fill '#d9a400' -draw 'polygon 16,64 128,100 128,244' \
  -fill '#8a6400' -draw 'polygon 240,64 128,100 128,244' \
  -fill '#ffe680' -draw 'polygon 16,64 128,28 240,64 128,100' \
  "$tmp/pyramid.png"
ico pyramid "$tmp/pyramid.png"

# The cancel notice's background (820 by 615 pixels; the notice shows its top-left part): a dark
# blue sky of stormy cloud, darker towards the bottom, with a lightning bolt on each side of the
# text. The fixed seed draws the same clouds at every run.
left_bolt='polygon 30,0 10,80 24,80 6,170 42,60 28,60 40,0'
right_bolt='polygon 392,0 372,70 386,70 368,150 404,55 390,55 402,0'
convert -size 820x615 -seed 21 plasma:fractal -blur 0x10 -colorspace Gray -auto-level -colorspace sRGB \
  +level-colors '#070a16','#56647e' \
  \( -size 820x615 gradient:'#00000000'-'#000000b0' \) -composite \
  \( -size 820x615 xc:none -fill '#7fa8ff' -stroke '#7fa8ff' -strokewidth 8 \
     -draw "$left_bolt" -draw "$right_bolt" -blur 0x6 \) -composite \
  -fill white -stroke none -draw "$left_bolt" -draw "$right_bolt" \
  -colors 256 -type Palette -compress None BMP3:cancel-storm.bmp

# Ambrelo's about box: Picture1's banner (90 by 286 pixels), nested frames growing from a corner
# as a form grows, over a deep blue wash.
convert -size 90x286 gradient:'#0b2f6f'-'#3f7fdf' \
  -fill none -strokewidth 2 \
  -stroke '#ffffff40' -draw 'rectangle 14,196 34,216' \
  -stroke '#ffffff70' -draw 'rectangle 14,166 50,216' \
  -stroke '#ffffffa0' -draw 'rectangle 14,128 66,216' \
  -stroke '#ffffffe0' -draw 'rectangle 14,84 78,216' \
  -fill white -stroke none -font DejaVu-Sans-Bold -pointsize 22 -gravity north -annotate +0+24 'A' \
  -type TrueColor BMP3:ambrelo-about.bmp
