#!/usr/bin/env bash
# Builds the Windows zip and checks the Windows programs under wine against the Linux build:
#
#   1. the zip (scripts/make-windows-zip.sh: the dependencies, the programs, the zip)
#   2. the GoogleTest programs of the Windows build (numeric core, console layer, dialogue)
#   3. agvsim-export.exe unpacked from the zip and started from another folder: the default
#      scenario of each of the ten paths, a random slip case and a WheelBase/Tread case,
#      every CSV file compared with the Linux build's (scripts/compare-csv.sh: whole
#      numbers exactly, the others to 1e-10); the exit statuses of a refused path, a bad
#      command line and missing tables; a file name beyond ASCII
#   4. agvsim.exe from the zip in a console (wine's, on a pseudo-terminal) on a virtual X
#      display: the dialogue answered, the window opened, `s` three times, the window's
#      picture compared with the Linux program's in the same state (pixel for pixel: wine
#      draws with the same Mesa), and the window titles compared
#
# The Linux programs come from the default preset (built here when missing). Run it as root
# the first time (packages). Wine runs in a prefix of its own (build/windows-wine) and on a
# display of its own; everything started is stopped at the end. The pictures, console
# output and CSV files are kept in build/windows-test/. CI runs it after scripts/test.sh.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
root_dir=$PWD
out=$root_dir/build/windows-test
export WINEPREFIX=$root_dir/build/windows-wine
wine_run=$root_dir/scripts/wine-run.sh
start_time=$SECONDS
failures=0

step() { printf '\n== %s (%d s so far)\n' "$*" $((SECONDS - start_time)); }
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

