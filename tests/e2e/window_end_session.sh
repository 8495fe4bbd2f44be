#!/usr/bin/env bash
# How the window program ends besides ESC, with a GIF being recorded ('g', then space):
# the close button (WM_DELETE_WINDOW) and the window destroyed by another program end it
# as ESC does (the GIF written, status 0); SIGTERM, SIGINT, SIGHUP and SIGQUIT write the
# GIF and end it by the signal. No temporary file is left behind, and neither is one by
# the exporter killed while it draws a GIF.
# Usage: window_end_session.sh AGVSIM AGVSIM_EXPORT CLOSE_WINDOW
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/window_start.sh"
exe=$(realpath "$1")
exporter=$(realpath "$2")
close_window=$(realpath "$3")
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: the session needs an X server"; exit 1; }

window_scratch
fail() { echo "FAIL: $*"; cat "$work"/*/log 2>/dev/null || true; exit 1; }

# record_then END EXPECTED_STATUS: a window with a recording that END ends.
record_then() {
  local end=$1 expected=$2 dir="$work/$1" status=0
  mkdir "$dir"
  start_window "$dir" "$dir/log" "$exe" --path 1
  [ -n "$wid" ] || fail "$end: no window of pid $pid"
  xdotool windowfocus --sync "$wid"
  xdotool key g
  sleep 0.3
  xdotool key space
  sleep 0.7
  case $end in
    close) "$close_window" "$wid" ;;
    destroy) xdotool windowclose "$wid" ;;
    *) kill -s "$end" "$pid" ;;
  esac
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && fail "$end: the program still runs"
  wait "$pid" || status=$?
  pid=
  [ "$status" = "$expected" ] || fail "$end: exit status $status, not $expected"
  grep -q "saved the GIF: agvsim-1-0-t1-0.gif" "$dir/log" || fail "$end: no GIF saved"
  [ "$(head -c 6 "$dir/agvsim-1-0-t1-0.gif")" = GIF89a ] || fail "$end: no GIF in the file"
  [ -z "$(find "$dir" -name '*.tmp*')" ] || fail "$end: a temporary file is left"
  grep -q "X Error" "$dir/log" && fail "$end: an X error"
  echo "$end: status $status, GIF written"
}

record_then close 0
record_then destroy 0
record_then TERM 143
record_then INT 130
record_then HUP 129
record_then QUIT 131

# The exporter killed while it draws: its files are gone.
mkdir "$work/export"
(cd "$work/export" && exec "$exporter" --path 11 --type all --gif keep.gif 2>"$work/export/log") &
pid=$!
for _ in $(seq 100); do [ -n "$(find "$work/export" -name 'keep.gif.tmp*')" ] && break; sleep 0.05; done
[ -n "$(find "$work/export" -name 'keep.gif.tmp*')" ] || fail "exporter: no temporary file made"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 143 ] || fail "exporter: exit status $status after SIGTERM"
[ -z "$(ls -A "$work/export" | grep -v '^log$')" ] || fail "exporter: left $(ls "$work/export")"
echo "window end session passed"
