#!/usr/bin/env bash
# Compares two CSV files of agvsim-export number by number (tools/compare_csv.cpp: the
# rules, the output and the exit statuses 0 within the tolerance, 1 beyond, 2 shape).
# Usage: scripts/compare-csv.sh A.csv B.csv [TOLERANCE]     (default 1e-10)
# The tool of the build in AGV_BUILD_DIR (default build/default), built first when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${AGV_BUILD_DIR:-$root/build/default}
if [ ! -x "$build/tools/compare_csv" ]; then
  [ -f "$build/CMakeCache.txt" ] || (cd "$root" && cmake --preset default >/dev/null)
  cmake --build "$build" --target compare_csv -j2 >/dev/null
fi
exec "$build/tools/compare_csv" "$@"
