# Sourced by build-windows-deps.sh and build-web.sh: Debian's source packages, with Debian's
# patches, for the libraries built here for other targets.
#   debian_source_index PACKAGE   apt knows Debian's source packages (PACKAGE among them)
#   source_dir NAME               unpacks NAME into $work/src-NAME once; prints its folder

# A deb-src entry for every Debian archive entry of the machine's own apt sources (same
# mirror, suites and components), kept in a file of its own.
src_list=/etc/apt/sources.list.d/agvsim-deb-src.sources
deb_src_entries() {
  # One-line format: "deb [options] URI suite components..."
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk '$1 == "deb" {
      i = 2; opts = ""
      if ($2 ~ /^\[/) { while ($i !~ /\]$/) { opts = opts " " $i; i++ } opts = opts " " $i; i++ }
      uri = $i
      if (uri !~ /\/debian(-security)?\/?$/) next
      comps = ""; for (j = i + 2; j <= NF; j++) comps = comps " " $j
      printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents:%s\n", uri, $(i + 1), comps
      if (opts ~ /signed-by=/) { sub(/.*signed-by=/, "", opts); sub(/[] ].*/, "", opts)
        printf "Signed-By: %s\n", opts }
      printf "\n" }' "$f"
  done
  # deb822 format: the stanzas of type deb, as deb-src.
  for f in /etc/apt/sources.list.d/*.sources; do
    if [ ! -f "$f" ] || [ "$f" = "$src_list" ]; then continue; fi
    awk 'function flush() {
        if (types ~ /(^|[ \t])deb([ \t]|$)/ && enabled != "no" && uris ~ /\/debian(-security)?\/?$/)
          printf "Types: deb-src\n%s\n\n", body
        types = ""; body = ""; uris = ""; enabled = ""
      }
      /^[ \t]*#/ { next }
      /^[ \t]*$/ { flush(); next }
      { key = tolower($1) }
      key == "types:" { types = $0; sub(/^[^:]*:/, "", types); next }
      key == "enabled:" { enabled = tolower($2); next }
      key == "uris:" { uris = $0; sub(/[ \t]+$/, "", uris) }
      { body = body (body == "" ? "" : "\n") $0 }
      END { flush() }' "$f"
  done
}
debian_source_index() {
  local wanted
  wanted=$(deb_src_entries)
  [ -n "$wanted" ] || { echo "no Debian archive entry in the apt sources" >&2; return 1; }
  if [ ! -f "$src_list" ] || [ "$(cat "$src_list")" != "$wanted" ]; then
    [ "$(id -u)" = 0 ] || { echo "the Debian source index is needed: run as root" >&2; return 1; }
    echo "== enabling the Debian source index in $src_list"
    printf '%s\n' "$wanted" >"$src_list"
    apt_updated=false
  fi
  if ! apt-cache showsrc "$1" 2>/dev/null | grep -q '^Package:' && ! ${apt_updated:-false}; then
    apt-get update -qq
    apt_updated=true
  fi
}

# Unpacks Debian's source package $1 (with Debian's patches) into $work, once; prints the
# source directory. The newest version that the mirror serves is taken (a mirror may list
# a newer version in its index than it can hand out).
source_dir() {
  local name=$1 version dir
  dir=$(find "$work/src-$name" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -n1 || true)
  [ -n "$dir" ] && [ -f "$work/src-$name/.version" ] && { echo "$dir"; return; }
  for version in $(apt-cache showsrc "$name" | awk '/^Version:/ { print $2 }' | sort -rV); do
    rm -rf "$work/src-$name" && mkdir -p "$work/src-$name"
    # The download runs as root when apt's own user cannot write here; that is fine.
    if (cd "$work/src-$name" && apt-get source -qq "$name=$version" >&2); then
      echo "$version" >"$work/src-$name/.version"
      find "$work/src-$name" -mindepth 1 -maxdepth 1 -type d | head -n1
      return
    fi
    echo "($name $version cannot be fetched; trying an older version)" >&2
  done
  echo "no source package $name could be fetched" >&2
  return 1
}
