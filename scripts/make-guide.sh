#!/usr/bin/env bash
# Makes the tables, figures and pictures of the lecturer's guide (docs/guide.ja.md and
# docs/guide.en.md) from the program itself:
#   tables, figures  tools/make_guide, which computes them with the program's own code and
#                    writes them into both guides (see the head of tools/make_guide.cpp)
#   plot             docs/guide/demo-5-sweep.png, the sweep of demo 5 drawn with gnuplot
#   pictures         docs/guide/*.png and demo-1.gif with agvsim-export --png / --gif
#
# Usage: scripts/make-guide.sh [--quick | --no-pictures] [--check] [--build DIR]
#   --quick        the tables and figures only (a few seconds)
#   --no-pictures  the tables, figures and the plot, not the pictures
#   --check        write nothing: exit 1 when the guides' figures differ from the program's
#   --build DIR    the build whose make_guide and agvsim-export run (default build/default,
#                  built first when they are missing)
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
die() { echo "make-guide: $*" >&2; exit 1; }

want_plot=1 want_pictures=1 check=() build=build/default
while (($#)); do
  case $1 in
    --quick) want_plot=0 want_pictures=0 ;;
    --no-pictures) want_pictures=0 ;;
    --check) check=(--check) want_plot=0 want_pictures=0 ;;
    --build) (($# > 1)) || die "--build needs a directory"; build=$2; shift ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) die "unknown argument '$1' (see --help)" ;;
  esac
  shift
done
if [ ! -x "$build/tools/make_guide" ] || [ ! -x "$build/src/agvsim-export" ]; then
  [ -f "$build/CMakeCache.txt" ] || cmake --preset default >/dev/null
  cmake --build "$build" --target make_guide agvsim-export -j2 >/dev/null
fi
exe=$build/src/agvsim-export
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
guides=(docs/guide.ja.md docs/guide.en.md)

"$build/tools/make_guide" "${check[@]}" --plot "$work" "${guides[@]}"
if ((want_plot)); then
  if ! command -v gnuplot >/dev/null 2>&1; then
    . scripts/ensure-packages.sh
    agv_ensure_packages docs || die "the plot needs gnuplot"
  fi
  read -r a2 a3 <"$work/drift.fit"
  mkdir -p docs/guide
  gnuplot <<GP
set terminal pngcairo size 800,500 font "sans,11"
set output "docs/guide/demo-5-sweep.png"
set datafile separator ","
set key top left
set grid
set xlabel "steering drift [deg]  (agvsim-export --path 11 --sweep 3 0 10 0.25)"
set ylabel "final distance from the error-free vehicle [mm]"
sel(t) = (\$3 == t) ? \$16 : NaN
set xrange [0:*]
plot "$work/drift.csv" using 1:(sel(3)) with points pt 5 title "type 3  1RDW1FS", \
     ""                using 1:(sel(2)) with points pt 7 title "type 2  1FDW1FS", \
     ""                using 1:(sel(1)) with points pt 9 title "type 1  2DW1C", \
     1000 * $a3 * x with lines dashtype 2 lc rgb "gray40" title "slope of the small drifts", \
     1000 * $a2 * x with lines dashtype 2 lc rgb "gray40" notitle
GP
  echo "wrote docs/guide/demo-5-sweep.png"
fi

# Every picture of the guide: file, then the options of agvsim-export that make it.
pictures=()
for t in 1:2dw1c 2:1fdw1fs 3:1rdw1fs; do
  pictures+=("vehicle-${t#*:}.png|--path 15 --const arc_n=0.25 --type ${t%%:*} --step end --view fit --size 640x480")
done
for I in 1 2 3 4 11 12 13 14 15 16; do
  pictures+=("path-$I.png|--path $I --type 1 --step end --view fit")
done
pictures+=(
  "demo-1.png|--error 1 3 -2 --type 1 --step end --view fit"
  "demo-2.png|--path 15 --error 2 3 --type 2 --step end --view fit"
  "demo-3.png|--path 11 --error 4 5 0 --type 1 --step end --view fit"
  "demo-3-tread.png|--path 11 --error 4 0 5 --type 3 --step end --view fit"
  "tread-free-vehicle.png|--path 11 --error 4 0 5 --type 2 --step end --view fit --size 960x720"
  "tread-free-vehicle-ja.png|--path 11 --error 4 0 5 --type 2 --step end --view fit --size 960x720 --lang ja"
  "demo-4.png|--path 16 --error 5 2 --type 1 --step end --view fit"
  "demo-5.png|--path 11 --error 3 1 --type 3 --step end --view fit"
  "demo-1.gif|--error 1 3 -2 --type all --size 640x480"
)
if ((want_pictures)); then
  "$exe" --help >"$work/help"
  grep -q -- '--png' "$work/help" || die "this agvsim-export cannot write pictures (no --png)"
  mkdir -p docs/guide
  for entry in "${pictures[@]}"; do
    file=docs/guide/${entry%%|*} opts=${entry#*|} format=--png
    [[ $file == *.gif ]] && format=--gif
    [[ $opts == *--lang* ]] || opts+=" --lang en"  # the window's texts in English by default
    # shellcheck disable=SC2086
    "$exe" $opts $format "$file" || die "agvsim-export $opts $format $file failed"
    echo "wrote $file"
  done
fi

# Every picture the guides show is one this script makes (links relative to docs/).
made=" demo-5-sweep.png "
for entry in "${pictures[@]}"; do made+="${entry%%|*} "; done
for name in $(grep -oh 'guide/[A-Za-z0-9._-]*\.\(png\|gif\)' "${guides[@]}" | sort -u); do
  [[ $made == *" ${name#guide/} "* ]] || die "the guides show docs/$name, which this script does not make"
done
