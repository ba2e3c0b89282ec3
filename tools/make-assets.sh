#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick into assets/: the seven menu pictures (32 × 32,
# colour depths as the menus need them) and the picture of the authors window.  The icon is drawn
# as SVG and rendered by tools/make-icons.sh.
# The results are committed; run this only to change a picture.
set -euo pipefail
cd "$(dirname "$0")/../assets"

bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf


# An open book: two pages with lines of text on a brown cover.
convert -size 32x32 xc:white -fill '#8b4513' -draw 'polygon 1,8 16,11 31,8 31,27 16,30 1,27' \
    -fill '#fffdf0' -stroke '#555555' -draw 'polygon 3,7 15,10 15,27 3,24' \
    -draw 'polygon 17,10 29,7 29,24 17,27' -stroke '#3060c0' \
    -draw 'line 5,11 13,13' -draw 'line 5,14 13,16' -draw 'line 5,17 13,19' \
    -draw 'line 19,13 27,11' -draw 'line 19,16 27,14' -draw 'line 19,19 27,17' \
    -type TrueColor BMP3:menu-reference.bmp

# A red power symbol.
convert -size 32x32 xc:white -fill none -stroke '#d01010' -strokewidth 3 \
    -draw 'arc 5,6 27,28 -50,230' -draw 'line 16,3 16,15' -type TrueColor BMP3:menu-exit.bmp

# A small portrait: head and shoulders in a frame.
convert -size 32x32 xc:'#c8d8f0' -fill '#2c3e70' -draw 'ellipse 16,31 12,9 180,360' \
    -fill '#f0c8a0' -draw 'circle 16,13 16,6' -fill '#5a3a1a' -draw 'ellipse 16,9 7,4 180,360' \
    -fill none -stroke '#806020' -strokewidth 2 -draw 'rectangle 1,1 30,30' \
    -type TrueColor BMP3:menu-authors.bmp

# 1 bit per pixel: a small ruled table.
convert -size 32x32 xc:white -fill none -stroke black \
    -draw 'rectangle 3,5 28,26' -draw 'line 3,10 28,10' -draw 'line 3,15 28,15' \
    -draw 'line 3,21 28,21' -draw 'line 12,5 12,26' -draw 'line 20,5 20,26' \
    -type Bilevel BMP3:menu-reference2.bmp


# A blue question mark.
convert -size 32x32 xc:white -fill '#1040c0' -font "$bold" -pointsize 30 -gravity center \
    -annotate +0+1 '?' +dither -colors 16 -type Palette BMP3:menu-about.bmp

# A gear in a blue circle.
convert -size 32x32 xc:white -fill '#2050d0' -draw 'circle 16,16 16,1' \
    -fill '#e0e0e0' -stroke '#404040' \
    -draw 'polygon 14,5 18,5 18,9 21,10 24,7 27,10 24,13 25,16 28,16 28,18 25,18 24,21 27,24 24,27 21,24 18,25 18,28 14,28 14,25 11,24 8,27 5,24 8,21 7,18 4,18 4,16 7,16 8,13 5,10 8,7 11,10 14,9' \
    -fill '#2050d0' -draw 'circle 16,17 16,13' +dither -colors 16 -type Palette \
    BMP3:menu-controls.bmp

# A blue document with a globe.
convert -size 32x32 xc:white -fill '#dde8ff' -stroke '#1040a0' \
    -draw 'polygon 5,2 21,2 27,8 27,30 5,30' -draw 'line 21,2 21,8' -draw 'line 21,8 27,8' \
    -fill '#3070e0' -stroke '#103080' -draw 'circle 16,19 16,10' -fill none -stroke '#a0d0ff' \
    -draw 'ellipse 16,19 4,9 0,360' -draw 'line 7,19 25,19' -draw 'line 9,14 23,14' \
    -draw 'line 9,24 23,24' +dither -colors 16 -type Palette BMP3:menu-instruction.bmp

# The picture of the authors window, 150 × 180: the apparatus in its vessel of liquid.
convert -size 150x180 gradient:'#f4f7ff'-'#c9d6ee' \
    -fill '#b0b0b8' -stroke '#303040' -strokewidth 2 -draw 'circle 75,32 75,10' \
    -fill '#303040' -draw 'circle 85,32 85,29' -fill none -stroke '#303040' \
    -draw 'line 75,32 85,32' \
    -fill '#9fd0f0' -stroke '#305070' -strokewidth 1 -draw 'rectangle 30,70 120,172' \
    -fill none -stroke '#202020' -strokewidth 2 \
    -draw 'polyline 85,32 85,50 72,56 98,64 72,72 98,80 72,88 98,96 72,104 85,110 85,118' \
    -fill '#d03030' -stroke '#701010' -draw 'circle 85,132 85,116' \
    -quality 90 authors.jpg
