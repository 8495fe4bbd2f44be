# Sourced by the other scripts: makes sure the Debian packages of some groups of
# scripts/packages.txt are installed.
#   agv_ensure_packages build test
# As root the missing ones are installed with apt-get (after an apt-get update when the
# first try fails); otherwise the one command that installs them all is printed on
# standard error and the function fails, so the calling script stops before building.

agv_packages_file="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/packages.txt"

# The packages of the named groups, one per line.
agv_packages() {
  awk -v groups=" $* " '
    /^[[:space:]]*(#|$)/ { next }
    { g = $1; sub(/:$/, "", g); if (index(groups, " " g " ")) for (i = 2; i <= NF; i++) print $i }
  ' "$agv_packages_file"
}

agv_ensure_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "note: not a Debian system, the packages of '$*' are not checked" >&2
    return 0
  fi
  local missing=() p
  for p in $(agv_packages "$@"); do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -qx 'install ok installed' ||
      missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "installing ${missing[*]}"
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends)
    "${apt[@]}" "${missing[@]}" || { apt-get update && "${apt[@]}" "${missing[@]}"; }
    return
  fi
  echo "sudo apt-get install ${missing[*]}" >&2
  return 1
}
