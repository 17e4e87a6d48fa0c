#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Option: --sanitize  build and test with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"

build=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DAISSET_WERROR=ON)
for arg in "$@"; do
  case "$arg" in
    --sanitize) build=build-asan; cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DAISSET_SANITIZE=ON) ;;
    *) echo "unknown option $arg" >&2; exit 2 ;;
  esac
done

scripts/deps.sh
cmake -S . -B "$build" -G Ninja "${cmake_args[@]}"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 300 -j2
