#!/usr/bin/env bash
# Makes every table and picture of the lecturer's guide (docs/guide.ja.md and
# docs/guide.en.md) from the program itself, so that the guide can be made again after any
# change of the program:
#   tables    from agvsim-export: sweeps (--sweep) for the deviations, the CSV header
#             (path_length, traj_tend) and the wheel data for the paths; written into both
#             guides between the lines  <!-- BEGIN generated: NAME -->  and
#             <!-- END generated: NAME -->  (what lies between them is replaced)
#   plot      docs/guide/demo-5-sweep.png, a sweep drawn with gnuplot
#   pictures  docs/guide/*.png and docs/guide/demo-1.gif with agvsim-export --png / --gif
#             (no display needed)
#
# Usage: scripts/make-guide.sh [--quick | --no-pictures] [--check] [--exe AGVSIM_EXPORT]
#   --quick        the tables only (a few seconds; the test runs this with --check)
#   --no-pictures  the tables and the plot, not the pictures
#   --check        write nothing: compare the tables the program gives now with the ones
#                  in the guides, print the differences and exit 1 when they differ
#   --exe FILE     the exporter to run (default build/default/src/agvsim-export, built
#                  first when it is missing)
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."

die() {
  echo "make-guide: $*" >&2
  exit 1
}

want_plot=1
want_pictures=1
check=0
exe=
while (($#)); do
  case $1 in
    --quick) want_plot=0 want_pictures=0 ;;
    --no-pictures) want_pictures=0 ;;
    --check) check=1 want_plot=0 want_pictures=0 ;;
    --exe)
      (($# > 1)) || die "--exe needs a file"
      exe=$2
      shift
      ;;
    -h | --help)
      sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'
      exit 0
      ;;
    *) die "unknown argument '$1' (see --help)" ;;
  esac
  shift
done

. scripts/picture-tools.sh
[ -n "$exe" ] || exe=$(agv_default_exporter)
[ -x "$exe" ] || die "no exporter at $exe"

work=$(mktemp -d)
cleanup() {
  rm -rf "$work"
}
trap cleanup EXIT

guides=(docs/guide.ja.md docs/guide.en.md)
langs=(ja en)
targets=("${guides[@]}")
if ((check)); then
  targets=("$work/guide.ja.md" "$work/guide.en.md")
  cp "${guides[0]}" "${targets[0]}"
  cp "${guides[1]}" "${targets[1]}"
fi

# put_block FILE NAME CONTENT_FILE: the lines between the block's two marker lines become
# the content.
put_block() {
  awk -v name="$2" -v content="$3" '
    $0 == "<!-- BEGIN generated: " name " -->" {
      print
      while ((getline line < content) > 0) print line
      inside = 1; begun++
      next
    }
    $0 == "<!-- END generated: " name " -->" { inside = 0; ended++ }
    !inside { print }
    END { exit !(begun == 1 && ended == 1) }
  ' "$1" >"$work/replaced" || die "$1 needs exactly one block '$2' (BEGIN and END marker lines)"
  cat "$work/replaced" >"$1"
}

# write_block NAME: the block NAME of both guides from the function table_NAME LANG (with
# '_' for '-').
write_block() {
  local i
  for i in 0 1; do
    "table_${1//-/_}" "${langs[$i]}" >"$work/block"
    put_block "${targets[$i]}" "$1" "$work/block"
  done
}

# Number formats shared by the awk programs below: distances in mm to three significant
# digits, angles in degrees to two decimals; a value that is rounding noise prints as 0.
fmt='
function mm(m,   v, s) {
  v = m * 1000; s = ""
  if (v < 0) { v = -v; s = "-" }
  if (v < 0.0005) return "0"
  if (v >= 100) return s sprintf("%.0f", v)
  if (v >= 10) return s sprintf("%.1f", v)
  if (v >= 1) return s sprintf("%.2f", v)
  return s sprintf("%.3g", v)
}
function deg(r,   t) {
  t = sprintf("%.2f", r * 57.29577951308232)
  return t == "-0.00" ? "0.00" : t
}
'
# A faulty vehicle that stays within 1 nm of the error-free one over the whole motion is
# not moved by the error: what is left is the rounding of the arithmetic.
no_effect=1e-9

