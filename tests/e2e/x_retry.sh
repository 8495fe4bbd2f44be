#!/usr/bin/env bash
# Runs a window test script, and runs it again (up to three times in all) when it failed
# only because the program could not open the display: this X server now and then drops
# a connection set up at the same moment as another one.
# Usage: x_retry.sh SCRIPT ARGS...
set -uo pipefail
for attempt in 1 2 3; do
  out=$(bash "$@" 2>&1)
  status=$?
  printf '%s\n' "$out"
  [ "$status" = 0 ] && exit 0
  grep -qE 'failed to open display|cannot open display' <<<"$out" || exit "$status"
  echo "(the display dropped the program's connection; run $attempt of 3)"
done
exit "$status"
