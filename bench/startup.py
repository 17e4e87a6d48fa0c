#!/usr/bin/python3
"""The window's start next to its floor.

Launches `aisset --measure-startup` and `startup_floor --measure-startup` (a
minimal Qt Widgets window with the same set-up: platform plugin, font, Qt's
translation and one label in the chosen language) in turn, on the same display
and platform plugin, and takes from each the time from launching the process to
its first paint (both print the monotonic clock of the paint); then the
resident memory of each, idle, two seconds after its launch.

Usage: startup.py WINDOW FLOOR [ROUNDS] [--lang CODE] [--before OLD-WINDOW]
--lang is passed to every program (default: their own, Chinese); --before adds
an earlier build of the window to the same interleaved rounds, for a change's
figures side by side.
The environment (display, platform, home folders) is the caller's.
Prints the details on stderr and Markdown table rows on stdout: the figures,
then the breakdown of the start (median time of each step the programs mark).
"""
import argparse
import re
import statistics
import subprocess
import sys
import time

PAINT_TARGET = 1.3
MEMORY_TARGET = 1.25
NAMES = {"before": "Earlier build", "window": "Window", "floor": "Floor"}
STEP = re.compile(r"startup-step:\s+([\d.]+) ms \(\+\s*([\d.]+)\) (.*)")


def launch_to_paint(command, steps):
    """Milliseconds from launch to the first paint; appends the run's step times to `steps`."""
    start = time.monotonic()
    done = subprocess.run(command + ["--measure-startup"], capture_output=True, text=True, timeout=30)
    lines = done.stdout.splitlines()
    painted = [line for line in lines if line.startswith("startup:")]
    if not painted:
        sys.exit(f"{command[0]} printed no start-up time: {done.stderr}")
    launch = (float(painted[0].split("painted at ")[1].split()[0]) - start) * 1000
    # "startup-step:   12.3 ms (+  4.5) name": the step's own time, by name; the
    # time before main is the launch time less main's time to the paint.
    marks = [STEP.match(line) for line in lines]
    marks = [m for m in marks if m]
    main_to_paint = float(marks[-1].group(1)) if marks else float(painted[0].split()[1])
    run = {"process start to main": launch - main_to_paint}
    run.update((m.group(3), float(m.group(2))) for m in marks)
    steps.append(run)
    return launch


def resident_mb(command, seconds=2.0):
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(seconds)
    with open(f"/proc/{process.pid}/status") as status:
        kb = next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))
    process.terminate()
    process.wait()
    return kb / 1024


def breakdown(programs):
    """Table rows: each step's median per program, steps in the order the programs take them."""
    names = list(dict.fromkeys(name for steps in programs for run in steps for name in run))
    rows = []
    for name in names:
        cells = []
        for steps in programs:
            values = [run[name] for run in steps if name in run]
            cells.append(f"{statistics.median(values):.1f} ms" if values else "–")
        rows.append(f"| {name} | " + " | ".join(cells) + " |")
    return rows


def main():
    parser = argparse.ArgumentParser(description="The window's start next to its floor.")
    parser.add_argument("window")
    parser.add_argument("floor")
    parser.add_argument("rounds", nargs="?", type=int, default=21)
    parser.add_argument("--lang", help="the language of every program (zh, en)")
    parser.add_argument("--before", help="an earlier build of the window, measured in the same rounds")
    args = parser.parse_args()
    language = ["--lang", args.lang] if args.lang else []
    commands = {"window": [args.window] + language, "floor": [args.floor] + language}
    if args.before:
        commands["before"] = [args.before] + language

    launch_to_paint(commands["window"], [])  # a first run deploys the runtime files
    paint = {which: [] for which in commands}
    steps = {which: [] for which in commands}
    order = list(commands)
    for r in range(args.rounds):
        # Each program takes each place in the round in turn.
        for which in order[r % len(order):] + order[:r % len(order)]:
            paint[which].append(launch_to_paint(commands[which], steps[which]))
    memory = {which: statistics.median(resident_mb(commands[which]) for _ in range(3)) for which in commands}
    for which, values in paint.items():
        print(f"{' '.join(commands[which])}: launch to first paint {sorted(round(v, 1) for v in values)} ms, "
              f"resident {memory[which]:.1f} MB", file=sys.stderr)
    w_med, w_max = statistics.median(paint["window"]), max(paint["window"])
    f_med, f_max = statistics.median(paint["floor"]), max(paint["floor"])
    in_language = f", --lang {args.lang}" if args.lang else ""
    print(f"| start-up, launch to the window painted ({args.rounds} runs each, interleaved{in_language}) "
          f"| median {w_med:.1f} ms, max {w_max:.1f} ms | the floor window: median {f_med:.1f} ms, "
          f"max {f_max:.1f} ms; target ≤ {PAINT_TARGET}× | {w_med / f_med:.2f}× floor (median), "
          f"{w_max / f_max:.2f}× (max) |")
    print(f"| resident memory of the idle window (VmRSS, median of 3{in_language}) | {memory['window']:.1f} MB "
          f"| the floor window: {memory['floor']:.1f} MB; target ≤ {MEMORY_TARGET}× "
          f"| {memory['window'] / memory['floor']:.2f}× floor |")
    if args.before:
        b_med, b_max = statistics.median(paint["before"]), max(paint["before"])
        print(f"| the same, the earlier build: launch to the window painted | median {b_med:.1f} ms, max {b_max:.1f} ms "
              f"| the floor window, as above | {b_med / f_med:.2f}× floor (median), {b_max / f_max:.2f}× (max) |")
        print(f"| the same, the earlier build: resident memory | {memory['before']:.1f} MB "
              f"| the floor window, as above | {memory['before'] / memory['floor']:.2f}× floor |")
    print()
    columns = [which for which in ("before", "window", "floor") if which in commands]
    print("| Step of the start (median) | " + " | ".join(NAMES[c] for c in columns) + " |")
    print("|---" * (len(columns) + 1) + "|")
    for row in breakdown([steps[c] for c in columns]):
        print(row)


if __name__ == "__main__":
    main()
