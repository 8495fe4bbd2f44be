#!/usr/bin/env bash
# The real agvsim under X: the dialogue answered through a pipe, keys typed into its window,
# screenshots checked at pixels computed from the geometry, then 'e' back to the console,
# a new computation, and ESC. Usage: window_session.sh AGVSIM ARTIFACT_DIR
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/window_start.sh"
exe=$(realpath "$1")
artifacts=$2
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: the window session needs an X server"; exit 1; }
mkdir -p "$artifacts"

window_scratch
fail() { echo "FAIL: $*"; echo "--- program output:"; tail -c 2000 "$work/out" || true; exit 1; }

mkfifo "$work/in"
(cd "$work" && exec setsid "$exe" <"$work/in" >"$work/out" 2>"$work/err") &
pid=$!
exec 3>"$work/in"  # held open: the dialogue reads more later, after 'e'

wait_for_output() {  # text, count: until the program's output holds the text that often
  for _ in $(seq 200); do
    [ "$(grep -o -- "$1" "$work/out" | wc -l)" -ge "$2" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$work/err")"
    sleep 0.05
  done
  fail "the console never showed '$1' $2 time(s)"
}

# First dialogue: no error, keep the default cosine, any key to the window.
printf '0n\nk' >&3
wait_for_output '計算終了' 1
wait_for_window || true
[ -n "$wid" ] || fail "no window of pid $pid"
xdotool windowfocus --sync "$wid"
sleep 0.3

# Window position: without a window manager it may lie partly off the screen, and a
# screenshot holds only the visible part.
geometry=$(xwininfo -id "$wid")
wx=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
wy=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
ww=$(awk '/Width:/ {print $NF}' <<<"$geometry")
[ "$ww" = 800 ] || fail "window width $ww, not 800"
cx=$((wx < 0 ? -wx : 0))
cy=$((wy < 0 ? -wy : 0))

# shot NAME: screenshot of the window into the artifacts and a raw RGB copy, taken again
# until two takes a moment apart agree (a busy machine may not yet have drawn the last key).
shot() {
  local take previous=
  for _ in $(seq 50); do
    sleep 0.1
    import -window "$wid" "$artifacts/$1.png"
    take=$(identify -format '%k %#' "$artifacts/$1.png")
    [ "$take" = "$previous" ] && [ "${take%% *}" -gt 1 ] && break
    previous=$take
  done
  convert "$artifacts/$1.png" -depth 8 "rgb:$work/$1.rgb"
  shot_width=$(identify -format '%w' "$artifacts/$1.png")
}
# pixel name X Y: "r g b" of window pixel (X, Y), counted from the window's top left.
pixel() {
  local offset=$(((($3 - cy) * shot_width + ($2 - cx)) * 3))
  od -An -tu1 -j "$offset" -N3 "$work/$1.rgb" | awk '{print $1, $2, $3}'
}
is_black() { read -r r g b <<<"$(pixel "$@")"; [ "$r" -lt 60 ] && [ "$g" -lt 60 ] && [ "$b" -lt 60 ]; }
is_white() { [ "$(pixel "$@")" = "255 255 255" ]; }
is_red() { read -r r g b <<<"$(pixel "$@")"; [ "$r" -gt 200 ] && [ "$g" -lt 80 ] && [ "$b" -lt 80 ]; }
# dark name X0 X1 Y0 Y1: how many near-black pixels the box holds.
dark() {
  local w=$(($3 - $2 + 1)) h=$(($5 - $4 + 1))
  convert "$artifacts/$1.png" -crop "${w}x${h}+$(($2 - cx))+$(($4 - cy))" +repage \
    -channel RGB -separate -evaluate-sequence max -threshold 24% \
    -format '%[fx:round(w*h*(1-mean))]' info:
}

# Type 2, four steps of 3 records, the scene 0.05 to the left and zoomed in once.
xdotool key --delay 60 2 s s s s x W
shot window_keys
# Scale 0.2 / 0.9 and shift -0.05: world x = m metres lies at window pixel
# ((m - 1.5) * 0.2 / 0.9 - 0.05 + 1) * 400, world y at (1 - (y - 0.5) * 0.2 / 0.9) * 400.
# The world's y axis: the 2-pixel line at 246.7 covers pixels 246 and 247.
is_black window_keys 246 700 || is_black window_keys 247 700 || fail "y axis not at x 246/247"
is_white window_keys 202 666 || fail "a grid cell is not white inside"
# Right of x = 0.35 (pixel 540) the chart panel hides the grid line of x = 5 m (pixel 691).
is_white window_keys 691 700 || fail "the chart panel does not hide the scene"
is_white window_keys 560 780 || fail "the chart panel is not white"
# The CP path (y = 0.5 (1 - cos(pi x))) crosses x = 1.5 m at y = 0.5 m: pixel (380, 400).
is_red window_keys 380 400 || is_red window_keys 380 399 || fail "no red CP line at (380, 400)"
# The legend's type line "(2) 1FDW1FS AGV" at y = 0.9, from x = -0.95: text pixels there.
[ "$(dark window_keys 20 150 28 42)" -gt 40 ] || fail "no legend text for the type"
legend_before=$(dark window_keys 20 400 50 64)
echo "legend dark pixels before: $legend_before"

# 'e' runs the dialogue again in the console: a geometry error of 5 % and 10 %, same path.
# Keys pressed in the window while the console asks are not meant for the new computation:
# they must have no effect when the window comes back (the shift would move the y axis).
xdotool key e
wait_for_output 'Error Number=' 2
xdotool key --delay 30 x x x 2 s s
sleep 0.3
printf '4\n5 10\nn\nk' >&3
wait_for_output '計算終了' 2
grep -q 'ERROR=4を選択' "$work/out" || fail "the second dialogue did not take kind 4"
sleep 0.5     # the dialogue returns to the window
xdotool key 0  # the next frame shows the new computation
shot window_after_e
# The legend's error line now reads "(4) WheelBase and Tread Error= ( 05, 10)%".
legend_after=$(dark window_after_e 20 400 50 64)
echo "legend dark pixels after: $legend_after"
[ "$legend_after" -gt $((legend_before + 100)) ] ||
  fail "the error line did not change ($legend_before -> $legend_after dark pixels)"
# The dialogue reset the scale to 0.2 and kept the shift: the y axis at pixel 260 (the
# keys pressed meanwhile would have put it 60 pixels further left).
is_black window_after_e 259 700 || is_black window_after_e 260 700 || fail "y axis not at x 260"

# ESC ends the program with status 0, and nothing of it is left running.
xdotool key Escape 2>/dev/null || true
status=0
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
wait "$pid" || status=$?
pid_left=$pid
pid=
[ "$status" = 0 ] || fail "exit status $status after ESC"
pgrep -s "$pid_left" >/dev/null && fail "processes of the session are left"
echo "window session passed; screenshots in $artifacts"
