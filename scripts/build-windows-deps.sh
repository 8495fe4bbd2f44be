#!/usr/bin/env bash
# Prepares the Windows cross build on Debian: installs the mingw-w64 toolchain and wine,
# then builds the libraries the Windows programs link in, as static libraries made with
# the project's toolchain file, into one prefix that the "windows" preset searches:
#
#   freeglut    from Debian's source package (apt-get source freeglut)
#   GoogleTest  from Debian's googletest sources in /usr/src/googletest
#   zlib, libpng, giflib  from Debian's source packages (for picture export)
#   FreeType    from Debian's source package (the scalable font's rasteriser)
#
# Usage: scripts/build-windows-deps.sh [PREFIX]     (default: build/windows-deps)
# The sources are unpacked and built in build/windows-deps-work (never committed). Every
# step is skipped when its result is already there, so running it again costs seconds.
# Installing packages needs root; without root the packages must already be installed.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
root_dir=$PWD
prefix=$(realpath -m "${1:-build/windows-deps}")
work=$root_dir/build/windows-deps-work
toolchain=$root_dir/cmake/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
jobs=2  # the machine is shared: at most two compile jobs

log() { printf '== %s\n' "$*"; }

# --- Packages -----------------------------------------------------------------------------
# The posix thread variant of the cross compilers (std::thread), wine for running the
# programs and the tests, dpkg-dev for apt-get source, and the build tools.
packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev wine wine64 dpkg-dev cmake make googletest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
apt_updated=false
if ((${#missing[@]})); then
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages: ${missing[*]} (run as root, or apt-get install them)" >&2
    exit 1
  fi
  log "installing ${missing[*]}"
  apt-get update -qq
  apt_updated=true
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# --- Sources and builds -------------------------------------------------------------------
source scripts/debian-source.sh  # Debian's source packages: source_dir
debian_source_index freeglut
mkdir -p "$work" "$prefix/share/licenses"

keep_licences() {  # licence texts of a dependency: $1 name, then files into licenses/NAME/
  mkdir -p "$prefix/share/licenses/$1" && cp "${@:2}" "$prefix/share/licenses/$1/"
}

# Stamp files record what was built from which version; a changed version builds anew.
stamp_ok() { [ -f "$prefix/.stamps/$1" ] && [ "$(cat "$prefix/.stamps/$1")" = "$2" ]; }
stamp() { mkdir -p "$prefix/.stamps" && echo "$2" >"$prefix/.stamps/$1"; }

cmake_dep() {  # source dir, build dir, extra cache settings...
  local src=$1 bld=$2
  shift 2
  rm -rf "$bld"
  cmake -S "$src" -B "$bld" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DAGV_WINDOWS_DEPS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$bld.log" 2>&1 ||
    { tail -n 30 "$bld.log" >&2; return 1; }
  cmake --build "$bld" -j"$jobs" >>"$bld.log" 2>&1 || { tail -n 30 "$bld.log" >&2; return 1; }
  cmake --install "$bld" >>"$bld.log" 2>&1 || { tail -n 30 "$bld.log" >&2; return 1; }
}

# freeglut: static only, desktop OpenGL, no demos.
dir=$(source_dir freeglut)
version=$(cat "$work/src-freeglut/.version")
if stamp_ok freeglut "$version" && [ -f "$prefix/lib/libfreeglut_static.a" ]; then
  log "freeglut $version: already built"
else
  log "freeglut $version: building"
  cmake_dep "$dir" "$work/build-freeglut" -DFREEGLUT_BUILD_STATIC_LIBS=ON \
    -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_GLES=OFF
  keep_licences freeglut "$dir/COPYING" "$dir/debian/copyright"
  stamp freeglut "$version"
fi

# GoogleTest with gmock, from the sources of the googletest package.
gtest_src=/usr/src/googletest
version=$(dpkg-query -W -f='${Version}' googletest)
if stamp_ok googletest "$version" && [ -f "$prefix/lib/libgtest.a" ]; then
  log "googletest $version: already built"
else
  log "googletest $version: building"
  cmake_dep "$gtest_src" "$work/build-googletest" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON \
    -DBUILD_SHARED_LIBS=OFF
  keep_licences googletest /usr/share/doc/googletest/copyright
  stamp googletest "$version"
fi

# zlib: Debian's source has no MinGW makefile; its CMake build makes the static library
# (named zlibstatic there), installed as the usual libz.a with zlib.h and the zconf.h of
# the build.
dir=$(source_dir zlib)
version=$(cat "$work/src-zlib/.version")
if stamp_ok zlib "$version" && [ -f "$prefix/lib/libz.a" ]; then
  log "zlib $version: already built"
else
  log "zlib $version: building"
  bld=$work/build-zlib
  rm -rf "$bld"
  { cmake -S "$dir" -B "$bld" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$bld" --target zlibstatic -j"$jobs"; } >"$bld.log" 2>&1 ||
    { tail -n 30 "$bld.log" >&2; exit 1; }
  mkdir -p "$prefix/include" "$prefix/lib"
  cp "$dir/zlib.h" "$bld/zconf.h" "$prefix/include/"
  cp "$bld/libzlibstatic.a" "$prefix/lib/libz.a"
  keep_licences zlib "$dir/LICENSE" "$dir/debian/copyright"
  stamp zlib "$version"
fi

# libpng: static, without its tests and tools, against the zlib above.
dir=$(source_dir libpng1.6)
version=$(cat "$work/src-libpng1.6/.version")
if stamp_ok libpng "$version" && [ -f "$prefix/lib/libpng16.a" ]; then
  log "libpng $version: already built"
else
  log "libpng $version: building"
  cmake_dep "$dir" "$work/build-libpng" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DZLIB_ROOT="$prefix" -DZLIB_LIBRARY="$prefix/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="$prefix/include"
  keep_licences libpng "$dir/LICENSE" "$dir/debian/copyright"
  stamp libpng "$version"
fi

# giflib: only a makefile for Unix; its library target builds with the cross compiler.
dir=$(source_dir giflib)
version=$(cat "$work/src-giflib/.version")
if stamp_ok giflib "$version" && [ -f "$prefix/lib/libgif.a" ]; then
  log "giflib $version: already built"
else
  log "giflib $version: building"
  rm -rf "$work/build-giflib"
  cp -a "$dir" "$work/build-giflib"
  make -C "$work/build-giflib" -j"$jobs" CC="$triplet-gcc-posix" AR="$triplet-ar" libgif.a \
    >"$work/build-giflib.log" 2>&1 || { tail -n 30 "$work/build-giflib.log" >&2; exit 1; }
  mkdir -p "$prefix/include" "$prefix/lib"
  cp "$work/build-giflib/gif_lib.h" "$prefix/include/"
  cp "$work/build-giflib/libgif.a" "$prefix/lib/"
  keep_licences giflib "$dir/COPYING" "$dir/debian/copyright"
  stamp giflib "$version"
fi

# FreeType: static, with none of its optional libraries (no HarfBuzz, Brotli, bzip2 or
# PNG: the font built in is a plain TrueType file) but the zlib above for its gzip module,
# whose own copy of zlib would clash with that one in the programs.
dir=$(source_dir freetype)
version=$(cat "$work/src-freetype/.version")
if stamp_ok freetype "$version with zlib" && [ -f "$prefix/lib/libfreetype.a" ]; then
  log "freetype $version: already built"
else
  log "freetype $version: building"
  cmake_dep "$dir" "$work/build-freetype" -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_HARFBUZZ=ON \
    -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON \
    -DZLIB_ROOT="$prefix" -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
  keep_licences freetype "$dir/docs/FTL.TXT" "$dir/debian/copyright"
  stamp freetype "$version with zlib"
fi

log "Windows dependencies are in $prefix"
