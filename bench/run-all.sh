#!/usr/bin/env bash
# The performance table: builds the benchmarks, the virtual unit, the
# command-line tool and the window in Release (build-bench), runs them, and
# prints one Markdown row per figure with its ratio to what it is measured
# against. The reference script needs pyserial (Debian's python3-serial),
# installed here when missing.
# Usage: bench/run-all.sh            (about three minutes on 2 cores after the build, and a quarter
#                                    of an hour more for the store and import tables)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench

scripts/deps.sh libbenchmark-dev >&2   # the bench preset switches the benchmarks on
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
# Debian's own interpreter, the one its python3-serial belongs to.
python=/usr/bin/python3
"$python" -c 'import serial' 2>/dev/null || scripts/deps.sh python3 python3-serial >&2

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# Google Benchmark CSV: the value of one column of one benchmark.
column() { # csv-file benchmark column
  awk -F, -v name="$2" -v col="$3" '
    /^name,/ { for (i = 1; i <= NF; i++) { h = $i; gsub(/"/, "", h); idx[h] = i }; next }
    idx[col] { n = $1; gsub(/"/, "", n); if (n == name) print $idx[col] }' "$1"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3g", a / b }'; }

echo "== link over a pseudo-terminal" >&2
"$build/bench/link_bench" >"$scratch/link" 2>&1
sed -n '/^[^|]/p' "$scratch/link" >&2

echo "== command-line tool against the unit paced at 38400 baud, next to a pyserial script" >&2
"$python" bench/paced_link.py "$build" 15 >"$scratch/paced"

echo "== decoding" >&2
"$build/bench/decode_bench" --benchmark_format=csv >"$scratch/decode" 2>/dev/null
decode_us=$(column "$scratch/decode" decodeValidLine real_time)
reply_wire_ms=$(awk 'BEGIN { printf "%.1f", 119 * 10 / 38400 * 1000 }')


echo "== window" >&2
# A display of its own (Xvfb when installed, else Qt's offscreen platform), and a
# home of its own, so that the user's store and instance lock stay untouched.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" XDG_DATA_HOME="$scratch/home/data" \
  XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
platform=offscreen
if command -v Xvfb >/dev/null; then
  for n in $(seq 90 120); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
    export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
    platform="Xvfb"
    break
  done
fi
[[ $platform == offscreen ]] && export QT_QPA_PLATFORM=offscreen
"$python" bench/startup.py "$build/apps/aisset/aisset" "$build/bench/startup_floor" 21 >"$scratch/startup"

echo "== command-line tool: encode next to --version" >&2
"$python" bench/cli_start.py "$build/apps/aisset-cli/aisset-cli" 21 >"$scratch/cli"

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo
echo "Measured $(date -u +%Y-%m-%d) by \`bench/run-all.sh\` (Release build) on $(nproc) cores ($cpu), the window on $platform."
echo
echo "| Figure | Measured | Measured against | Ratio |"
echo "|---|---|---|---|"
cat "$scratch/paced"
printf '| decoding one parameter line into the form | %.1f µs | the reply'"'"'s wire time, %s ms | %s × wire |\n' \
  "$decode_us" "$reply_wire_ms" "$(ratio "$(awk -v us="$decode_us" 'BEGIN { print us / 1000 }')" "$reply_wire_ms")"
grep '^| processor' "$scratch/link"
cat "$scratch/cli"
sed '/^$/q' "$scratch/startup" # the figures; the breakdown of the start follows the table
sed '1,/^$/d' "$scratch/startup"

# The store's growth: its own tables (several minutes; most of it is the disk's
# flushes and the filling of a store of 100,000 ships).
echo "== store at 100 to 100,000 ships" >&2
disk=$(df --output=source,fstype "${TMPDIR:-/tmp}" | tail -1)
echo
echo "Store figures on $disk (the temporary folder's disk), load average before: $(cut -d' ' -f1-3 /proc/loadavg)."
echo
"$build/bench/store_bench"

# The installation report of a ship with 1,000 history entries, next to a
# program that only opens the database and writes two empty A4 pages.
echo "== installation report" >&2
echo
"$build/bench/report_bench"

# records import of 2,000 new ships into a store of 100,000, next to one saving
# per ship and a floor with the import's safety (about ten minutes, most of it
# the filling of three stores and the one-at-a-time savings).
echo "== records import" >&2
echo
"$build/bench/import_bench"
