#!/usr/bin/env bash
# Builds the browser and node editions (scripts/build-web.sh) and checks them against the
# native agvsim-export: web/test/node-exporter-test.js (the node edition's CSV files and
# exit statuses) and web/test/page-test.js (the page from file:// in headless Chromium).
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
if [ ! -x "$native" ]; then
  cmake --preset core >/dev/null
  cmake --build --preset core -j2 --target agvsim-export
  native=$root/build/core/src/agvsim-export
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "== the node edition against the native exporter"
fails=0
node web/test/node-exporter-test.js "$native" dist/node/agvsim-export.js "$tmp" || fails=1

echo "== the page in headless Chromium"
(cd web/test && npm ci --no-audit --no-fund --loglevel=error)
node web/test/page-test.js "$root/dist/web/index.html" "$native" "$tmp" "$root/build/default/bench/agv_bench" || fails=$((fails + 1))
echo "web: $fails failure(s)"
[ "$fails" = 0 ]
