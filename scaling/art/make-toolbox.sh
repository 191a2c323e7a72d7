#!/usr/bin/env bash
# Draws the control's 16x15 toolbox bitmap (a form with a corner grip and two resize arrows).
# Run it after changing the drawing; the build uses the committed toolbox.bmp.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
convert -size 16x15 xc:'#C0C0C0' \
  -fill white -stroke '#000080' -draw 'rectangle 1,1 14,13' \
  -fill '#000080' -stroke none -draw 'rectangle 2,2 13,4' \
  -stroke '#008000' -draw 'line 4,7 11,7' -draw 'line 4,7 6,5' -draw 'line 4,7 6,9' \
  -draw 'line 11,7 9,5' -draw 'line 11,7 9,9' \
  -stroke '#800000' -draw 'line 12,12 13,11' -draw 'line 10,12 13,9' \
  -type TrueColor BMP3:toolbox.bmp
