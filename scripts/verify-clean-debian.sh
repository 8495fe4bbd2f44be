#!/usr/bin/env bash
# Tries the README's two commands on a fresh clone in a minimal Debian 12 (bookworm) made
# with debootstrap, as a new lab PC would see them:
#   1. as a user who is not root, ./scripts/run.sh and ./scripts/test.sh print the one
#      "sudo apt-get install ..." line of the missing packages and stop;
#   2. as root, ./scripts/run.sh installs the build packages, builds and starts agvsim,
#      and ./scripts/test.sh installs the test packages and passes every test.
# Needs root on a Debian machine (debootstrap is installed with apt-get when missing) and
# takes a while; CI does not run it.
#   sudo scripts/verify-clean-debian.sh
# The root goes to a new directory under ${AGV_CHROOT_PARENT:-/var/tmp} and is removed at
# the end (KEEP=1 keeps it); the logs go to build/verify-clean-debian/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
. scripts/ensure-packages.sh
start=$SECONDS
[ "$(id -u)" = 0 ] || { echo "verify-clean-debian.sh needs root (debootstrap, chroot)" >&2; exit 1; }
logs=$repo/build/verify-clean-debian
rm -rf "$logs" && mkdir -p "$logs"
say() { printf '== [%4d s] %s\n' $((SECONDS - start)) "$*"; }
fail() { printf 'verify-clean-debian: FAILED: %s\n' "$*" >&2; exit 1; }