# sweep_one OUT PATH_ARGS... -- K V1 [V2]: the sweep of one size (V1, with V2 fixed), the
# same computation as --error K V1 V2.
sweep_one() {
  local out=$1 k v1 v2 path_args=()
  shift
  while [ "$1" != -- ]; do
    path_args+=("$1")
    shift
  done
  k=$2 v1=$3 v2=${4:-}
  "$exe" "${path_args[@]}" --sweep "$k" "$v1" "$v1" 1 ${v2:+"$v2"} --out "$out" ||
    die "sweep failed: ${path_args[*]} --sweep $k $v1 $v1 1 $v2"
}

type_names_en='type 1 (2DW1C)|type 2 (1FDW1FS)|type 3 (1RDW1FS)'
type_names_ja='タイプ 1（2DW1C）|タイプ 2（1FDW1FS）|タイプ 3（1RDW1FS）'

# type_header LANG: the head of a table with one column per type.
type_header() {
  if [ "$1" = ja ]; then echo "| | ${type_names_ja//|/ | } |"; else echo "| | ${type_names_en//|/ | } |"; fi
  echo "|---|---|---|---|"
}

# --- The error table: each error alone at a reference size, on the default cosine ---------

error_rows=("1 1 0" "1 1 1" "1 1 -1" "2 1" "3 1" "4 1 0" "4 0 1" "5 1")
error_label_en=("rear wheel radii, left +1 %" "rear wheel radii, both +1 %"
  "rear wheel radii, left +1 %, right −1 %" "front wheel radius +1 %" "steering drift 1°"
  "WheelBase (left–right) +1 %" "Tread (front–rear) +1 %" "random slip 1 %")
error_label_ja=("後車輪半径 左 +1 %" "後車輪半径 左右とも +1 %" "後車輪半径 左 +1 %・右 −1 %"
  "前車輪半径 +1 %" "ステアリングドリフト 1°" "WheelBase（左右間隔）+1 %"
  "Tread（前後間隔）+1 %" "ランダム滑り 1 %")

table_error_table() {
  local lang=$1 i label
  if [ "$lang" = ja ]; then
    echo "| 誤差（\`--error\` の値） | ${type_names_ja//|/ | } |"
  else
    echo "| Error (values of \`--error\`) | ${type_names_en//|/ | } |"
  fi
  echo "|---|---|---|---|"
  for i in "${!error_rows[@]}"; do
    if [ "$lang" = ja ]; then label=${error_label_ja[$i]}; else label=${error_label_en[$i]}; fi
    awk -F, -v lang="$lang" -v label="$label" -v args="${error_rows[$i]}" -v zero=$no_effect \
      "$fmt"'
      /^#/ || $1 == "value" { next }
      {
        if ($13 != "ok") cell[$3] = "(" $13 ")"
        else if ($11 + 0 < zero) cell[$3] = (lang == "ja" ? "作用しない" : "does not act")
        else cell[$3] = (lang == "ja" ? "作用する：" : "acts: ") mm($6) " / " mm($11)
      }
      END {
        fmt = lang == "ja" ? "| %s（`--error %s`） | %s | %s | %s |\n" : "| %s (`--error %s`) | %s | %s | %s |\n"
        printf fmt, label, args, cell[1], cell[2], cell[3]
      }
    ' "$work/error-$i.csv"
  done
}

make_error_table() {
  local i
  for i in "${!error_rows[@]}"; do
    # shellcheck disable=SC2086
    sweep_one "$work/error-$i.csv" --path 1 -- ${error_rows[$i]}
  done
  write_block error-table
}

# --- The path table: constants, length, motion time, lowest commanded speed ---------------

paths=(1 2 3 4 11 12 13 14 15 16)
declare -A path_name_en=([1]=cosine [2]=cycloid [3]=quadratic [4]=cubic [11]=ellipse
  [12]="Archimedean spiral" [13]=cardioid [14]=rose [15]="circle arc" [16]="wavy circle")
declare -A path_name_ja=([1]=余弦関数 [2]=サイクロイド関数 [3]=2次関数 [4]=3次関数 [11]=楕円
  [12]=アルキメデス螺旋 [13]=カーディオイド [14]=正葉線 [15]=円弧 [16]=波打ち円)

