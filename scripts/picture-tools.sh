# Sourced by the scripts that run the programs to draw (tests, pictures, the guide), from
# the top of the source tree.
#
# agv_virtual_display: when no X display is set, starts a virtual one (Xvfb, installed
# first through scripts/ensure-packages.sh when missing), exports DISPLAY and sets
# xvfb_pid, which the caller stops when it ends; with a display set it does nothing.
# Fails when Xvfb cannot be had or does not start.
agv_virtual_display() {
  [ -z "${DISPLAY:-}" ] || return 0
  if ! command -v Xvfb >/dev/null 2>&1; then
    . scripts/ensure-packages.sh
    agv_ensure_packages docs || return 1
  fi
  local fdfile
  fdfile=$(mktemp)
  # Nothing of the caller's output is kept open by the server, which may outlive the
  # caller (the CTest fixture of the window tests).
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  if [ ! -s "$fdfile" ]; then
    rm -f "$fdfile"
    return 1
  fi
  DISPLAY=":$(head -n1 "$fdfile")"
  export DISPLAY
  rm -f "$fdfile"
}

# agv_default_exporter: prints the default build's agvsim-export, built first when missing.
agv_default_exporter() {
  local exe=build/default/src/agvsim-export
  if [ ! -x "$exe" ]; then
    [ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
    cmake --build --preset default --target agvsim-export -j2 >/dev/null
  fi
  echo "$exe"
}
