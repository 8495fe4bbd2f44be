#!/usr/bin/env bash
# Runs every command line of the lecturer's guides as written (the lines of their ```sh
# blocks), with the programs of this build first on PATH, each in a scratch directory:
# an agvsim-export command must succeed and write the files it names; an agvsim command
# must open its window under X and end with status 0 on ESC.
# Usage: guide_commands.sh BIN_DIR GUIDE...
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/window_start.sh"
bindir=$(realpath "$1")
shift
guides=("$@")
export PATH="$bindir:$PATH"

window_scratch
fail() {
  echo "FAIL: $*"
  exit 1
}

# The command lines of one guide, in order, each once.
commands() {
  awk '/^```/ { inside = !inside && $0 == "```sh"; next } inside && NF && !seen[$0]++' "$1"
}
commands "${guides[0]}" >"$work/commands"
for g in "${guides[@]:1}"; do
  commands "$g" | diff "$work/commands" - >/dev/null ||
    fail "$g does not show the same commands as ${guides[0]}"
done
[ -s "$work/commands" ] || fail "no commands found in ${guides[*]}"

for prog in agvsim agvsim-export; do
  # Without a display and without input, so that a program that does not know --help yet
  # ends at once.
  env -u DISPLAY timeout 10 "$prog" --help </dev/null 2>&1 |
    grep -o -- '--[a-z][a-z-]*' | sort -u >"$work/known-$prog" || true
done

# magic FILE: its first four bytes in hex (PNG 89504e47, GIF 47494638).
magic() { head -c 4 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n'; }

run_export() {  # DIR COMMAND WORDS...
  local dir=$1 cmd=$2 i
  shift 2
  (cd "$dir" && bash -c "$cmd") >"$dir.log" 2>&1 || fail "exit $? from: $cmd ($(tail -n3 "$dir.log"))"
  local words=("$@")
  for i in "${!words[@]}"; do
    local file=$dir/${words[i + 1]:-}
    case ${words[i]} in
      --out) [ -s "$file" ] || fail "no $file from: $cmd" ;;
      --png) [ "$(magic "$file")" = 89504e47 ] || fail "no PNG file $file from: $cmd" ;;
      --gif) [ "$(magic "$file")" = 47494638 ] || fail "no GIF file $file from: $cmd" ;;
    esac
  done
}

run_window() {  # DIR COMMAND
  local dir=$1 cmd=$2 wid status=0
  [ -n "${DISPLAY:-}" ] || fail "no DISPLAY: the window commands need an X server"
  start_window "$dir" "$dir.log" bash -c "exec $cmd"
  [ -n "$wid" ] || fail "no window from: $cmd ($(tail -n3 "$dir.log"))"
  xdotool windowfocus --sync "$wid"
  sleep 0.3
  xdotool key Escape 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && fail "still running after ESC: $cmd"
  wait "$pid" || status=$?
  pid=
  [ "$status" = 0 ] || fail "exit status $status after ESC: $cmd"
}

ran=0
while IFS= read -r cmd; do
  read -ra words <<<"$cmd"
  prog=${words[0]}
  [ "$prog" = agvsim ] || [ "$prog" = agvsim-export ] || fail "not a command of agvsim: $cmd"
  unknown=()
  for w in "${words[@]:1}"; do
    if [[ $w == --* ]] && ! grep -qxF -- "$w" "$work/known-$prog"; then unknown+=("$w"); fi
  done
  ((${#unknown[@]} == 0)) || fail "$prog --help does not name ${unknown[*]}: $cmd"
  ran=$((ran + 1))
  dir=$work/$ran
  mkdir "$dir"
  if [ "$prog" = agvsim ]; then run_window "$dir" "$cmd"; else run_export "$dir" "$cmd" "${words[@]}"; fi
  echo "ok: $cmd"
done <"$work/commands"
echo "$ran commands ran as written"
