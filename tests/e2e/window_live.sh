#!/usr/bin/env bash
# The real agvsim under X with a scenario on the command line: the arrow keys change the
# error in the window, without the console. Up changes the picture; Down gives back the
# first picture, pixel for pixel; Shift+Up changes the value by ten steps; 'r' and 'R' go
# to the next path and back, 'b' hides the ghost of the setting before.
# Usage: window_live.sh AGVSIM ARTIFACT_DIR
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/window_start.sh"
exe=$(realpath "$1")
artifacts=$2
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: the window test needs an X server"; exit 1; }
mkdir -p "$artifacts"

window_scratch
fail() { echo "FAIL: $*"; echo "--- program output:"; tail -c 2000 "$work/out" || true; exit 1; }
keys() { xdotool key --window "$wid" --delay 15 "$@"; sleep 0.3; }
# shot NAME: the window as RGB in $work/NAME.rgb, taken again until two takes agree.
shot() {
  local take previous=
  for _ in $(seq 50); do
    import -window "$wid" "$artifacts/$1.png"
    take=$(identify -format '%#' "$artifacts/$1.png")
    [ "$take" = "$previous" ] && break
    previous=$take
    sleep 0.1
  done
  convert "$artifacts/$1.png" -depth 8 "rgb:$work/$1.rgb"
}
same() { cmp -s "$work/$1.rgb" "$work/$2.rgb"; }
# after NAME PREVIOUS differs: the picture once it differs from the one before the key, or
# false after 5 s (a busy machine may answer a key late).
after() {
  for _ in $(seq 25); do
    shot "$1"
    same "$1" "$2" || return 0
    sleep 0.2
  done
  return 1
}

start_window "$work" "$work/out" "$exe" --path 11 --error 1 3 -2
[ -n "$wid" ] || fail "no window"
xdotool windowmove --sync "$wid" 0 0
shot first
keys Up
after up first differs || fail "Up left the picture as it was"
keys Down
after down up differs || fail "Down left the picture as it was"
same down first || fail "Down did not give back the first picture"
keys shift+Up
after coarse down differs || fail "Shift+Up left the picture as it was"
same coarse up && fail "Shift+Up changed the value as Up does"
# The next path and back: the same setting, the same picture but for the ghost of the
# other path's motion, which starts elsewhere; 'b' hides it.
keys r
after next_path coarse differs || fail "'r' did not change the path"
keys R
after path_back next_path differs || fail "'R' did not change the path"
same path_back coarse && fail "no ghost of the other path"
keys b
after without_ghost path_back differs || fail "'b' did not hide the ghost"
same without_ghost coarse || fail "'R' did not give back the path and its picture"
grep -q 'Error Number=' "$work/out" && fail "the console dialogue ran"
xdotool key --window "$wid" Escape
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "ESC did not end the program"
wait "$pid" || fail "exit status $? after ESC"
pid=
echo "Up, Down, Shift+Up, r and R as expected"
