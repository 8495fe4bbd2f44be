#!/usr/bin/env bash
# Builds the simulator when needed and starts it; arguments go to the window library.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/default/CMakeCache.txt ]; then
  cmake --preset default >/dev/null
fi
cmake --build --preset default --target agvsim -j"$(nproc)" >/dev/null
exec build/default/src/agvsim "$@"
