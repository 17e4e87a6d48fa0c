#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the normal build (warnings are errors) and its test suite,
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
#   3. each libFuzzer target for a short, fixed time.
# Option: --quick  only step 1.
set -euo pipefail
cd "$(dirname "$0")"

quick=false
for arg in "$@"; do
  case "$arg" in
    --quick) quick=true ;;
    *) echo "unknown option $arg" >&2; exit 2 ;;
  esac
done

scripts/deps.sh clang libclang-rt-14-dev help2man xvfb openbox xdotool
export QT_QPA_PLATFORM=offscreen

build_and_test() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir"
  ctest --test-dir "$dir" --output-on-failure --timeout 300 -j2
}

echo "== build and test"
build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAISSET_WERROR=ON
$quick && exit 0

echo "== build and test with sanitizers"
# The window's tests run too (offscreen), and leaks are reported: the whole
# suite, Qt's objects included, frees what it allocates.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DAISSET_SANITIZE=ON -DAISSET_BUILD_GUI=ON

echo "== fuzz"
scripts/fuzz.sh 15