xvfb_pid=
script_pid=
linux_pid=
cleanup() {
  for pid in $script_pid $linux_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  exec 3>&- 4>&- 2>/dev/null || true
  # The prefix is this script's own: its server and any program left in it end here.
  wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

# --- 1. The zip ----------------------------------------------------------------------------
step "Windows zip"
zip_started=$SECONDS
./scripts/make-windows-zip.sh
zip_time=$((SECONDS - zip_started))
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
zip_file=$root_dir/dist/agvsim-$version-windows-x64.zip
rm -rf "$out"
mkdir -p "$out/unpacked"
unzip -q "$zip_file" -d "$out/unpacked"
win_dir=$out/unpacked/agvsim-$version-windows-x64
[ -f "$win_dir/agvsim.exe" ] && [ -f "$win_dir/agvsim-export.exe" ] ||
  { echo "the zip has no programs" >&2; exit 1; }

# --- 2. The tests of the Windows build -------------------------------------------------------
step "GoogleTest programs of the Windows build, under wine"
tests_started=$SECONDS
cmake --build --preset windows -j2
ctest --preset windows -j2 || fail "tests of the Windows build"
tests_time=$((SECONDS - tests_started))

# --- 3. The exporter -------------------------------------------------------------------------
step "Linux programs for comparison"
cmake --preset default >/dev/null
cmake --build --preset default -j2 --target agvsim agvsim-export
linux_export=$root_dir/build/default/src/agvsim-export
linux_agvsim=$root_dir/build/default/src/agvsim

step "agvsim-export.exe against the Linux build"
# Name and arguments of each case.
cases=()
for p in 1 2 3 4 11 12 13 14 15 16; do cases+=("path$p|--path $p"); done
cases+=("path1-slip5|--path 1 --error 5 5" "path11-wheelbase5-tread10|--path 11 --error 4 5 10")
for c in "${cases[@]}"; do
  name=${c%%|*}
  read -ra args <<<"${c#*|}"
  mkdir -p "$out/csv/$name/linux" "$out/csv/$name/windows"
  (cd "$out/csv/$name/linux" && "$linux_export" "${args[@]}" --out "$name.csv")
  # Started from a folder without tables: they are found beside the program.
  (cd "$out/csv/$name/windows" && "$wine_run" "$win_dir/agvsim-export.exe" "${args[@]}" \
    --out "$name.csv") || fail "$name: agvsim-export.exe failed"
  # Every file the Linux program wrote, compared with the one of the same name.
  for file in "$out/csv/$name/linux"/*; do
    other=$out/csv/$name/windows/$(basename "$file")
    if [ ! -f "$other" ]; then
      fail "$name: agvsim-export.exe wrote no $(basename "$file")"
    elif ! result=$(scripts/compare-csv.sh "$file" "$other"); then
      fail "$name: $(basename "$file") differs"$'\n'"$result"
    else
      printf '%-28s %s\n' "$name" "$(sed -n 's/^largest absolute difference \([^ ]*\).*/largest absolute difference \1/p; 1p' <<<"$result" | paste -sd ';' -)"
    fi
  done
done

# The CSV on standard output as in a file: "\n" line ends, the same numbers.
(cd "$out" && "$linux_export" --path 3 >linux-stdout.csv)
(cd "$out" && "$wine_run" "$win_dir/agvsim-export.exe" --path 3 >windows-stdout.csv)
for f in "$out"/csv/*/windows/*.csv "$out/windows-stdout.csv"; do
  if grep -q $'\r' "$f"; then fail "$(basename "$f") has CR line ends"; fi
done
scripts/compare-csv.sh "$out/linux-stdout.csv" "$out/windows-stdout.csv" >/dev/null ||
  fail "the CSV on standard output differs"

# exit status, expected text on standard error, arguments
expect_status() {
  local status=$1 text=$2
  shift 2
  local err code=0
  err=$(cd "$out" && "$wine_run" "$win_dir/agvsim-export.exe" "$@" 2>&1 >"$out/status.out") ||
    code=$?
  if [ "$code" != "$status" ] || ! grep -qF -- "$text" <<<"$err" || [ -s "$out/status.out" ]; then
    fail "agvsim-export.exe $*: status $code, expected $status with '$text': $err"
  fi
}
mkdir -p "$out/no-tables"
expect_status 3 "上限を超えている" --path 15 --const arc_n=1000 --out "$out/refused.csv"
[ ! -e "$out/refused.csv" ] || fail "a refused path wrote its output file"
expect_status 2 "unknown option '--bogus'" --bogus
expect_status 1 "normal01.data" --tables "$out/no-tables"
version_line=$("$wine_run" "$win_dir/agvsim-export.exe" --version | tr -d '\r')
[ "$version_line" = "agvsim-export $version" ] || fail "--version printed '$version_line'"
# A file name beyond ASCII (wine hands the arguments on as UTF-16 from a UTF-8 locale).
(cd "$out" && LC_ALL=C.UTF-8 "$wine_run" "$win_dir/agvsim-export.exe" --path 3 --out "経路3.csv")
[ -s "$out/経路3.csv" ] || fail "no file 経路3.csv"

# --- 4. The window program -------------------------------------------------------------------
step "agvsim.exe in a console and its window, against the Linux program"
fdfile=$(mktemp)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$fdfile" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$fdfile")"
rm -f "$fdfile"

# Waits up to $2 seconds for command $1 (a string) to succeed.
wait_for() {
  local deadline=$((SECONDS + $2))
  until eval "$1"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}
# The console text without the terminal's control sequences (wine's console draws each
# character with some; blanks may become cursor moves, so markers have no blanks).
console_text() { sed 's/\x1b\[[?0-9;]*[A-Za-z]//g' "$out/console.out"; }
console_shows() { console_text | grep -F -- "$1" >/dev/null; }

# The only visible window whose name holds "AGV": its id.
window_id() { xdotool search --onlyvisible --name AGV 2>/dev/null | head -n1; }
# shot NAME: the window's picture, taken when two in a row are the same, with its
# position and title beside it.
shot() {
  local wid=$1 name=$2 previous=
  for _ in $(seq 20); do
    sleep 0.5
    import -window root "$out/$name-root.png"
    local sum
    sum=$(md5sum <"$out/$name-root.png")
    [ "$sum" = "$previous" ] && break
    previous=$sum
  done
  xwininfo -id "$wid" >"$out/$name-geometry.txt"
  xprop -id "$wid" _NET_WM_NAME >"$out/$name-title.txt"
}
# three_steps_shot_and_escape NAME: in the program's window, 's' three times, the picture
# kept as NAME (shot), then ESC.
three_steps_shot_and_escape() {
  local wid
  wid=$(window_id)
  [ -n "$wid" ] || return 0
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 100 s s s
  shot "$wid" "$1"
  xdotool key Escape
}
geometry() { awk -v k="$2" 'index($0, k) { print $NF }' "$out/$1-geometry.txt"; }

# Linux: answers through a pipe (no error, keep the path, any key), then the keys.
mkfifo "$out/linux.in"
(cd "$out" && exec "$linux_agvsim" <"$out/linux.in" >"$out/linux-console.out" 2>&1) &
linux_pid=$!
exec 3>"$out/linux.in"
printf '0n\nk' >&3
wait_for '[ -n "$(window_id)" ]' 30 || fail "the Linux program opened no window"
three_steps_shot_and_escape linux
wait_for '! kill -0 $linux_pid 2>/dev/null' 10 || fail "the Linux program did not end on ESC"
exec 3>&-

# Windows: in wine's console on a pseudo-terminal, started from another folder; each
# answer once the console asks for it.
mkfifo "$out/console.in"
(cd "$out" && LC_ALL=C.UTF-8 exec script -qfc "'$wine_run' '$win_dir/agvsim.exe'" /dev/null \
  <"$out/console.in" >"$out/console.out" 2>&1) &
script_pid=$!
exec 4>"$out/console.in"
answer() {  # marker, key
  if wait_for "console_shows '$1'" 60; then printf '%s' "$2" >&4; else fail "the console never showed $1"; fi
}
answer "0-5のどれかを選択" 0
answer "CP経路変更する" n
answer "描画画面へ" k
wait_for '[ -n "$(window_id)" ]' 60 || fail "agvsim.exe opened no window"
three_steps_shot_and_escape windows
wait_for '! kill -0 $script_pid 2>/dev/null' 20 || fail "agvsim.exe did not end on ESC"
exec 4>&-
console_shows "計算終了" || fail "the console did not show the dialogue in Japanese"

# The two windows' common visible part, in window coordinates (a window may start off
# the screen without a window manager), cut from each screen and compared.
if [ -f "$out/linux-geometry.txt" ] && [ -f "$out/windows-geometry.txt" ]; then
  for s in linux windows; do
    [ "$(geometry $s Width:)x$(geometry $s Height:)" = 800x800 ] ||
      fail "$s window is $(geometry $s Width:)x$(geometry $s Height:), not 800x800"
  done
  lx=$(geometry linux 'Absolute upper-left X')
  ly=$(geometry linux 'Absolute upper-left Y')
  wx=$(geometry windows 'Absolute upper-left X')
  wy=$(geometry windows 'Absolute upper-left Y')
  ox=$((lx < wx ? -lx : -wx))
  oy=$((ly < wy ? -ly : -wy))
  if ((ox < 0)); then ox=0; fi
  if ((oy < 0)); then oy=0; fi
  size=$((800 - ox))x$((800 - oy))
  convert "$out/linux-root.png" -crop "$size+$((lx + ox))+$((ly + oy))" +repage "$out/linux.png"
  convert "$out/windows-root.png" -crop "$size+$((wx + ox))+$((wy + oy))" +repage \
    "$out/windows.png"
  differing=$(compare -metric AE "$out/linux.png" "$out/windows.png" "$out/difference.png" 2>&1) ||
    true
  echo "window pictures ($size): $differing pixels differ"
  [ "$differing" = 0 ] || fail "the window pictures differ in $differing pixels"
  diff <(sed 's/^[^=]*= //' "$out/linux-title.txt") <(sed 's/^[^=]*= //' "$out/windows-title.txt") ||
    fail "the window titles differ"
else
  fail "no window pictures to compare"
fi

printf '\n== Windows zip %s: %d bytes; built in %d s; tests of the Windows build %d s; all %d s\n' \
  "$(basename "$zip_file")" "$(stat -c %s "$zip_file")" "$zip_time" "$tests_time" \
  $((SECONDS - start_time))
if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all Windows checks passed"
