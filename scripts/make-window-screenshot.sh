#!/usr/bin/env bash
# Makes docs/window-status.png, the README's picture of the window with its status line:
# the real program of the default build on a virtual X display (Xvfb) of its own, the
# ellipse A = 3 with a 3 % radius error of the left rear wheel, fitted with 'f' and
# stepped to the middle of the motion. Needs Xvfb, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=build/default/src/agvsim
[ -x "$exe" ] || { echo "build agvsim first (cmake --build --preset default)" >&2; exit 1; }
work=$(mktemp -d)
xvfb_pid= pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

"$exe" --path 11 --const ellipse_A=3 --error 1 3 0 </dev/null >/dev/null 2>&1 &
pid=$!
wid=
for _ in $(seq 100); do
  wid=$(xdotool search --pid "$pid" 2>/dev/null | head -n 1) || true
  [ -n "$wid" ] && break
  sleep 0.2
done
[ -n "$wid" ] || { echo "no window" >&2; exit 1; }
xdotool windowmove --sync "$wid" 0 0
sleep 0.3
xdotool key --window "$wid" f
for _ in $(seq 100); do xdotool key --window "$wid" s; done  # record 300 of 669
sleep 0.5
import -window "$wid" -strip -define png:exclude-chunks=date,time docs/window-status.png
echo "wrote docs/window-status.png"
