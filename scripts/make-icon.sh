#!/usr/bin/env bash
# Makes the desktop icon from a frame of the program's own top view: the square of
# docs/screenshot.png around the CP path and the vehicles, scaled to the sizes installed
# under share/icons/hicolor. Writes data/icons/agvsim.png (256x256) and
# data/icons/agvsim-<N>.png for the smaller sizes; commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."
src=docs/screenshot.png
crop=320x320+160+280  # the top view's grid around the curve and the vehicles, in pixels
sizes=(128 64 48)
command -v convert >/dev/null || { echo "make-icon.sh needs ImageMagick (imagemagick)" >&2; exit 1; }
mkdir -p data/icons
# -strip and a fixed PNG date keep the files the same from run to run.
png() { convert "$src" -crop "$crop" +repage -filter Lanczos -resize "$1x$1" -strip \
        -define png:exclude-chunks=date,time "$2"; }
png 256 data/icons/agvsim.png
for n in "${sizes[@]}"; do png "$n" "data/icons/agvsim-$n.png"; done
echo "wrote data/icons/agvsim.png (256) and ${sizes[*]/#/agvsim-}"
