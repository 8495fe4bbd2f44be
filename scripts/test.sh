#!/usr/bin/env bash
# Builds everything with the default preset and runs every test through CTest.
# The window tests need an X display: when none is set, a virtual one (Xvfb) is started
# for the run and stopped afterwards. Missing X tools and the picture libraries' headers
# are installed when run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
[ -e /usr/include/png.h ] || missing+=(libpng-dev)
[ -e /usr/include/gif_lib.h ] || missing+=(libgif-dev)
command -v Xvfb >/dev/null 2>&1 || missing+=(xvfb)
command -v xdotool >/dev/null 2>&1 || missing+=(xdotool)
command -v compare >/dev/null 2>&1 || missing+=(imagemagick)
command -v xprop >/dev/null 2>&1 || missing+=(x11-utils)
if ((${#missing[@]})); then
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" ||
      { apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"; }
  else
    echo "the build and the tests need: ${missing[*]} (apt-get install -y ${missing[*]})" >&2
    exit 1
  fi
fi

cmake --preset default
cmake --build --preset default -j"$(nproc)"

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  DISPLAY=":$(head -n1 "$fdfile")"
  export DISPLAY
  rm -f "$fdfile"
  echo "started Xvfb on $DISPLAY"
fi

ctest --preset default -j2 "$@"
