#!/usr/bin/env bash
# Builds the browser and node editions (scripts/build-web.sh) and checks them against the
# native agvsim-export:
#   - the node edition writes the same CSV files (scripts/compare-csv.sh: numbers within
#     1e-10, whole numbers exactly) for scenarios across every path and error kind, and
#     ends with the same status on bad command lines and refusals;
#   - the page, opened from file:// in headless Chromium (web/test/page-test.js): no page or
#     console error, csv() and csv('wheels') equal to the native files, ArrowUp/ArrowDown,
#     controls and address, downloads, red and blue motions on the canvas, and the figures
#     (time to the first picture, computation time against the native one).
# The native exporter is build/default's (./scripts/test.sh builds it), else the core
# build's, built here. As root the web and webtest groups of scripts/packages.txt are
# installed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/ensure-packages.sh
agv_ensure_packages build web webtest
command -v npm >/dev/null || agv_ensure_packages npm
./scripts/build-web.sh

native=$root/build/default/src/agvsim-export
bench=$root/build/default/bench/agv_bench
if [ ! -x "$native" ]; then
  cmake --preset core >/dev/null
  cmake --build --preset core -j2 --target agvsim-export
  native=$root/build/core/src/agvsim-export
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "== the node edition against the native exporter"
# Across the ten paths and the six error kinds, with fractions and full-width digits. Not
# here: settings where a type's deviation is rounding noise only (no error, or a front wheel
# or steering error on 2DW1C): the record of its "largest" deviation is then the place of
# the largest noise, which differs between the two builds' libm; and path 13 with an error
# on the rear wheels, whose curvature near 3e-6 differs by 1e-10.
scenarios=(
  "--path 1 --error 5 3"
  "--path 1 --const cosine_A=0.1 --const cosine_L=5 --error 5 5"
  "--path 2 --error 3 0.5"
  "--path 3 --error 4 -1.5 2"
  "--path 4 --error 1 1/2 -1"
  "--path 11 --error 4 5 10"
  "--path 12"
  "--path 12 --error 2 3"
  "--path 13 --error 3 2 --lang en"
  "--path 14 --error 5 ２"
  "--path 15 --error 3 -1"
  "--path 16 --error 5 10"
)
fails=0
for s in "${scenarios[@]}"; do
  # shellcheck disable=SC2086
  "$native" $s --out "$tmp/native.csv" --wheels "$tmp/native-wheels.csv"
  # shellcheck disable=SC2086
  node dist/node/agvsim-export.js $s --out "$tmp/node.csv" --wheels "$tmp/node-wheels.csv"
  for f in "" -wheels; do
    if ! out=$(scripts/compare-csv.sh "$tmp/native$f.csv" "$tmp/node$f.csv" 1e-10); then
      echo "FAIL: $s ($f): $out"
      fails=$((fails + 1))
    fi
  done
  echo "ok: $s"
done
# The exit statuses: a bad command line (2), a refused computation (3), a table directory
# without tables (1); and a picture, which the node edition has not built in (2), as the
# core build's exporter.
set +e
node dist/node/agvsim-export.js --path 1 --png "$tmp/x.png" >/dev/null 2>&1
status=$?
set -e
if [ "$status" = 2 ] && [ ! -e "$tmp/x.png" ]; then
  echo "ok: status 2 of a picture"
else
  echo "FAIL: status $status of a picture"
  fails=$((fails + 1))
fi
for s in "--path 5" "--error 9" "--error 1 -100 0" "--path 1 --const cosine_A=1e9" \
  "--path 1 --tables $tmp"; do
  set +e
  # shellcheck disable=SC2086
  "$native" $s --out "$tmp/a.csv" >/dev/null 2>&1; a=$?
  # shellcheck disable=SC2086
  node dist/node/agvsim-export.js $s --out "$tmp/b.csv" >/dev/null 2>&1; b=$?
  set -e
  if [ "$a" != "$b" ]; then
    echo "FAIL: status of '$s': native $a, node $b"
    fails=$((fails + 1))
  else
    echo "ok: status $a of '$s'"
  fi
done

echo "== the page in headless Chromium"
(cd web/test && npm ci --no-audit --no-fund --loglevel=error)
native_ms=""
if [ -x "$bench" ]; then
  native_ms=$("$bench" --benchmark_filter='BM_compute_(default_cosine_kind0|ellipse_kind4)$' \
    --benchmark_format=json --benchmark_min_time=0.5 2>/dev/null |
    node -e 'let s="";process.stdin.on("data",d=>s+=d).on("end",()=>{const b=JSON.parse(s).benchmarks;
      console.log(b.map(x=>x.real_time).join(","))})')
fi
node web/test/page-test.js "$root/dist/web/index.html" "$native" "$tmp" "$native_ms" || fails=$((fails + 1))
echo "web: $fails failure(s)"
[ "$fails" = 0 ]
