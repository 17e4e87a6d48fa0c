#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the normal build (warnings are errors) and its test suite,
#   2. the Debian package: built (only the three programs, scripts/package.sh),
#      linted, installed, tried from /usr/bin and purged (scripts/check-package.sh),
#   3. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
#   4. each libFuzzer target for a short, fixed time.
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

scripts/deps.sh clang libclang-rt-14-dev help2man xvfb openbox xdotool postgresql libpq-dev \
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0
export QT_QPA_PLATFORM=offscreen

# The builds are the presets of CMakePresets.json.
build_and_test() {
  cmake --preset "$1"
  cmake --build --preset "$1"
  ctest --preset "$1"
}

echo "== build and test"
build_and_test default
$quick && exit 0

echo "== Debian package"
deb=$(scripts/package.sh)
scripts/check-package.sh "$deb"

echo "== build and test with sanitizers"
# The window's tests run too (offscreen), and leaks are reported: the whole
# suite, Qt's objects included, frees what it allocates.
build_and_test asan

echo "== fuzz"
scripts/fuzz.sh 15