# The first URI that serves Types "deb" of the given suite in this machine's apt sources,
# in the one-line format (sources.list, *.list) or the deb822 format (*.sources).
host_mirror() {
  local suite=$1 f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed 's/\[[^]]*\]//' "$f" | awk -v s="$suite" '$1 == "deb" && $3 == s { print $2 }'
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && awk -v s="$suite" '
      BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; uris = ""; suites = ""; enabled = "yes"
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^#/) continue
          v = $i; sub(/^[A-Za-z-]+:[ \t]*/, "", v)
          if ($i ~ /^Types:/) types = " " v " "
          else if ($i ~ /^URIs:/) uris = v
          else if ($i ~ /^Suites:/) suites = " " v " "
          else if ($i ~ /^Enabled:/) enabled = v
        }
        if (types ~ / deb / && index(suites, " " s " ") && enabled != "no") {
          split(uris, u, " "); print u[1]
        }
      }' "$f"
  done
}
mirror=$(host_mirror bookworm | head -n1)
security=$(host_mirror bookworm-security | head -n1)
mirror=${mirror:-http://deb.debian.org/debian}

if ! command -v debootstrap >/dev/null; then
  say "installing debootstrap"
  apt-get install -y -q debootstrap >/dev/null || { apt-get update -q >/dev/null && apt-get install -y -q debootstrap >/dev/null; }
fi

parent=${AGV_CHROOT_PARENT:-/var/tmp}
root=$(mktemp -d "$parent/agvsim-bookworm.XXXXXX")
chmod 755 "$root"  # a root directory every user can enter
mounted=()
cleanup() {
  local status=$? pid i
  # Whatever still runs inside the root (nothing should) is stopped, one pid at a time.
  for pid in $(ls /proc | grep -x '[0-9]*'); do
    [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill "$pid" 2>/dev/null || true
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
  done
  if grep -q " $root/" /proc/mounts; then
    echo "verify-clean-debian: $root still has mounts, not removed" >&2
  elif [ "${KEEP:-0}" = 1 ]; then
    echo "kept the root in $root"
  else
    rm -rf --one-file-system "$root"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

say "debootstrap bookworm from $mirror into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$logs/debootstrap.log" 2>&1 ||
  { tail -n 20 "$logs/debootstrap.log"; fail "debootstrap"; }

# apt in the root uses the same mirrors as this machine; the package lists are not
# fetched here: the scripts' own "apt-get update" retry has to do it.
rm -f "$root/etc/apt/sources.list"
{
  printf 'Types: deb\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\n' "$mirror"
  printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
  if [ -n "$security" ]; then
    printf '\nTypes: deb\nURIs: %s\nSuites: bookworm-security\nComponents: main\n' "$security"
    printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
  fi
} >"$root/etc/apt/sources.list.d/debian.sources"
rm -rf "$root"/var/lib/apt/lists/*
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
proxy=$(apt-config dump --format '%v' Acquire::http::Proxy 2>/dev/null || true)
[ -z "$proxy" ] || printf 'Acquire::http::Proxy "%s";\n' "$proxy" >"$root/etc/apt/apt.conf.d/01proxy"

# /proc for the programs (they find their tables through /proc/self/exe), /dev with its
# pseudo terminals for the terminal tests, a /dev/shm of its own for Mesa and Xvfb, /sys.
mount_in() { mount "$@"; mounted+=("${*: -1}"); }
mount_in -t proc proc "$root/proc"
mount_in -t sysfs -o ro sysfs "$root/sys"
mount_in --bind /dev "$root/dev"
mount_in --bind /dev/pts "$root/dev/pts"
mount_in -t tmpfs -o mode=1777 shm "$root/dev/shm"

path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
as_root() { chroot "$root" env -i PATH="$path" HOME=/root TERM=dumb bash -c "$1"; }
as_student() {
  chroot --userspec=student:student "$root" env -i PATH="$path" HOME=/home/student TERM=dumb \
    bash -c "$1"
}

# Fresh clones of this worktree's HEAD, one for root and one for the student.
commit=$(git rev-parse HEAD)
as_root 'useradd -m -s /bin/bash student'
for dest in root/agvsim home/student/agvsim; do
  git clone -q --no-checkout "$repo" "$root/$dest"
  git -C "$root/$dest" checkout -q "$commit"
done
as_root 'chown -R student:student /home/student/agvsim'
say "clones of $(git log -1 --format='%h %s' "$commit")"

# 1. Not root: one line, the missing packages of the groups, and no build.
check_student() {  # script groups...
  local script=$1 out status=0
  shift
  out=$(as_student "cd ~/agvsim && ./scripts/$script 2>&1") || status=$?
  printf '%s\n' "$out" >"$logs/student-$script.log"
  local want
  want="sudo apt-get install $(agv_packages "$@" | tr '\n' ' ' | sed 's/ $//')"
  [ "$status" != 0 ] || fail "student: $script did not stop"
  [ "$out" = "$want" ] || fail "student: $script printed
$out
instead of
$want"
  [ ! -e "$root/home/student/agvsim/build" ] || fail "student: $script built something"
  say "student: ./scripts/$script stops with status $status and prints: $out"
}
check_student run.sh build
check_student test.sh build test

# 2. Root: the dependencies are installed, agvsim is built and starts, every test passes.
say "root: ./scripts/run.sh (installs the build packages, builds, starts agvsim)"
status=0
as_root 'cd ~/agvsim && ./scripts/run.sh </dev/null' >"$logs/root-run.log" 2>&1 || status=$?
grep -q '^installing ' "$logs/root-run.log" || fail "root: run.sh installed nothing (see $logs/root-run.log)"
grep -q '軌道誤差設定' "$logs/root-run.log" || { tail -n 30 "$logs/root-run.log"; fail "root: agvsim did not start"; }
grep -q 'end of input: the program stops' "$logs/root-run.log" && [ "$status" = 1 ] ||
  fail "root: agvsim did not stop at the end of its input (status $status)"
version=$(as_root 'cd ~/agvsim && ./scripts/run.sh --version')
say "root: run.sh started the dialogue and stopped at the end of input; run.sh --version: $version"

say "root: ./scripts/test.sh (installs the test packages, builds, runs every test)"
as_root 'cd ~/agvsim && ./scripts/test.sh' >"$logs/root-test.log" 2>&1 ||
  { tail -n 40 "$logs/root-test.log"; fail "root: test.sh (see $logs/root-test.log)"; }
grep -q '^installing ' "$logs/root-test.log" || fail "root: test.sh installed nothing"
say "root: test.sh: $(grep -E 'tests passed|tests failed' "$logs/root-test.log")"
grep -E '^ *[0-9]+/[0-9]+ Test .*(Skipped|Not Run)' "$logs/root-test.log" || true

say "verify-clean-debian: all checks passed in $((SECONDS - start)) s (logs in $logs)"
