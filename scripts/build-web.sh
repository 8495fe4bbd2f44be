#!/usr/bin/env bash
# Builds the browser edition and the node edition of agvsim-export with emscripten:
#   dist/web/            index.html and its scripts: open it from a file or put the folder
#                        on any static web server; it loads nothing else; licenses/
#   dist/agvsim-web.zip  the same folder as one file
#   dist/node/           agvsim-export.js (node agvsim-export.js --path 11 --out a.csv) and
#                        the random tables it reads, beside it
# Installs the web group of scripts/packages.txt as root (see ensure-packages.sh). giflib
# is built from Debian's source package, unpacked in build/web-deps (see debian-source.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
agv_ensure_packages web
root=$PWD
build=$root/build/web
work=$root/build/web-deps
source scripts/debian-source.sh
debian_source_index giflib
giflib=$(source_dir giflib)
# Debian's emscripten finds its node modules there.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DAGV_WITH_PICTURES=OFF \
  -DCMAKE_CXX_FLAGS=-flto -DCMAKE_C_FLAGS=-flto -DCMAKE_EXE_LINKER_FLAGS=-flto \
  -DAGV_BUILD_TESTS=OFF -DAGV_BUILD_BENCH=OFF -DAGV_GIFLIB_SOURCE="$giflib" \
  >"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
cmake --build "$build" -j2 --target agvsim-web agvsim-export

# The page's font: IPAex Gothic cut down to the catalogue's characters, as the programs have it.
for font in /usr/share/fonts/{opentype,truetype}/ipaexfont-gothic/ipaexg.ttf; do
  [ -f "$font" ] && break
done
pyft_python=$(head -1 "$(command -v pyftsubset)" | sed -n 's/^#! *//p')
if [ ! "$build/agvsim-sans.ttf" -nt po/ja.po ] || [ ! "$build/agvsim-sans.ttf" -nt cmake/subset_font.py ]; then
  "${pyft_python:-python3}" cmake/subset_font.py "$font" "$build/agvsim-sans.ttf" po/ja.po po/en.po
fi

rm -rf dist/web dist/node dist/agvsim-web.zip
mkdir -p dist/web/licenses/giflib dist/web/licenses/font dist/node
cp "$giflib/COPYING" "$giflib/debian/copyright" dist/web/licenses/giflib/
# The page's font: the IPA Font License is in the font package's copyright file.
cp /usr/share/doc/fonts-ipaexfont-gothic/copyright dist/web/licenses/font/
cp web/page/index.html web/page/agvsim.css web/page/agvsim.js web/page/frame-canvas.js dist/web/
cp "$build/src/web/agvsim-web.js" dist/web/
# The font as a script (a data: URL): pages opened from a file may not fetch files.
{ printf 'self.agvsimFont = "data:font/ttf;base64,'; base64 -w0 "$build/agvsim-sans.ttf"; printf '";\n'; } \
  >dist/web/agvsim-font.js
cp "$build/src/agvsim-export.js" dist/node/
cp data/normal*.data dist/node/
(cd dist && zip -qr agvsim-web.zip web)
raw=$(find dist/web -maxdepth 1 -type f -exec cat {} + | wc -c)
gz=$(find dist/web -maxdepth 1 -type f -exec cat {} + | gzip -9 | wc -c)
echo "dist/web: the page $raw bytes, $gz gzipped; dist/node/agvsim-export.js; dist/agvsim-web.zip"
