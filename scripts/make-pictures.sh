#!/usr/bin/env bash
# Makes the README's pictures with agvsim-export --png / --gif, so that they can be made
# again after any change of the drawing:
#   docs/screenshot.png  the top view: the cosine (I=1) with rear wheel radius errors of
#                        3 % and -2 %, type 2DW1C at the end of the motion
#   docs/demo.gif        a lecture's demo: the same scenario, the three types one after
#                        the other, in real time
# and the desktop icon from the top view (scripts/make-icon.sh). Runs under a virtual X
# display of its own (Xvfb) when DISPLAY is not set. Commit what it writes.
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
if [ -z "$exe" ]; then
  exe=build/default/src/agvsim-export
  if [ ! -x "$exe" ]; then
    [ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
    cmake --build --preset default --target agvsim-export -j2 >/dev/null
  fi
fi
[ -x "$exe" ] || die "no exporter at $exe"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  if ! command -v Xvfb >/dev/null 2>&1; then
    . scripts/ensure-packages.sh
    agv_ensure_packages docs || die "the pictures need a display or Xvfb"
  fi
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || die "Xvfb did not start"
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
fi

scenario=(--error 1 3 -2)
"$exe" "${scenario[@]}" --type 1 --step end --png docs/screenshot.png
echo "wrote docs/screenshot.png"
"$exe" "${scenario[@]}" --type all --size 640x640 --gif docs/demo.gif
echo "wrote docs/demo.gif ($(wc -c <docs/demo.gif) bytes)"
scripts/make-icon.sh "$exe"
