#!/usr/bin/env bash
# Renders the program icon assets/hicolor/scalable/apps/trelvix.svg into the PNG sizes that
# desktops look up in the hicolor theme, and into the built-in window icon assets/icon.png
# (32 × 32, 256 colours).  The results are committed, so building needs no SVG renderer; run this
# only after changing the drawing.  Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../assets"

svg=hicolor/scalable/apps/trelvix.svg
for size in 16 22 24 32 48 64 128 256; do
    dir=hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" "$svg" --output "$dir/trelvix.png"
done

# The built-in icon keeps its 256-colour palette; the half-transparent edge pixels are laid on
# the pale grey of a title bar first, since an 8-bit palette holds only full transparency.
convert hicolor/32x32/apps/trelvix.png \( +clone -alpha extract -threshold 50% \) \
    \( -clone 0 -background '#e8e8e8' -flatten \) -delete 0 +swap -compose copy-opacity \
    -composite +dither -colors 255 PNG8:icon.png
