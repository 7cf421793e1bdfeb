#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Redraws the answer pictures and the icon bitmaps in this folder with ImageMagick.
# The results are committed; the build only copies them. Run after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"

# Everything is drawn four times too large and box-filtered down, which gives
# clean anti-aliased edges without the dark halo a sharper filter leaves.
jpeg() { convert - -filter Box -resize 105x105 -sampling-factor 1x1 -quality 92 -strip "$1"; }

# blank.jpg: flat light grey, shown while a question waits for its answer.
convert -size 105x105 xc:"#d8d8d8" -type TrueColor -sampling-factor 1x1 -quality 92 -strip blank.jpg

# right.jpg: a green tick on a pale green disc.
convert -size 420x420 xc:white \
    -fill '#e2f4e2' -stroke '#b9e0b9' -strokewidth 6 -draw 'circle 210,210 210,34' \
    -fill none -stroke '#2e9b3a' -strokewidth 50 -draw 'stroke-linecap round stroke-linejoin round polyline 112,222 182,290 310,134' \
    png:- | jpeg right.jpg

# wrong.jpg: a red cross on a pale red disc.
convert -size 420x420 xc:white \
    -fill '#fbe2e2' -stroke '#f0bcbc' -strokewidth 6 -draw 'circle 210,210 210,34' \
    -fill none -stroke '#d32f2f' -strokewidth 50 -draw 'stroke-linecap round line 138,138 282,282' \
    -draw 'stroke-linecap round line 282,138 138,282' \
    png:- | jpeg wrong.jpg

# Icon bitmaps from the drawings in icons/, 16 colours each as the window icons need.
icon() { # drawing, viewBox size, pixel size, output
    convert -background none -density $((96 * 4 * $3 / $2)) "icons/$1" -filter Box -resize "$3x$3" \
        +dither -colors 16 -strip "icons/$4"
}
for size in 16 32; do
    icon tallyfox.svg 64 "$size" "tallyfox-$size.png"
    icon information.svg 32 "$size" "information-$size.png"
done
