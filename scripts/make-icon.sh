#!/usr/bin/env bash
# Makes the desktop icon from the program's own top view: agvsim-export draws the cosine
# with rear wheel radius errors of 3 % and -2 % (type 2DW1C at the end of its motion,
# without the status line), and the square around the CP path and the vehicles is scaled
# to the sizes installed under share/icons/hicolor. Writes data/icons/agvsim.png (256x256)
# and data/icons/agvsim-<N>.png for the smaller sizes; commit what it writes. Needs an X
# display or, without one, EGL, and ImageMagick.
#
# Usage: scripts/make-icon.sh [AGVSIM_EXPORT]  (default build/default/src/agvsim-export)
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-build/default/src/agvsim-export}
crop=300x300+242+290  # the top view's grid around the curve and the vehicles, in pixels
sizes=(128 64 48)
[ -x "$exe" ] || { echo "make-icon.sh: no exporter at $exe (build it first)" >&2; exit 1; }
command -v convert >/dev/null || { echo "make-icon.sh needs ImageMagick (imagemagick)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$exe" --error 1 3 -2 --type 1 --step end --status off --png "$work/top.png"
mkdir -p data/icons
# -strip and a fixed PNG date keep the files the same from run to run.
png() { convert "$work/top.png" -crop "$crop" +repage -filter Lanczos -resize "$1x$1" -strip \
        -define png:exclude-chunks=date,time "$2"; }
png 256 data/icons/agvsim.png
for n in "${sizes[@]}"; do png "$n" "data/icons/agvsim-$n.png"; done
echo "wrote data/icons/agvsim.png (256) and ${sizes[*]/#/agvsim-}"
