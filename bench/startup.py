#!/usr/bin/python3
"""The window's start next to its floor.

Launches `aisset --measure-startup` and `startup_floor --measure-startup` (a
minimal Qt Widgets window with the same Chinese set-up) in turn, on the same
display and platform plugin, and takes from each the time from launching the
process to its first paint (both print the monotonic clock of the paint); then
the resident memory of each, idle, two seconds after its launch.

Usage: startup.py WINDOW FLOOR [ROUNDS]
The environment (display, platform, home folders) is the caller's.
Prints the details on stderr and Markdown table rows on stdout.
"""
import statistics
import subprocess
import sys
import time


def launch_to_paint(program):
    start = time.monotonic()
    done = subprocess.run([program, "--measure-startup"], capture_output=True, text=True, timeout=30)
    lines = [line for line in done.stdout.splitlines() if line.startswith("startup:")]
    if not lines:
        sys.exit(f"{program} printed no start-up time: {done.stderr}")
    return (float(lines[0].split("painted at ")[1].split()[0]) - start) * 1000


def resident_mb(program, seconds=2.0):
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(seconds)
    with open(f"/proc/{process.pid}/status") as status:
        kb = next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))
    process.terminate()
    process.wait()
    return kb / 1024


def main():
    window, floor = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    launch_to_paint(window)  # a first run deploys the runtime files
    paint = {window: [], floor: []}
    for r in range(rounds):
        for program in ([window, floor] if r % 2 == 0 else [floor, window]):
            paint[program].append(launch_to_paint(program))
    memory = {program: statistics.median(resident_mb(program) for _ in range(3)) for program in (window, floor)}
    for program, values in paint.items():
        print(f"{program}: launch to first paint {sorted(round(v, 1) for v in values)} ms, "
              f"resident {memory[program]:.1f} MB", file=sys.stderr)
    w_med, w_max = statistics.median(paint[window]), max(paint[window])
    f_med, f_max = statistics.median(paint[floor]), max(paint[floor])
    print(f"| start-up, launch to the window painted ({rounds} runs each, interleaved) | median {w_med:.1f} ms, "
          f"max {w_max:.1f} ms | the floor window: median {f_med:.1f} ms, max {f_max:.1f} ms; target ≤ 1.5× "
          f"| {w_med / f_med:.2f}× floor (median) |")
    print(f"| resident memory of the idle window (VmRSS, median of 3) | {memory[window]:.1f} MB "
          f"| the floor window: {memory[floor]:.1f} MB | {memory[window] / memory[floor]:.2f}× floor |")


if __name__ == "__main__":
    main()
