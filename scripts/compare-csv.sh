#!/usr/bin/env bash
# Compares two CSV files of agvsim-export number by number, for example the Linux and the
# Windows build's output for the same answers: the two files must have the same lines and
# fields (CR before a line break is ignored; "#" lines are split at "=" and "," too); text
# fields, empty ones included, must match exactly, numbers by value: however they are
# written ("0.1", "0.10000000000000001", "1e-1"), whole numbers exactly, others within a
# tolerance. Prints how many numbers differ at all and beyond the tolerance, and the
# largest relative and absolute differences with their places.
#
# Usage: scripts/compare-csv.sh A.csv B.csv [TOLERANCE]     (default 1e-10)
# Two whole numbers (no point, no exponent: types, records, counts, path numbers) must be
# equal. Any other pair of numbers passes when |a - b| <= TOLERANCE * max(1, |a|, |b|):
# relative for large values, absolute near zero (deviations and curvatures pass through
# zero).
# Exit status: 0 all within the tolerance, 1 some beyond it, 2 the files differ in shape.
# Uses awk only.
set -euo pipefail
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: $0 A.csv B.csv [TOLERANCE]" >&2
  exit 2
fi
a=$1
b=$2
tol=${3:-1e-10}
for f in "$a" "$b"; do
  [ -r "$f" ] || { echo "$0: cannot read $f" >&2; exit 2; }
done

awk -v tol="$tol" -v file_b="$b" '
function abs(x) { return x < 0 ? -x : x }
function is_number(s) { return s ~ /^[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][-+]?[0-9]+)?$/ }
function is_whole(s) { return s ~ /^[-+]?[0-9]+$/ }
# Splits a line into fields: at commas, and in "#" lines also at "=".
function fields(line, out) {
  sub(/\r$/, "", line)
  if (line ~ /^#/) gsub(/=/, ",", line)
  return split(line, out, ",")
}
BEGIN {
  tol += 0
  numbers = differ = beyond = 0
  max_rel = max_abs = 0
  while ((getline la) > 0) {
    if ((getline lb < file_b) <= 0) {
      printf "shape: %s ends at line %d, the other file goes on\n", file_b, NR + 0
      exit 2
    }
    line++
    na = fields(la, fa)
    nb = fields(lb, fb)
    if (na != nb) {
      printf "shape: line %d has %d and %d fields\n", line, na, nb
      exit 2
    }
    for (i = 1; i <= na; i++) {
      if (is_number(fa[i]) && is_number(fb[i])) {
        numbers++
        if (fa[i] == fb[i]) continue
        x = fa[i] + 0; y = fb[i] + 0
        d = abs(x - y)
        if (d == 0) continue
        differ++
        m = abs(x) > abs(y) ? abs(x) : abs(y)
        if ((is_whole(fa[i]) && is_whole(fb[i])) || d > tol * (m > 1 ? m : 1)) {
          beyond++
          if (beyond <= 10) printf "beyond: line %d field %d: %s / %s\n", line, i, fa[i], fb[i]
        }
        if (d / m > max_rel) { max_rel = d / m; rel_at = "line " line " field " i ": " fa[i] " / " fb[i] }
        if (d > max_abs) { max_abs = d; abs_at = "line " line " field " i ": " fa[i] " / " fb[i] }
      } else if (fa[i] != fb[i]) {
        printf "shape: line %d field %d: \"%s\" / \"%s\"\n", line, i, fa[i], fb[i]
        exit 2
      }
    }
  }
  if ((getline lb < file_b) > 0) {
    printf "shape: %s has more lines than the other file (%d)\n", file_b, line
    exit 2
  }
  printf "lines %d, numbers %d, differing %d, beyond %g: %d\n", line, numbers, differ, tol, beyond
  if (differ) {
    printf "largest relative difference %.3g (%s)\n", max_rel, rel_at
    printf "largest absolute difference %.3g (%s)\n", max_abs, abs_at
  }
  exit beyond ? 1 : 0
}' <"$a"
