#!/usr/bin/python3
"""`aisset-cli encode ownship` next to `aisset-cli --version`, process start to exit.

The command's own work (a form filled from JSON, one sentence built, the page
saved into a profile store) is small; the process start should be most of it.
Runs both in turn, interleaved, and prints their medians, maxima and ratios as a
Markdown table row.

Usage: cli_start.py AISSET-CLI [ROUNDS]
The store is a temporary folder of its own; the rest of the environment is the caller's.
"""
import json
import statistics
import subprocess
import sys
import tempfile
import time

TARGET = 1.2
FORM = {"crewCount": "25", "callSign": "BXYZ9", "shipType": "70", "draught": "8.5", "mmsi": "412345678",
        "imoNumber": "009123456", "shipName": "HAI XING 7", "antennaA": "100", "antennaB": "20",
        "antennaC": "5", "antennaD": "5", "epfdType": "1"}


def start_to_exit(command, stdin=None):
    start = time.monotonic()
    done = subprocess.run(command, input=stdin, capture_output=True, text=True, timeout=30)
    elapsed = (time.monotonic() - start) * 1000
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} failed ({done.returncode}): {done.stderr}")
    return elapsed


def main():
    cli = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    with tempfile.TemporaryDirectory() as store:
        runs = {
            "version": lambda: start_to_exit([cli, "--version"]),
            "encode": lambda: start_to_exit([cli, "encode", "ownship", "--store", store], json.dumps(FORM)),
        }
        runs["encode"]()  # the first saving makes the store
        times = {name: [] for name in runs}
        for r in range(rounds):
            for name in (["version", "encode"] if r % 2 == 0 else ["encode", "version"]):
                times[name].append(runs[name]())
    for name, values in times.items():
        print(f"{name}: {sorted(round(v, 1) for v in values)} ms", file=sys.stderr)
    e_med, e_max = statistics.median(times["encode"]), max(times["encode"])
    v_med, v_max = statistics.median(times["version"]), max(times["version"])
    print(f"| `aisset-cli encode ownship`, process start to exit ({rounds} runs each, interleaved) "
          f"| median {e_med:.1f} ms, max {e_max:.1f} ms | `aisset-cli --version`: median {v_med:.1f} ms, "
          f"max {v_max:.1f} ms; target ≤ {TARGET}× | {e_med / v_med:.2f}× (median), {e_max / v_max:.2f}× (max) |")


if __name__ == "__main__":
    main()
