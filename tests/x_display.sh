#!/usr/bin/env bash
# The X display of the window tests, as the CTest fixture x_server (tests/CMakeLists.txt):
#   x_display.sh start FILE   writes the display to FILE: DISPLAY when it is set, else a
#                             virtual one (Xvfb) started on a free display number, whose
#                             process id goes to FILE.pid
#   x_display.sh stop FILE    stops the Xvfb that start started, and removes FILE
# The tests that need X take DISPLAY from FILE when it is not set (AGV_X_DISPLAY_FILE):
# tests/gui_support/gui_window.cpp and tests/gui_support/x_program.cpp.
set -euo pipefail
[ $# = 2 ] || { echo "usage: x_display.sh start|stop FILE" >&2; exit 2; }
file=$(realpath -m "$2")
cd "$(dirname "$0")/.."

case $1 in
  start)
    mkdir -p "$(dirname "$file")"
    rm -f "$file" "$file.pid"
    if [ -n "${DISPLAY:-}" ]; then
      echo "the window tests use DISPLAY=$DISPLAY"
    else
      xvfb_pid=
      # shellcheck source=scripts/picture-tools.sh
      . scripts/picture-tools.sh
      agv_virtual_display || { echo "x_display: the virtual display (Xvfb) did not start" >&2; exit 1; }
      echo "$xvfb_pid" >"$file.pid"
      echo "started Xvfb on $DISPLAY (process $xvfb_pid) for the window tests"
    fi
    printf '%s\n' "$DISPLAY" >"$file"
    ;;
  stop)
    if [ -s "$file.pid" ]; then
      pid=$(cat "$file.pid")
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      echo "stopped Xvfb (process $pid)"
    fi
    rm -f "$file" "$file.pid"
    ;;
  *)
    echo "usage: x_display.sh start|stop FILE" >&2
    exit 2
    ;;
esac