table_path_table() {
  local lang=$1 I name
  if [ "$lang" = ja ]; then
    echo "| I | 経路 | 定数（既定値） | 経路長 [m] | 運動時間 タイプ1 / 2 / 3 [s] | 最低速度 V タイプ2 / 3 [m/s] |"
  else
    echo "| I | Path | Constants (defaults) | Length [m] | Motion time, type 1 / 2 / 3 [s] | Lowest speed V, type 2 / 3 [m/s] |"
  fi
  echo "|---|---|---|---|---|---|"
  for I in "${paths[@]}"; do
    if [ "$lang" = ja ]; then name=${path_name_ja[$I]}; else name=${path_name_en[$I]}; fi
    # The speed V of types 2 and 3 is the travel of their drive wheel (travel_1 of the
    # wheel data) per record.
    awk -F, -v lang="$lang" -v I="$I" -v name="$name" -v fixed=" $(cat "$work/fixed-$I") " '
      FNR != NR && /^#/ { next }  # the wheel file repeats the header lines
      /^# path_no=/ { inside = 1; next }
      /^# error_kind=/ { inside = 0 }
      inside && /^# / {
        split(substr($0, 3), kv, "=")
        c = c (c == "" ? "" : " ") sprintf("`%s=%g`", kv[1], kv[2])
        if (index(fixed, " " kv[1] " ")) c = c (lang == "ja" ? "（固定）" : " (fixed)")
      }
      /^# path_length=/ { len = substr($0, 15) }
      /^# traj_tend=/ { split(substr($0, 13), tend, ",") }
      /^#/ { next }
      NF == 6 && $1 ~ /^[23]$/ && $2 ~ /^[0-9]+$/ {
        t = $1
        if ((t in t0) && $3 > t0[t]) {
          v = ($4 - w0[t]) / ($3 - t0[t])
          if (!(t in vmin) || v < vmin[t]) vmin[t] = v
        }
        t0[t] = $3; w0[t] = $4
      }
      END {
        printf "| %d | %s | %s | %.3f | %.2f / %.2f / %.2f | %.2f / %.2f |\n", I, name, c, len,
          tend[1], tend[2], tend[3], vmin[2], vmin[3]
      }
    ' "$work/path-$I.csv" "$work/path-$I-wheels.csv"
  done
}

make_path_table() {
  local I name
  for I in "${paths[@]}"; do
    "$exe" --path "$I" --out "$work/path-$I.csv" --wheels "$work/path-$I-wheels.csv" ||
      die "export of path $I failed"
    # The constants that --const does not take are fixed by the program.
    : >"$work/fixed-$I"
    for name in $(sed -n '/^# path_no=/,/^# error_kind=/{s/^# \([A-Za-z_]*\)=.*/\1/p}' \
      "$work/path-$I.csv" | grep -v -e '^path_no$' -e '^error_kind$'); do
      "$exe" --const "$name=1" --help >/dev/null 2>&1 || echo "$name" >>"$work/fixed-$I"
    done
  done
  write_block path-table
}

# --- Deviation tables of the demos and the exercises -------------------------------------

# deviation_rows LANG CSV: final distance, largest distance, final dx / dy, heading
# difference, one column per type, from a sweep of one size.
deviation_rows() {
  awk -F, -v lang="$1" -v zero=$no_effect "$fmt"'
    /^#/ || $1 == "value" { next }
    {
      t = $3
      if ($11 + 0 < zero) {
        d[t] = m[t] = (lang == "ja" ? "0（作用しない）" : "0 (does not act)")
        xy[t] = "0, 0"; th[t] = "0.00"
      } else {
        d[t] = mm($6); m[t] = mm($11); xy[t] = mm($4) ", " mm($5); th[t] = deg($7)
      }
    }
    END {
      if (lang == "ja") {
        r1 = "終点での距離 [mm]"; r2 = "運動中の最大距離 [mm]"
        r3 = "終点での位置の差 dx, dy [mm]"; r4 = "終点での方位の差 [°]"
      } else {
        r1 = "final distance [mm]"; r2 = "largest distance [mm]"
        r3 = "final position difference dx, dy [mm]"; r4 = "final heading difference [°]"
      }
      printf "| %s | %s | %s | %s |\n", r1, d[1], d[2], d[3]
      printf "| %s | %s | %s | %s |\n", r2, m[1], m[2], m[3]
      printf "| %s | %s | %s | %s |\n", r3, xy[1], xy[2], xy[3]
      printf "| %s | %s | %s | %s |\n", r4, th[1], th[2], th[3]
    }
  ' "$2"
}

