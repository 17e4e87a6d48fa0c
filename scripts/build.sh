#!/usr/bin/env bash
# Builds the tool, configuring the build folder only when it has never been
# configured: after that the build tool reruns CMake by itself whenever a CMake
# file changes, so a start with nothing changed only checks that all is built.
# Usage: scripts/build.sh [SOURCE_DIR BUILD_DIR]   (default: this checkout, build/)
set -euo pipefail
source_dir=${1:-$(cd "$(dirname "$0")/.." && pwd)}
build_dir=${2:-$source_dir/build}

if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir"
