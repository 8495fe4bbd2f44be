#!/usr/bin/env bash
# Both programs started with standard output closed. agvsim: the window's X connection
# must not take descriptor 1, or the dialogue after 'e' writes into it and the window hangs;
# after 'e' and a second dialogue, ESC still ends the program with status 0. The exporter
# says that standard output is closed and exits 1.
# Usage: closed_stdout_session.sh AGVSIM AGVSIM_EXPORT
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/window_start.sh"
exe=$(realpath "$1")
exporter=$(realpath "$2")
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: the session needs an X server"; exit 1; }

window_scratch
fail() { echo "FAIL: $*"; cat "$work/err" 2>/dev/null || true; exit 1; }

status=0
"$exporter" >&- 2>"$work/err" || status=$?
[ "$status" = 1 ] || fail "exporter: status $status with standard output closed"
grep -q "standard output is closed" "$work/err" || fail "exporter: no word of the closed output"

mkfifo "$work/in"
(cd "$work" && exec setsid "$exe" <"$work/in" >&- 2>"$work/err") &
pid=$!
exec 3>"$work/in"
printf '0n\nk' >&3
wait_for_window || true
[ -n "$wid" ] || fail "no window of pid $pid"
xdotool windowfocus --sync "$wid"
sleep 0.3
xdotool key e
sleep 0.5
printf '0n\nk' >&3  # the second dialogue, written nowhere
sleep 1
xdotool key Escape 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "the window does not take ESC after the dialogue"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "exit status $status after ESC"
echo "closed standard output session passed"
