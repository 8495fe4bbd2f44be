#!/usr/bin/env bash
# Builds everything with the default preset (or the one named by --preset, e.g. asan) and
# runs every test through CTest. The window tests need an X display: when none is set, a
# virtual one (Xvfb) is started for the run and stopped afterwards. The build and test
# packages of scripts/packages.txt are checked first (installed when run as root).
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

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  . scripts/picture-tools.sh
  agv_virtual_display || { echo "test.sh: the virtual display (Xvfb) did not start" >&2; exit 1; }
  echo "started Xvfb on $DISPLAY"
fi

ctest --preset "$preset" -j2 "$@"
