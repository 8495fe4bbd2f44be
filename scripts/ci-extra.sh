#!/usr/bin/env bash
# The checks CI runs after the default build, its tests and the package: the whole test
# suite again under the address and undefined-behaviour sanitizers (the asan preset), then
# every fuzz target for a bounded time. Any finding fails.
#   scripts/ci-extra.sh [FUZZ_SECONDS_PER_TARGET]      (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
./scripts/test.sh --preset asan
echo "== asan suite: $((SECONDS - start)) s"
start=$SECONDS
./scripts/fuzz.sh "${1:-60}"
echo "== fuzzing: $((SECONDS - start)) s"
