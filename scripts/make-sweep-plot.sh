#!/usr/bin/env bash
# Re-makes docs/sweep.png: the final deviation of the faulty vehicle against the size of a
# left rear wheel radius error on the default cosine, from agvsim-export --sweep. Needs
# gnuplot (installed with apt-get when missing and run as root).
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v gnuplot >/dev/null 2>&1; then
  if [ "$(id -u)" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y gnuplot-nox
  else
    echo "this script needs gnuplot: sudo apt-get install gnuplot-nox" >&2
    exit 1
  fi
fi
[ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build --preset default --target agvsim-export -j"$(nproc)" >/dev/null
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
build/default/src/agvsim-export --sweep 1 0 5 0.25 --out "$csv"
gnuplot <<GP
set terminal pngcairo size 800,500 font "sans,11"
set output "docs/sweep.png"
set datafile separator ","
set key top left
set grid
set xlabel "left rear wheel radius error [%]  (agvsim-export --sweep 1 0 5 0.25)"
set ylabel "final distance from the error-free vehicle [m]"
sel(t) = (\$3 == t) ? \$6 : NaN
plot "$csv" using 1:(sel(1)) with points pt 7 title "type 1  2DW1C", \
     ""     using 1:(sel(3)) with points pt 5 title "type 3  1RDW1FS", \
     ""     using 1:(sel(2)) with points pt 9 title "type 2  1FDW1FS"
GP
echo "wrote docs/sweep.png"
