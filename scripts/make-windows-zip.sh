#!/usr/bin/env bash
# Builds the Windows programs with the "windows" preset and packs them for distribution:
#
#   dist/agvsim-<version>-windows-x64.zip
#     agvsim-<version>-windows-x64/
#       agvsim.exe  agvsim-export.exe  normal01.data ... normal45.data
#       README.txt (Japanese and English)  LICENSE.txt  licenses/ (and the built-in font)
#
# The version is the CMake project version. The dependencies are built first
# (scripts/build-windows-deps.sh; the first run needs root for apt-get). Text files get
# Windows line ends, the README a UTF-8 byte order mark so that every Notepad reads it as
# UTF-8. The programs are stripped and checked to need no DLL beyond Windows' own.
set -euo pipefail
cd "$(dirname "$0")/.."
root_dir=$PWD
triplet=x86_64-w64-mingw32

./scripts/build-windows-deps.sh
deps=$root_dir/build/windows-deps
if ! command -v zip >/dev/null 2>&1 || ! command -v unzip >/dev/null 2>&1; then
  [ "$(id -u)" = 0 ] || { echo "zip is missing: apt-get install zip unzip" >&2; exit 1; }
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq zip unzip ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq zip unzip; }
fi

cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target agvsim agvsim-export
build=$root_dir/build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/CMakeCache.txt" >&2; exit 1; }
name=agvsim-$version-windows-x64

stage=$root_dir/build/windows-zip
rm -rf "$stage"
dir=$stage/$name
mkdir -p "$dir/licenses"

for exe in "$build/src/agvsim.exe" "$build/src/agvsim-export.exe"; do
  $triplet-strip -o "$dir/$(basename "$exe")" "$exe"
done
# Only DLLs that every Windows has: a C++ or thread runtime DLL here means that the static
# link flags of the toolchain file were lost.
allowed='^(kernel32|user32|gdi32|advapi32|shell32|msvcrt|opengl32|winmm|ws2_32|ole32|comdlg32)\.dll$'
for exe in "$dir"/*.exe; do
  while read -r dll; do
    if ! tr '[:upper:]' '[:lower:]' <<<"$dll" | grep -Eq "$allowed"; then
      echo "$(basename "$exe") needs $dll, which Windows does not have" >&2
      exit 1
    fi
  done < <($triplet-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
done
# A console program: started by a double-click it opens its own console for the dialogue.
for exe in "$dir"/*.exe; do
  $triplet-objdump -p "$exe" | grep '^Subsystem.*(Windows CUI)' >/dev/null ||
    { echo "$(basename "$exe") is not a console program" >&2; exit 1; }
done
cp data/normal01.data data/normal12.data data/normal23.data data/normal34.data \
  data/normal45.data "$dir/"

# Text with CRLF line ends; $3 = bom puts a UTF-8 byte order mark in front.
text() {
  { [ "${3:-}" = bom ] && printf '\357\273\277'; sed -e 's/\r$//' -e 's/$/\r/' "$1"; } >"$2"
}
sed "s/@VERSION@/$version/" packaging/windows/README.txt >"$stage/README.txt"
text "$stage/README.txt" "$dir/README.txt" bom
rm "$stage/README.txt"
text LICENSE "$dir/LICENSE.txt"
text packaging/windows/licenses-README.txt "$dir/licenses/README.txt"
text "$deps/share/licenses/freeglut/COPYING" "$dir/licenses/freeglut-COPYING.txt"
text "$deps/share/licenses/freeglut/copyright" "$dir/licenses/freeglut-copyright.txt"
text /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright \
  "$dir/licenses/gcc-runtime-copyright.txt"
text /usr/share/common-licenses/GPL-3 "$dir/licenses/GPL-3.txt"
text "$deps/share/licenses/freetype/FTL.TXT" "$dir/licenses/freetype-FTL.txt"
text "$deps/share/licenses/freetype/copyright" "$dir/licenses/freetype-copyright.txt"
# The font built into the programs: the IPA Font License (in the font package's copyright
# file), and the cut-down font itself, which the licence asks to go with the programs.
text /usr/share/doc/fonts-ipaexfont-gothic/copyright "$dir/licenses/font-copyright.txt"
cp "$build/src/agvsim-sans.ttf" "$dir/licenses/"
text /usr/share/doc/mingw-w64-x86-64-dev/copyright "$dir/licenses/mingw-w64-copyright.txt"

mkdir -p dist
zip_file=$root_dir/dist/$name.zip
rm -f "$zip_file"
(cd "$stage" && TZ=UTC zip -q -X -r -9 "$zip_file" "$name")
echo "$zip_file: $(stat -c %s "$zip_file") bytes"
(cd "$stage" && unzip -l "$zip_file" | tail -n +2)
