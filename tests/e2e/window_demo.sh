#!/usr/bin/env bash
# The real agvsim under X as a lecturer uses it: a scenario on the command line opens the
# window at once; space plays the motion to its end in real time; 'f' fits the view so
# that the vehicles at the ends of the ellipse A = 3 leave the chart panel; other window
# sizes keep the grid square with legend and charts inside. Usage:
# window_demo.sh AGVSIM ARTIFACT_DIR
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/window_start.sh"
exe=$(realpath "$1")
artifacts=$2
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: the window demo needs an X server"; exit 1; }
mkdir -p "$artifacts"

window_scratch
fail() { echo "FAIL: $*"; echo "--- program output:"; tail -c 2000 "$work/out" || true; exit 1; }

# start ARGS...: agvsim with a scenario, no input; sets pid and wid.
start() {
  start_window "$work" "$work/out" "$exe" "$@"
  [ -n "$wid" ] || fail "no window of pid $pid for $*"
  grep -q 'Error Number=' "$work/out" && fail "the dialogue ran although a scenario was given"
  # Without a window manager the window may lie partly off the screen, and a screenshot
  # holds only what is on it.
  xdotool windowmove --sync "$wid" 0 0
}
stop() {
  xdotool key --window "$wid" Escape 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && fail "ESC did not end the program"
  wait "$pid" || fail "exit status $? after ESC"
  pid=
}
keys() { xdotool key --window "$wid" --delay 15 "$@"; sleep 0.2; }
# shot NAME: the window as a raw RGB file (and PNG in the artifacts); sets w and h. The
# window is taken again until two takes a moment apart agree and hold more than one colour:
# a busy machine may not yet have drawn the first frame or the answer to the last key.
shot() {
  local take previous=
  for _ in $(seq 50); do
    import -window "$wid" "$artifacts/$1.png"
    take=$(identify -format '%k %#' "$artifacts/$1.png")
    [ "$take" = "$previous" ] && [ "${take%% *}" -gt 1 ] && break
    previous=$take
    sleep 0.1
  done
  convert "$artifacts/$1.png" -depth 8 "rgb:$work/$1.rgb"
  read -r w h <<<"$(identify -format '%w %h' "$artifacts/$1.png")"
}
pixel() {  # name X Y (from the top left): "r g b"
  od -An -tu1 -j $(((($3) * w + ($2)) * 3)) -N3 "$work/$1.rgb" | awk '{print $1, $2, $3}'
}
# box NAME X0 Y0 X1 Y1 R G B: "x0 y0 x1 y1" around the pixels of that colour, or "none".
box() {
  convert "$artifacts/$1.png" -crop "$(($4 - $2 + 1))x$(($5 - $3 + 1))+$2+$3" +repage \
    -fill black -fuzz 10% +opaque "rgb($6,$7,$8)" -fill white -opaque "rgb($6,$7,$8)" \
    -trim -format '%X %Y %w %h' info: 2>/dev/null |
    awk -v x="$2" -v y="$3" '{gsub(/\+/, ""); if ($3 <= 1 && $4 <= 1) print "none";
         else print x + $1, y + $2, x + $1 + $3 - 1, y + $2 + $4 - 1}'
}
# all_white NAME X0 Y0 X1 Y1: true when the box holds only white pixels.
all_white() {
  [ "$(convert "$artifacts/$1.png" -crop "$(($4 - $2 + 1))x$(($5 - $3 + 1))+$2+$3" +repage \
       -fill black +opaque white -format '%[fx:mean]' info:)" = 1 ]
}
# count NAME X0 Y0 X1 Y1 R G B: how many pixels of exactly that colour the box holds.
count() {
  convert "$artifacts/$1.png" -crop "$(($4 - $2 + 1))x$(($5 - $3 + 1))+$2+$3" +repage \
    -format %c histogram:info: | awk -v c="($6,$7,$8)" '$2 == c {n = $1 + 0} END {print n + 0}'
}
# dark_runs NAME X Y W H: the offsets (from X or Y) of the near-black pixels of a one-pixel
# wide row or column, one a line.
dark_runs() {
  convert "$artifacts/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace Gray -depth 8 gray:- |
    od -An -tu1 -v -w1 | awk '$1 < 80 {print NR - 1}'
}
# status NAME: a checksum of the status line (the bottom left corner of the picture).
status() { convert "$artifacts/$1.png" -crop "420x36+0+$((h - 36))" +repage rgb:- | md5sum | cut -d" " -f1; }

# 1. The default cosine with a wheel radius error: 146 records of type 1, 2.92 s.
start --path 1 --error 1 3 0
shot at_start
status_start=$(status at_start)
t0=$(date +%s.%N)
keys space
for i in $(seq 0 400); do  # the status line until a second after the motion's end (4 s)
  now=$(date +%s.%N)
  import -window "$wid" -crop "420x36+0+$((h - 36))" +repage "$work/playing_$i.png"
  echo "$(echo "$now - $t0" | bc) $i" >>"$work/times"
  [ "$(echo "$now - $t0 > 4.0" | bc)" = 1 ] && break
