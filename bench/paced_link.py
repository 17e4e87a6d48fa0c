#!/usr/bin/python3
"""What a user waits for on a line paced at 38400 baud.

Runs `aisset-cli write ownship` and `aisset-cli read` against `aisset-sim --baud
38400`, interleaved with the same exchanges done by bench/serial_exchange.py (a
minimal pyserial script), and times each process from its start to its exit.
The unit logs, on the same monotonic clock, when the last byte of each answer
has left it; the time from there to the process's exit is the delay the
program adds after the answer. The write's profile store lives on a tmpfs.

Usage: paced_link.py BUILD_DIR [ROUNDS]
Prints the details on stderr and one Markdown table row per figure on stdout.
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

BAUD = 38400
BITS_PER_BYTE = 10  # 8N1: start bit, 8 data bits, stop bit
HERE = os.path.dirname(os.path.abspath(__file__))
FORM = {"crewCount": "25", "callSign": "BXYZ9", "shipType": "70", "draught": "8.5", "mmsi": "412345678",
        "shipName": "HAI XING 7", "antennaA": "100", "antennaB": "20", "antennaC": "5", "antennaD": "7",
        "epfdType": "1"}
READ_REQUEST = "$CVRSE,*7D"


def wire_ms(nbytes):
    return nbytes * BITS_PER_BYTE / BAUD * 1000


class Unit:
    """aisset-sim on a paced line, its log in a file."""

    def __init__(self, sim, folder):
        self.log_path = os.path.join(folder, "unit.log")
        self.log = open(self.log_path, "w")
        self.process = subprocess.Popen([sim, "--baud", str(BAUD), "--log-times"], stdout=subprocess.PIPE,
                                        stderr=self.log, text=True)
        self.device = self.process.stdout.readline().strip()
        self.seen = 0

    def last_answer_sent(self, timeout=1.0):
        """The clock time of the last answer byte logged since the previous call."""
        deadline = time.monotonic() + timeout
        while True:
            with open(self.log_path) as log:
                lines = log.read().splitlines()
            sent = [float(line.split()[0]) for line in lines[self.seen:] if " sent: " in line]
            if sent or time.monotonic() > deadline:
                self.seen = len(lines)
                return sent[-1] if sent else None
            time.sleep(0.01)

    def stop(self):
        self.process.terminate()
        self.process.wait()
        self.log.close()


def timed(unit, command, stdin=None):
    """Process start to exit, and last answer byte to exit, in ms."""
    start = time.monotonic()
    done = subprocess.run(command, input=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    end = time.monotonic()
    if done.returncode != 0:
        sys.exit(f"{command[0]} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
    answered = unit.last_answer_sent()
    if answered is None:
        sys.exit(f"the unit logged no answer for {command}")
    return (end - start) * 1000, (end - answered) * 1000


def summary(values):
    return statistics.median(values), max(values)


def main():
    build = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    cli = os.path.join(build, "apps/aisset-cli/aisset-cli")
    sim = os.path.join(build, "apps/aisset-sim/aisset-sim")
    script = [sys.executable, os.path.join(HERE, "serial_exchange.py")]
    form = json.dumps(FORM).encode()
    # The store on a tmpfs: the write saves the form first, the script saves nothing.
    store = tempfile.mkdtemp(prefix="aisset-bench-store-", dir="/dev/shm")
    with tempfile.TemporaryDirectory() as folder:
        unit = Unit(sim, folder)
        sentence = subprocess.run([cli, "encode", "ownship", "--store", store], input=form, capture_output=True,
                                  check=True).stdout.decode().strip()
        runs = {
            "cli write": lambda: timed(unit, [cli, "write", "ownship", "--port", unit.device, "--store", store],
                                       form),
            "script write": lambda: timed(unit, script + [unit.device, sentence, "!CVACK", "$ZLOUT"]),
            "cli read": lambda: timed(unit, [cli, "read", "--port", unit.device, "--store", store]),
            "script read": lambda: timed(unit, script + [unit.device, READ_REQUEST, "!CVSET"]),
        }
        times = {name: [] for name in runs}
        after = {name: [] for name in runs}
        order = list(runs)
        for r in range(rounds):
            # Interleaved, and each round in another order, so that a slow spell
            # of the machine falls on all four alike.
            for name in order[r % 4:] + order[:r % 4]:
                total, tail = runs[name]()
                times[name].append(total)
                after[name].append(tail)
        unit.stop()
    subprocess.run(["rm", "-rf", store], check=False)

    reply_bytes = 117 + 2
    exchanges = {"write": ("`aisset-cli write ownship`", len(sentence) + 2 + 8, 0.8),
                 "read": ("`aisset-cli read`", len(READ_REQUEST) + 2 + reply_bytes, 0.85)}
    for what, (label, nbytes, target) in exchanges.items():
        cli_med, cli_max = summary(times["cli " + what])
        ref_med, ref_max = summary(times["script " + what])
        tail_med, tail_max = summary(after["cli " + what])
        ref_tail_med, _ = summary(after["script " + what])
        wire = wire_ms(nbytes)
        print(f"{what}: tool {sorted(round(t, 1) for t in times['cli ' + what])}", file=sys.stderr)
        print(f"{what}: script {sorted(round(t, 1) for t in times['script ' + what])}", file=sys.stderr)
        print(f"| {label}, process start to exit at 38400 baud ({rounds} runs) | median {cli_med:.1f} ms, "
              f"max {cli_max:.1f} ms; wire time {wire:.1f} ms ({nbytes} bytes) | the pyserial script: median "
              f"{ref_med:.1f} ms, max {ref_max:.1f} ms; target ≤ {target}× | {cli_med / ref_med:.2f}× script "
              f"(median), {cli_med / wire:.2f}× wire |")
        print(f"| {label}, last byte of the answer to exit | median {tail_med:.1f} ms, max {tail_max:.1f} ms "
              f"| target ≤ 3 ms (median); the script: {ref_tail_med:.1f} ms | {tail_med / 3:.2f}× target |")


if __name__ == "__main__":
    main()
