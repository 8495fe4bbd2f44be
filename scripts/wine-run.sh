#!/usr/bin/env bash
# Runs a Windows program under wine, quietly: no wine debug output, no offer to install
# wine's .NET or HTML engines, and the wine prefix (WINEPREFIX, default ~/.wine) set up
# once, under a lock, before the first program runs (test programs may start in parallel).
# CMake uses this as the emulator of the windows preset. Usage: wine-run.sh PROGRAM.exe ARGS...
set -euo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
prefix="${WINEPREFIX:-$HOME/.wine}"
wine=$(command -v wine || command -v wine64)
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -f "$prefix/system.reg" ]; then
      # wineboot returns before the prefix is written; wineserver -w waits for it.
      DISPLAY='' "$wine" wineboot --init >/dev/null 2>&1 || true
      wineserver -w || true
    fi
  ) 9>"$(dirname "$prefix")/.agvsim-wineboot.lock"
fi
exec "$wine" "$@"
