#!/usr/bin/env bash
# Builds everything with the default preset (or the one named by --preset, e.g. asan or
# core) and runs every test through CTest. The window tests need an X display: when none
# is set, CTest starts a virtual one (Xvfb) for them and stops it afterwards (the fixture
# x_server of tests/CMakeLists.txt). The build and test packages of scripts/packages.txt
# are checked first (installed when run as root).
#   scripts/test.sh [--preset NAME] [CTEST ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
if [ "${1:-}" = --preset ]; then
  preset=$2
  shift 2
fi

. scripts/ensure-packages.sh
agv_ensure_packages build test || exit 1

cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"

ctest --preset "$preset" -j2 "$@"
