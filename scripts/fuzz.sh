#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (the fuzz preset: clang with the address and
# undefined-behaviour sanitizers) and runs each one for a bounded time, starting from its
# seeds in fuzz/corpus/<target>/ and the corpus grown by earlier runs in build/fuzz/corpus/.
# A crash, a sanitizer report, an input slower than the time limit or a memory blow-up
# fails the script; the input that did it is kept in build/fuzz/findings/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET [TARGET...]]      (default: 60 s, every target)
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/ensure-packages.sh
agv_ensure_packages build fuzz || exit 1

seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(number_text normal_table command_line dialogue)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

# Per input at most 6 s: the dialogue target does at most three computations among six
# path checks per input, at most about 4 s with the sanitizers even on the heaviest paths
# (one computation of a 55 m path takes about 1 s here); a computation that took 1-2 s in
# a normal build (a slip of 70 %) took 7-15 s here.
common=(-timeout=6 -rss_limit_mb=2048 -print_final_stats=1)
mkdir -p build/fuzz/findings
failed=0
for target in "${targets[@]}"; do
  work=build/fuzz/corpus/$target
  mkdir -p "$work"
  options=("${common[@]}" -max_total_time="$seconds" -artifact_prefix="build/fuzz/findings/$target-")
  if [ "$target" = dialogue ]; then options+=(-max_len=256 -dict=fuzz/dialogue.dict); fi
  log=build/fuzz/$target.log
  status=0
  "build/fuzz/fuzz/fuzz_$target" "${options[@]}" "$work" "fuzz/corpus/$target" >"$log" 2>&1 ||
    status=$?
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  rate=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
  echo "fuzz_$target: ${runs:-?} inputs in ${seconds} s (${rate:-?}/s), status $status"
  if [ "$status" != 0 ]; then
    failed=1
    grep -E 'ERROR|SUMMARY|Test unit written|timeout' "$log" | head -n 20 || true
    echo "  full log: $log"
  fi
done
exit "$failed"