# deviation_table LANG CSV...: the rows of each CSV under one header; with several, each
# group is headed by its command.
deviation_table() {
  local lang=$1 csv cmd
  shift
  type_header "$lang"
  for csv in "$@"; do
    if (($# > 1)); then
      cmd=$(cat "$csv.cmd")
      echo "| \`$cmd\` | | | |"
    fi
    deviation_rows "$lang" "$csv"
  done
}

# The demo and exercise scenarios: path options, then the error as --error takes it. Each
# must be the scenario of the guide's own command for that demo or exercise.
declare -A scenario=(
  [demo-1]="-- 1 3 -2"
  [demo-2]="--path 15 -- 2 3"
  [demo-3]="--path 11 -- 4 5 0"
  [demo-3-tread]="--path 11 -- 4 0 5"
  [demo-4]="--path 16 -- 5 2"
  [exercise-1]="--path 3 --const quad_A=0 -- 3 1"
  [exercise-2]="--path 15 -- 1 1 -1"
  [exercise-3]="--path 15 -- 1 1 1"
)

# in_guides LINE: both guides show LINE as a line of its own (a command of a code block).
in_guides() {
  grep -qxF -- "$1" "${guides[0]}" && grep -qxF -- "$1" "${guides[1]}" ||
    die "the guides do not show the command '$1' whose figures this script computes"
}

# run_scenario NAME: its one-size sweep into $work/NAME.csv, the command into NAME.csv.cmd.
run_scenario() {
  local s=${scenario[$1]} cmd
  cmd="agvsim ${s/-- /--error }"
  in_guides "$cmd"
  # shellcheck disable=SC2086
  sweep_one "$work/$1.csv" $s
  echo "$cmd" >"$work/$1.csv.cmd"
}

table_demo_1() { deviation_table "$1" "$work/demo-1.csv"; }
table_demo_2() { deviation_table "$1" "$work/demo-2.csv"; }
table_demo_3() { deviation_table "$1" "$work/demo-3.csv" "$work/demo-3-tread.csv"; }
table_demo_4() { deviation_table "$1" "$work/demo-4.csv"; }
table_exercise_answers() {
  local n
  for n in 1 2 3; do
    if [ "$1" = ja ]; then echo "**演習 $n** \`$(cat "$work/exercise-$n.csv.cmd")\`"; else
      echo "**Exercise $n** \`$(cat "$work/exercise-$n.csv.cmd")\`"; fi
    echo
    deviation_table "$1" "$work/exercise-$n.csv"
    [ "$n" = 3 ] || echo
  done
}

make_scenario_tables() {
  local name
  for name in "${!scenario[@]}"; do run_scenario "$name"; done
  write_block demo-1
  write_block demo-2
  write_block demo-3
  write_block demo-4
  write_block exercise-answers
}

# --- Demo 5: the final deviation against the size of a steering drift ---------------------

# The guide's own sweep command (demo 5).
drift_sweep=(--path 11 --sweep 3 0 10 0.25)

# Slope of the final distance over the drift for small drifts (up to 1°), a straight line
# through the origin fitted by least squares; how far the small drifts lie off it; and the
# largest drift against the line.
drift_fit() {
  awk -F, -v zero=$no_effect '
    /^#/ || $1 == "value" { next }
    {
      t = $3; x = $1 + 0; d = $6 + 0
      if (x > 0 && x <= 1 + 1e-9) { sxy[t] += x * d; sxx[t] += x * x; n[t]++; xs[t, n[t]] = x; ds[t, n[t]] = d }
      if (x >= xmax) { xmax = x; dmax[t] = d }
      if ($11 + 0 >= zero) acts[t] = 1
    }
    END {
      for (t = 1; t <= 3; t++) {
        a = acts[t] ? sxy[t] / sxx[t] : 0; off = 0
        for (i = 1; i <= n[t]; i++) {
          r = ds[t, i] / (a * xs[t, i]) - 1
          if (acts[t] && (r < 0 ? -r : r) > off) off = (r < 0 ? -r : r)
        }
        printf "%d %d %.17g %.17g %.17g %.17g\n", t, acts[t], a, off, xmax, dmax[t]
      }
    }
  ' "$work/drift.csv"
}

table_demo_5() {
  type_header "$1"
  awk -v lang="$1" "$fmt"'
    { t = $1; acts[t] = $2; a[t] = $3; off[t] = $4; xmax = $5; dmax[t] = $6 }
    END {
      if (lang == "ja") {
        r1 = "傾き（1° までの小さなドリフト）[mm/°]"; r2 = "1° までの点の直線からのずれ（最大）"
        r3 = sprintf("%g° での距離：計算値 / 直線の値 [mm]", xmax); none = "作用しない"
      } else {
        r1 = "slope for small drifts (up to 1°) [mm per °]"; r2 = "largest departure of the points up to 1° from the line"
        r3 = sprintf("distance at %g°: computed / straight line [mm]", xmax); none = "does not act"
      }
      for (t = 1; t <= 3; t++) {
        if (!acts[t]) { c1[t] = lang == "ja" ? "0（" none "）" : "0 (" none ")"; c2[t] = c3[t] = "—"; continue }
        c1[t] = mm(a[t]); c2[t] = sprintf("%.1f %%", off[t] * 100)
        c3[t] = sprintf("%s / %s (%+.0f %%)", mm(dmax[t]), mm(a[t] * xmax), (dmax[t] / (a[t] * xmax) - 1) * 100)
      }
      printf "| %s | %s | %s | %s |\n", r1, c1[1], c1[2], c1[3]
      printf "| %s | %s | %s | %s |\n", r2, c2[1], c2[2], c2[3]
      printf "| %s | %s | %s | %s |\n", r3, c3[1], c3[2], c3[3]
    }
  ' "$work/drift.fit"
}

make_drift_table() {
  in_guides "agvsim-export ${drift_sweep[*]} --out drift.csv"
  "$exe" "${drift_sweep[@]}" --out "$work/drift.csv" || die "the drift sweep failed"
  drift_fit >"$work/drift.fit"
  write_block demo-5
}

make_drift_plot() {
  if ! command -v gnuplot >/dev/null 2>&1; then
    . scripts/ensure-packages.sh
    agv_ensure_packages docs || die "the plot needs gnuplot"
  fi
  local a2 a3
  a2=$(awk '$1 == 2 { print $3 }' "$work/drift.fit")
  a3=$(awk '$1 == 3 { print $3 }' "$work/drift.fit")
  mkdir -p docs/guide
  gnuplot <<GP
set terminal pngcairo size 800,500 font "sans,11"
set output "docs/guide/demo-5-sweep.png"
set datafile separator ","
set key top left
set grid
set xlabel "steering drift [deg]  (agvsim-export ${drift_sweep[*]})"
set ylabel "final distance from the error-free vehicle [m]"
sel(t) = (\$3 == t) ? \$6 : NaN
set xrange [0:*]
plot "$work/drift.csv" using 1:(sel(3)) with points pt 5 title "type 3  1RDW1FS", \
     ""                using 1:(sel(2)) with points pt 7 title "type 2  1FDW1FS", \
     ""                using 1:(sel(1)) with points pt 9 title "type 1  2DW1C", \
     $a3 * x with lines dashtype 2 lc rgb "gray40" title "slope of the small drifts", \
     $a2 * x with lines dashtype 2 lc rgb "gray40" notitle
GP
  echo "wrote docs/guide/demo-5-sweep.png"
}

# --- Accuracy of the integration on the default ellipse ----------------------------------

# Per type: how far the reference ends from the ellipse's end point (A, 0), and the largest
# distance of the vehicle without error from the reference, in nm.
table_accuracy() {
  type_header "$1"
  awk -F, -v lang="$1" '
    function nm(m,   v) {
      v = m * 1e9
      if (v < 0.05) return "0"
      return v >= 10 ? sprintf("%.0f", v) : sprintf("%.1f", v)
    }
    /^# ellipse_A=/ { A = substr($0, 13) + 0 }
    /^#/ { next }
    NF == 11 && ($2 == "cp" || $2 == "agv") {
      k = $1 SUBSEP $3
      if ($2 == "cp") { cx[k] = $7; cy[k] = $8 } else { ax[k] = $7; ay[k] = $8 }
      if ($3 + 0 > last[$1]) last[$1] = $3 + 0
    }
    END {
      for (t = 1; t <= 3; t++) {
        m = 0
        for (j = 0; j <= last[t]; j++) {
          k = t SUBSEP j
          d = sqrt((ax[k] - cx[k]) ^ 2 + (ay[k] - cy[k]) ^ 2)
          if (d > m) m = d
        }
        k = t SUBSEP last[t]
        end[t] = nm(sqrt((cx[k] - A) ^ 2 + cy[k] ^ 2)); free[t] = nm(m)
      }
      if (lang == "ja") {
        r1 = sprintf("基準の終点と経路の終点 (%g, 0) の距離 [nm]", A)
        r2 = "誤差なしの車両と基準の距離（運動中の最大）[nm]"
      } else {
        r1 = sprintf("reference at the end: distance from the end point (%g, 0) of the path [nm]", A)
        r2 = "vehicle without error: largest distance from the reference [nm]"
      }
      printf "| %s | %s | %s | %s |\n", r1, end[1], end[2], end[3]
      printf "| %s | %s | %s | %s |\n", r2, free[1], free[2], free[3]
    }
  ' "$work/path-11.csv"
}

# --- Reproducibility of the random slip -------------------------------------------------

slip_args=(--path 16 --error 5 2)

table_slip_repeat() {
  local lines
  lines=$(wc -l <"$work/slip-a.csv")
  if [ "$1" = ja ]; then
    echo "\`agvsim-export ${slip_args[*]}\` を 2 回実行すると、${lines} 行の CSV が 2 回とも数値の最後の桁まで同じになります。"
  else
    echo "Two runs of \`agvsim-export ${slip_args[*]}\` write the same ${lines} lines of CSV, to the last digit."
  fi
}

make_slip_block() {
  "$exe" "${slip_args[@]}" --out "$work/slip-a.csv" || die "slip export failed"
  "$exe" "${slip_args[@]}" --out "$work/slip-b.csv" || die "slip export failed"
  cmp -s "$work/slip-a.csv" "$work/slip-b.csv" ||
    die "two runs of agvsim-export ${slip_args[*]} differ: the slip is not reproducible"
  write_block slip-repeat
}

# --- Pictures --------------------------------------------------------------------------

# Every picture of the guide: file, then the options of agvsim-export that make it.
pictures=(
  "vehicle-2dw1c.png|--path 15 --const arc_n=0.25 --type 1 --step end --view fit --size 640x480"
  "vehicle-1fdw1fs.png|--path 15 --const arc_n=0.25 --type 2 --step end --view fit --size 640x480"
  "vehicle-1rdw1fs.png|--path 15 --const arc_n=0.25 --type 3 --step end --view fit --size 640x480"
)
for I in "${paths[@]}"; do
  pictures+=("path-$I.png|--path $I --type 1 --step end --view fit")
done
pictures+=(
  "demo-1.png|--error 1 3 -2 --type 1 --step end --view fit"
  "demo-2.png|--path 15 --error 2 3 --type 2 --step end --view fit"
  "demo-3.png|--path 11 --error 4 5 0 --type 1 --step end --view fit"
  "demo-3-tread.png|--path 11 --error 4 0 5 --type 3 --step end --view fit"
  "demo-4.png|--path 16 --error 5 2 --type 1 --step end --view fit"
  "demo-5.png|--path 11 --error 3 1 --type 3 --step end --view fit"
)
animations=(
  "demo-1.gif|--error 1 3 -2 --type all --size 640x480"
)

make_pictures() {
  "$exe" --help >"$work/help"
  grep -q -- '--png' "$work/help" ||
    die "this agvsim-export cannot write pictures (no --png); the tables and the plot are made"
  mkdir -p docs/guide
  local entry file opts
  for entry in "${pictures[@]}"; do
    file=docs/guide/${entry%%|*} opts=${entry#*|}
    # shellcheck disable=SC2086
    "$exe" $opts --png "$file" || die "agvsim-export $opts --png $file failed"
    echo "wrote $file"
  done
  for entry in "${animations[@]}"; do
    file=docs/guide/${entry%%|*} opts=${entry#*|}
    # shellcheck disable=SC2086
    "$exe" $opts --gif "$file" || die "agvsim-export $opts --gif $file failed"
    echo "wrote $file"
  done
}

# --- Run ---------------------------------------------------------------------------------

make_error_table
make_path_table
make_scenario_tables
make_drift_table
write_block accuracy
make_slip_block
if ((want_plot)); then make_drift_plot; fi
if ((want_pictures)); then make_pictures; fi

# Every picture the guides show is one this script makes (links relative to docs/).
made=" demo-5-sweep.png "
for entry in "${pictures[@]}" "${animations[@]}"; do made+="${entry%%|*} "; done
for name in $(grep -oh 'guide/[A-Za-z0-9._-]*\.\(png\|gif\)' "${guides[@]}" | sort -u); do
  [[ $made == *" ${name#guide/} "* ]] || die "the guides show docs/$name, which this script does not make"
done

if ((check)); then
  status=0
  for i in 0 1; do
    diff -u "${guides[$i]}" "${targets[$i]}" || status=1
  done
  if ((status)); then
    echo "make-guide: the guide's tables differ from what the program gives now" \
      "(scripts/make-guide.sh --quick rewrites them)" >&2
    exit 1
  fi
  echo "the tables of ${guides[*]} match the program"
else
  echo "wrote the tables of ${guides[*]}"
fi
