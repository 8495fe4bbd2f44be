#!/usr/bin/env bash
# Makes the README's pictures with agvsim-export --png / --gif, so that they can be made
# again after any change of the drawing:
#   docs/screenshot.png  the top view: the cosine (I=1) with rear wheel radius errors of
#                        3 % and -2 %, type 2DW1C at the end of the motion
#   docs/demo.gif        a lecture's demo: the same scenario, the three types one after
#                        the other, in real time
#   docs/projector-ja.png, docs/projector-en.png
#                        the projector style at 1920x1080 in Japanese and English: the
#                        ellipse (I=11) with the same error, type 2DW1C at step 300
#   docs/compare-ja.png, docs/compare-en.png
#                        the three types side by side (--view compare): the ellipse with a
#                        steering drift of 1 degree, step 200, in Japanese and English
# and the desktop icon, data/icons/agvsim.png (256x256) and agvsim-<N>.png: the square of
# the top view around the CP path and the vehicles of the screenshot without its status
# line, scaled to the sizes installed under share/icons/hicolor. Needs no display (the
# exporter draws without one). Commit what it writes.
#
# Usage: scripts/make-pictures.sh [--exe AGVSIM_EXPORT]
#   --exe FILE  the exporter to run (default build/default/src/agvsim-export, built first
#               when it is missing)
set -euo pipefail
cd "$(dirname "$0")/.."

die() {
  echo "make-pictures: $*" >&2
  exit 1
}

exe=
if (($#)); then
  [ "$1" = --exe ] && (($# == 2)) || die "usage: scripts/make-pictures.sh [--exe AGVSIM_EXPORT]"
  exe=$2
fi
. scripts/picture-tools.sh
[ -n "$exe" ] || exe=$(agv_default_exporter)
[ -x "$exe" ] || die "no exporter at $exe"

scenario=(--error 1 3 -2)
"$exe" "${scenario[@]}" --type 1 --step end --png docs/screenshot.png
echo "wrote docs/screenshot.png"
"$exe" "${scenario[@]}" --type all --size 640x640 --gif docs/demo.gif
echo "wrote docs/demo.gif ($(wc -c <docs/demo.gif) bytes)"
for lang in ja en; do
  "$exe" --path 11 "${scenario[@]}" --type 1 --step 300 --size 1920x1080 --style projector \
    --lang "$lang" --png "docs/projector-$lang.png"
  "$exe" --path 11 --error 3 1 --view compare --step 200 --lang "$lang" \
    --png "docs/compare-$lang.png"
  echo "wrote docs/projector-$lang.png and docs/compare-$lang.png"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$exe" "${scenario[@]}" --type 1 --step end --status off --png "$work/top.png"
mkdir -p data/icons
# -strip and a fixed PNG date keep the files the same from run to run.
icon() { convert "$work/top.png" -crop 300x300+242+290 +repage -filter Lanczos -resize "$1x$1" \
         -strip -define png:exclude-chunks=date,time "$2"; }
icon 256 data/icons/agvsim.png
for n in 128 64 48; do icon "$n" "data/icons/agvsim-$n.png"; done
echo "wrote data/icons/agvsim.png (256) and agvsim-128, -64, -48"
