#!/usr/bin/env bash
# Builds the Debian package, installs it as a lab administrator would, checks what a user
# gets, removes it again and checks that nothing of it is left. Needs root (CI runs it so).
#   scripts/check-package.sh [BUILD_DIR]   (default build/package: the package preset, which
#                                           builds the two programs only; configured if new)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
start=$SECONDS
say() { printf '== %s\n' "$*"; }
fail() { printf 'check-package: FAILED: %s\n' "$*" >&2; exit 1; }

[ "$(id -u)" = 0 ] || fail "needs root (it installs and removes the package)"
. scripts/ensure-packages.sh
agv_ensure_packages build package

build=$(realpath -m "${1:-build/package}")
if [ ! -f "$build/CMakeCache.txt" ]; then
  [ "$build" = "$repo/build/package" ] || fail "$build is not a configured build directory"
  cmake --preset package >/dev/null
fi
say "building agvsim and agvsim-export in $build"
cmake --build "$build" --target agvsim agvsim-export -j2 >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/agvsim_${version}_amd64.deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || fail "cpack made no $deb"
say "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

# Every library package the programs load is in the run group of scripts/packages.txt.
listed=" $(agv_packages run | tr '\n' ' ') "
for dep in $(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | awk '{ print $1 }'); do
  [[ $listed == *" $dep "* ]] || fail "$dep is a dependency but not in the run group of scripts/packages.txt"
done

installed() { dpkg-query -W -f='${Status}\n' agvsim 2>/dev/null | grep -qx 'install ok installed'; }
apt_get() { env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }
work=$(mktemp -d)
# On a failure the package does not stay installed.
trap 'rm -rf "$work"; installed && apt_get remove agvsim >/dev/null 2>&1 || true' EXIT

say "lintian (errors fail the check; warnings and notes are printed)"
lintian_status=0
lintian --display-info --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -v 'root privileges' "$work/lintian.txt" || true
[ "$lintian_status" = 0 ] || fail "lintian reports errors"
if installed; then
  say "removing the agvsim installed before"
  apt_get remove agvsim >/dev/null
fi
# Names with agvsim in them outside the package's list, compared before and after.
agvsim_names() {
  find /usr/bin /usr/share /usr/lib /etc /var/lib -path "$repo" -prune -o -name '*agvsim*' -print \
    2>/dev/null | sort || true
}
agvsim_names >"$work/names-before"
say "apt-get install $deb"
apt_get install "$deb" >/dev/null || { apt-get update -q >/dev/null && apt_get install "$deb" >/dev/null; }
installed || fail "the package did not install"
files=$(dpkg -L agvsim)

say "installed programs"
[ "$(command -v agvsim)" = /usr/bin/agvsim ] || fail "agvsim is not /usr/bin/agvsim"
[ "$(agvsim --version)" = "agvsim $version" ] || fail "agvsim --version: $(agvsim --version)"
[ "$(agvsim-export --version)" = "agvsim-export $version" ] || fail "agvsim-export --version"

say "manual pages"
for page in agvsim agvsim-export; do
  [ "$(man -w "$page")" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page: $(man -w "$page")"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
done
LC_ALL=C.UTF-8 MANPAGER=cat man agvsim | grep -q '軌道誤差設定' || fail "man agvsim does not render"

say "desktop entry"
desktop-file-validate /usr/share/applications/agvsim.desktop ||
  fail "desktop-file-validate reports errors"
grep -qx 'Exec=agvsim' /usr/share/applications/agvsim.desktop || fail "desktop entry Exec"
[ -f /usr/share/icons/hicolor/256x256/apps/agvsim.png ] || fail "no 256x256 icon"

# The installed programs in an empty directory, with the source tree's tables hidden in a
# mount namespace of their own: they must find /usr/share/agvsim/ by themselves.
say "installed tables"
mkdir "$work/run"
hidden() {
  unshare --mount sh -c 'mount -t tmpfs -o ro,size=1k none "$1" && cd "$2" && shift 2 && exec "$@"' \
    sh "$repo/data" "$work/run" "$@"
}
if ! hidden true 2>/dev/null; then
  echo "note: no mount namespace here; the source tree's tables stay visible"
  hidden() { (cd "$work/run" && "$@"); }
fi
hidden agvsim-export --error 5 2 --path 11 >"$work/installed.csv" || fail "installed agvsim-export"
"$build/src/agvsim-export" --error 5 2 --path 11 --tables "$repo/data" >"$work/build.csv"
cmp -s "$work/installed.csv" "$work/build.csv" || fail "installed and built CSV differ"
out=$(hidden agvsim --no-window </dev/null 2>&1) && fail "agvsim did not stop at the end of input"
[[ $out == *ランダム変換表読み込み完了* ]] || fail "installed agvsim did not load its tables: $out"
[ -z "$(ls -A "$work/run")" ] || fail "the programs left files: $(ls "$work/run")"

say "apt-get remove agvsim"
apt_get remove agvsim >/dev/null
[ -z "$(dpkg-query -W -f='${Status}' agvsim 2>/dev/null | grep -v not-installed)" ] ||
  fail "dpkg still knows agvsim: $(dpkg-query -W -f='${Status}' agvsim)"
while IFS= read -r path; do
  [ "$path" = /. ] && continue
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    # A directory stays only when another package owns it or it holds other files.
    dpkg-query -S "$path" >/dev/null 2>&1 || [ -n "$(ls -A "$path")" ] || fail "$path left behind"
  elif [ -e "$path" ] || [ -L "$path" ]; then
    fail "$path left behind"
  fi
done <<<"$files"
left=$(agvsim_names | comm -13 "$work/names-before" -)
[ -z "$left" ] || fail "left behind: $left"

say "check-package: all checks passed in $((SECONDS - start)) s ($(basename "$deb"))"
