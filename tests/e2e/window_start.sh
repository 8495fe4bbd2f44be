# Sourced by the window test scripts.
#
# Without DISPLAY, the display of the window tests' fixture (tests/x_display.sh), named in
# the file $AGV_X_DISPLAY_FILE.
if [ -z "${DISPLAY:-}" ] && [ -s "${AGV_X_DISPLAY_FILE:-}" ]; then
  DISPLAY=$(head -n 1 "$AGV_X_DISPLAY_FILE")
  export DISPLAY
fi
#
# window_scratch: makes the scratch directory $work and sets pid empty; at exit the program
# $pid is killed when it still runs, descriptor 3 (a program's input where a test holds
# one) is closed and $work removed.
window_scratch() {
  work=$(mktemp -d)
  pid=
  trap window_scratch_end EXIT
}
window_scratch_end() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  exec 3>&- 2>/dev/null || true
  rm -rf "$work"
}

# wait_for_window: waits up to 20 s for a window of the program $pid; sets wid (empty when
# none came or the program ended). The search is asked again each time rather than once
# with --sync: a search whose connection the server drops gives up at once.
wait_for_window() {
  wid=
  for _ in $(seq 200); do
    wid=$(xdotool search --pid "$pid" 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# start_window DIR LOG COMMAND...: starts COMMAND in DIR in a session of its own, without
# input, its output and errors in LOG, and waits up to 20 s for its window; sets pid and
# wid (wid empty when no window came). This X server now and then drops a connection set
# up at the same moment as another (the program's and the search's): a program that could
# not open the display is started again, up to three times.
start_window() {
  local dir=$1 log=$2 attempt
  shift 2
  for attempt in 1 2 3; do
    (cd "$dir" && exec setsid "$@" </dev/null >"$log" 2>&1) &
    pid=$!
    wait_for_window && return 0
    wait "$pid" 2>/dev/null || true
    grep -qE 'failed to open display|cannot open display' "$log" || return 0
  done
}
