#!/usr/bin/env bash
# Saves a picture of every page of the window, both editions, into OUTDIR
# (simplified-page1.png ... full-page5.png, and focus.txt: the field each page
# focuses), drawn offscreen. Run it before and after a change that must leave
# the window as it was, then compare: cmp OUTDIR-before/* OUTDIR-after/*.
# The build folder is build, or AISSET_BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ $# -ne 1 ]]; then
  echo "usage: scripts/window-shots.sh OUTDIR" >&2
  exit 2
fi
build=${AISSET_BUILD_DIR:-build}
cmake --build "$build" --target window_shots >/dev/null
mkdir -p "$1"
QT_QPA_PLATFORM=offscreen "$build/tests/ui/widgets/window_shots" "$1"