done
# The same status, reached by stepping: 's' 49 times goes to the last record.
keys 0
for _ in 1 2 3 4 5 6 7; do keys s s s s s s s; done
shot stepped_to_end
status_end=$(status stepped_to_end)
[ "$status_end" != "$status_start" ] || fail "the status line does not change with the step"
reached=
while read -r t i; do
  if [ "$(convert "$work/playing_$i.png" rgb:- | md5sum | cut -d" " -f1)" = "$status_end" ]; then
    reached=$t
    break
  fi
done <"$work/times"
[ -n "$reached" ] || fail "playing never showed the end of the motion"
echo "end of the motion shown after ${reached} s of playing (motion 2.92 s)"
[ "$(echo "$reached <= 3.92" | bc)" = 1 ] || fail "the end showed only after $reached s"
# 2. Other window sizes: the picture is the largest centred square, the rest white.
for size in 1200x600 640x480; do
  xdotool windowsize --sync "$wid" "${size%x*}" "${size#*x}"
  sleep 0.5
  keys 0
  shot "size_$size"
  [ "$w" = "${size%x*}" ] && [ "$h" = "${size#*x}" ] || fail "window is ${w}x$h, not $size"
  side=$((w < h ? w : h))
  x0=$(((w - side) / 2))
  y0=$(((h - side) / 2))
  # Bars left and right (or above and below) are white.
  if [ "$x0" -gt 0 ]; then
    all_white "size_$size" 0 0 $((x0 - 1)) $((h - 1)) || fail "$size: the left bar is not white"
    all_white "size_$size" $((x0 + side)) 0 $((w - 1)) $((h - 1)) || fail "$size: right bar"
  fi
  # Grid: the world axes cross at (0, 0) m; one metre later the next line, as far across
  # as up.
  scale=$(echo "$side / 2 * 0.2" | bc -l)  # pixels per metre in the default view
  ax=$(printf '%.0f' "$(echo "$x0 + (1 + (0 - 1.5) * 0.2) * $side / 2" | bc -l)")
  ay=$(printf '%.0f' "$(echo "$y0 + (1 - (0 - 0.5) * 0.2) * $side / 2" | bc -l)")
  row=$((ay + 2 * ${scale%.*} / 3))  # between the axis and the next line
  col=$((ax - ${scale%.*} / 3))
  vlines=$(dark_runs "size_$size" "$((x0 + 1))" "$row" "$((side * 130 / 200))" 1)
  hlines=$(dark_runs "size_$size" "$col" "$((y0 + side * 40 / 200))" 1 "$((side * 160 / 200))")
  dx=$(awk 'NR > 1 && $1 > p + 1 {print $1 - s; exit} {if (NR == 1 || $1 > p + 1) s = $1; p = $1}' <<<"$vlines")
  dy=$(awk 'NR > 1 && $1 > p + 1 {print $1 - s; exit} {if (NR == 1 || $1 > p + 1) s = $1; p = $1}' <<<"$hlines")
  echo "$size: picture ${side}px at ($x0, $y0), grid cells ${dx} x ${dy} px (expected $scale)"
  [ -n "$dx" ] && [ -n "$dy" ] && [ $((dx - dy)) -ge -1 ] && [ $((dx - dy)) -le 1 ] ||
    fail "$size: grid cells are not square ($dx x $dy)"
  # The charts' right borders at x = 0.9 and the legend's lines inside the picture.
  border=$(printf '%.0f' "$(echo "$x0 + 1.9 * $side / 2" | bc -l)")
  read -r r g b <<<"$(pixel "size_$size" "$border" $((y0 + side * 40 / 200)))"
  [ "$r" -lt 80 ] || fail "$size: no chart border at x $border"
  # The legend's seven lines in the picture's top left, left of the chart panel.
  legend=$(count "size_$size" "$x0" "$y0" $((x0 + side * 135 / 200 - 1)) $((y0 + side * 40 / 200)) 10 10 10)
  [ "$legend" -gt 1000 ] || fail "$size: only $legend pixels of legend text"
done
stop

# 3. The ellipse A = 3 starts and ends at x = 3 m, under the chart panel's edge.
start --path 11 --const ellipse_A=3 --error 1 3 0
shot ellipse_default
panel=$((w * 135 / 200))  # x = 0.35 in the 800-pixel picture: pixel 540
# right_edge NAME R G B: the rightmost column of that colour left of the panel, or "none".
right_edge() {
  local b
  b=$(box "$1" 0 0 $((panel - 1)) $((h - 50)) "$2" "$3" "$4")
  [ "$b" = none ] && echo none || awk '{print $3}' <<<"$b"
}
bx1=$(right_edge ellipse_default 0 0 255)
[ "$bx1" != none ] && [ "$bx1" -ge $((panel - 2)) ] ||
  fail "the blue vehicle should reach the panel at the start ($bx1)"
keys f
shot ellipse_fitted
bx1=$(right_edge ellipse_fitted 0 0 255)
[ "$bx1" != none ] && [ "$bx1" -lt $((panel - 10)) ] ||
  fail "after 'f' the blue vehicle still reaches the panel ($bx1)"
keys plus plus plus space
sleep 2.5  # 13.4 s of motion at x8
shot ellipse_fitted_end
for c in "0 0 255" "255 0 0"; do
  x1=$(right_edge ellipse_fitted_end $c)
  [ "$x1" != none ] && [ "$x1" -lt $((panel - 10)) ] ||
    fail "at the end a vehicle ($c) reaches the panel ($x1)"
done

stop
echo "window demo passed; screenshots in $artifacts"
