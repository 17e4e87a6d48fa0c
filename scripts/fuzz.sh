#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a fixed time on its
# corpus in tests/fuzz/corpus/<name> (new inputs go to a scratch folder).
# Usage: scripts/fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

cmake --preset fuzz
cmake --build --preset fuzz

# A small quarantine keeps memory flat over a long run, and no allocation
# stacks are recorded: the targets allocate on every call, and recording took
# more time than the code under test. To see where a reported block was
# allocated or freed, run the target on the saved input with
# ASAN_OPTIONS=malloc_context_size=30.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=16:malloc_context_size=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for fuzzer in build-fuzz/tests/fuzz/*_fuzz; do
  name=$(basename "$fuzzer" _fuzz)
  scratch=$(mktemp -d)
  log="$scratch/log"
  echo "== $name: ${seconds}s"
  status=0
  "$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    "$scratch" "tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  grep -E "^(stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|Done )|ERROR|SUMMARY|runtime error" \
    "$log" | head -20 || true
  rm -rf "$scratch"
  if [[ $status -ne 0 ]]; then
    echo "fuzz target $name failed (exit $status)" >&2
    exit 1
  fi
done
echo "fuzz: all targets passed"
