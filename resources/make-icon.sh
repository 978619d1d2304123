#!/usr/bin/env bash
# Redraws k60gen.ico (a handheld terminal: body, LCD, keypad) with ImageMagick.
# The .ico is kept in the repository so that building needs no image tools; run this
# only to change the picture.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 32 x 32
convert -size 32x32 xc:none \
  -fill '#2f3b4c' -draw 'roundrectangle 7,0 24,31 3,3' \
  -fill '#a8d08d' -draw 'rectangle 10,3 21,12' \
  -fill '#1e2a1a' -draw 'rectangle 11,5 17,5' -draw 'rectangle 11,8 19,8' \
  -fill '#d9dde3' \
  -draw 'rectangle 10,16 12,17' -draw 'rectangle 15,16 17,17' -draw 'rectangle 19,16 21,17' \
  -draw 'rectangle 10,20 12,21' -draw 'rectangle 15,20 17,21' -draw 'rectangle 19,20 21,21' \
  -draw 'rectangle 10,24 12,25' -draw 'rectangle 15,24 17,25' -draw 'rectangle 19,24 21,25' \
  -fill '#e05a47' -draw 'rectangle 15,28 17,29' \
  -strip "$tmp/32.png"

# 16 x 16
convert -size 16x16 xc:none \
  -fill '#2f3b4c' -draw 'roundrectangle 3,0 12,15 2,2' \
  -fill '#a8d08d' -draw 'rectangle 5,2 10,6' \
  -fill '#d9dde3' \
  -draw 'point 5,9' -draw 'point 7,9' -draw 'point 9,9' \
  -draw 'point 5,11' -draw 'point 7,11' -draw 'point 9,11' \
  -fill '#e05a47' -draw 'point 7,13' \
  -strip "$tmp/16.png"

convert "$tmp/32.png" "$tmp/16.png" -strip k60gen.ico
