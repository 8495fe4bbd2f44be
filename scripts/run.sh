#!/usr/bin/env bash
# Builds the simulator when needed and starts it; arguments go to the window library.
# The build packages of scripts/packages.txt are checked first (installed when run as root).
# The build shows its progress (the first one takes a few minutes on two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
agv_ensure_packages build || exit 1
if [ ! -f build/default/CMakeCache.txt ]; then
  echo "run.sh: configuring build/default" >&2
  cmake --preset default >/dev/null
fi
# One line per file compiled or linked: "run.sh: [ 42%] caltraj.cpp".
cmake --build --preset default --target agvsim -j"$(nproc)" |
  awk '/^\[ *[0-9]+%\] (Building|Linking)/ {
    n = split($NF, part, "/"); sub(/\.o$/, "", part[n])
    print "run.sh: " substr($0, 1, index($0, "]")) " " part[n] >"/dev/stderr"; fflush("/dev/stderr")
  }'
exec build/default/src/agvsim "$@"
