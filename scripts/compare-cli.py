#!/usr/bin/env python3
"""Checks that two builds of aisset-cli give the same bytes for the same input.

Feeds both binaries the same random parameter lines (decode) and the same random
forms (encode of each group, saving into a store folder of each binary's own),
then compares standard output, standard error and exit code of every run, and
finally every file the two stores hold. Used before and after a change meant to
keep every output as it was.

Usage: scripts/compare-cli.py OLD_CLI NEW_CLI [--count N] [--seed S]
"""
import argparse
import filecmp
import json
import os
import random
import subprocess
import sys
import tempfile

GROUPS = ("ownship", "system", "factory")
PACKED_TAIL = ("aisTransmit", "autoRange", "gpsOutput", "customMessage", "autoVhfOff")
TEXT_CODE = "`!\"#$%&'()*+,-./pqrstuvwxy:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"
PRINTABLE = "".join(chr(c) for c in range(0x20, 0x7F))
SIX_BIT = " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"


def checksum(text):
    value = 0
    for c in text.encode("latin-1", "replace"):
        value ^= c
    return "%02X" % value


def random_field(rng, length, kind):
    roll = rng.random()
    if roll < 0.01:  # a field cut short or overlong
        length = max(0, length + rng.choice((-2, -1, 1)))
    if roll < 0.05:
        alphabet = PRINTABLE
    elif kind == "date":
        return "%02d%02d%02d" % (rng.randrange(100), rng.randrange(1, 13), rng.randrange(1, 29))
    elif kind in LISTED:
        return rng.choice(LISTED[kind])
    elif kind == "text":
        alphabet = TEXT_CODE if rng.random() < 0.2 else "`pqrstuvwxyABCDEFGHIJKLMNOPQRSTUVWXYZ"
    elif rng.random() < 0.6:  # a small number, zero-filled
        return str(rng.randrange(10 ** rng.randrange(1, max(2, length)))).zfill(length)
    else:
        alphabet = "0123456789"
    return "".join(rng.choice(alphabet) for _ in range(length))


# Values the unit sends for the fields that select a list entry; other values
# end the decoding early, which is compared too but covers less.
LISTED = {
    "shipType": ["20", "30", "31", "36", "40", "52", "60", "70", "71", "80", "90", "07", "99"],
    "epfd": [str(n) for n in range(9)],
    "channel": ["1001", "1019", "1088", "1201", "1288", "2001", "2088", "2260", "0000", "9999"],
    "distance": ["%02d" % n for n in range(0, 18)],
}

# length and kind of each field, in line order
LINE_FIELDS = [(6, "date"), (9, "d"), (4, "d"), (7, "text"), (4, "d"), (7, "text"), (2, "shipType"), (3, "d"),
               (9, "d"), (9, "d"), (20, "text"), (3, "d"), (3, "d"), (2, "d"), (2, "d"), (1, "epfd"),
               (4, "channel"), (4, "channel"), (2, "distance"), (2, "distance")]


def random_line(rng):
    body = "CVSET," + "".join(random_field(rng, n, kind) for n, kind in LINE_FIELDS)
    # status characters across the whole printable range, beyond "w" included
    body += "".join(rng.choice(PRINTABLE) for _ in range(4))
    if rng.random() < 0.05:
        body = body[: rng.randrange(len(body))]
    return "!" + body + "*" + (checksum(body) if rng.random() < 0.9 else "00")


def random_text(rng, alphabet, most):
    return "".join(rng.choice(alphabet) for _ in range(rng.randrange(most + 1)))


def random_form(rng, decoded):
    """A form from a decoded one: some fields changed, some choices left unselected."""
    form = {}
    for name, value in decoded.items():
        value = value.replace("_", "").replace("米", "")
        if value == "" and name not in PACKED_TAIL:
            continue
        if name in PACKED_TAIL and rng.random() < 0.15:
            value = "" if rng.random() < 0.5 else None  # unselected, or left at its start entry
            if value is None:
                continue
            form[name] = value
            continue
        form[name] = value
    for name in rng.sample(sorted(decoded), rng.choice((0, 0, 0, 1, 2))):
        roll = rng.random()
        if roll < 0.4:
            form[name] = random_text(rng, "0123456789", 10)
        elif roll < 0.7:
            form[name] = random_text(rng, SIX_BIT.lower() + SIX_BIT, 22)
        elif roll < 0.85:
            form.pop(name, None)
        else:
            form[name] = random_text(rng, "0123456789.", 5)
    return form


def run(cli, args, stdin=""):
    done = subprocess.run([cli] + args, input=stdin.encode(), capture_output=True,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    return done.returncode, done.stdout, done.stderr


def same(old, new, args, stdin, what):
    a, b = run(old, args, stdin), run(new, args, stdin)
    if a != b:
        print("DIFFERENT:", what, args, stdin[:200], file=sys.stderr)
        print("  old:", a, file=sys.stderr)
        print("  new:", b, file=sys.stderr)
        return False, a
    return True, a


def compare_stores(left, right):
    differences = 0
    for root, _dirs, files in os.walk(left):
        for name in files:
            path = os.path.join(root, name)
            other = os.path.join(right, os.path.relpath(path, left))
            if not os.path.exists(other) or not filecmp.cmp(path, other, shallow=False):
                print("STORE DIFFERS:", os.path.relpath(path, left), file=sys.stderr)
                differences += 1
    for root, _dirs, files in os.walk(right):
        for name in files:
            if not os.path.exists(os.path.join(left, os.path.relpath(os.path.join(root, name), right))):
                print("ONLY IN NEW STORE:", name, file=sys.stderr)
                differences += 1
    return differences


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    options = parser.parse_args()
    rng = random.Random(options.seed)
    failures = runs = 0
    with tempfile.TemporaryDirectory() as old_store, tempfile.TemporaryDirectory() as new_store:
        for _ in range(options.count):
            line = random_line(rng)
            ok, (_rc, out, _err) = same(options.old, options.new, ["decode", line], "", "decode")
            runs += 1
            failures += not ok
            try:
                decoded = json.loads(out)["fields"]
            except (ValueError, KeyError):
                continue
            form = json.dumps(random_form(rng, decoded), ensure_ascii=False)
            group = rng.choice(GROUPS)
            a = run(options.old, ["encode", group, "--json", "--store", old_store], form)
            b = run(options.new, ["encode", group, "--json", "--store", new_store], form)
            runs += 1
            if a != b:
                failures += 1
                print("DIFFERENT: encode", group, form, "\n  old:", a, "\n  new:", b, file=sys.stderr)
        store_differences = compare_stores(old_store, new_store)
    print(f"{runs} runs, {failures} with different output, {store_differences} store files differ")
    return 1 if failures or store_differences else 0


if __name__ == "__main__":
    sys.exit(main())
