#!/usr/bin/env bash
# Builds the simulator when needed and starts it; arguments go to the window library.
# The build packages of scripts/packages.txt are checked first (installed when run as root).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
agv_ensure_packages build || exit 1
if [ ! -f build/default/CMakeCache.txt ]; then
  cmake --preset default >/dev/null
fi
cmake --build --preset default --target agvsim -j"$(nproc)" >/dev/null
exec build/default/src/agvsim "$@"
