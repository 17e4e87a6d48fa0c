#!/usr/bin/python3
"""Fails when a text marked for translation has no finished translation.

Runs lupdate over the source folders into a copy of each translation file (the
repository's files stay as they are) and lists every message of the copy that
is unfinished: a text added or changed in the code since the file was last
translated, or one never translated.

Usage: check-translations.py LUPDATE TS_FILE... --sources SOURCE_DIR... --options LUPDATE_OPTION...
The options are the build's own (AISSET_LUPDATE_OPTIONS), so that the check
finds the texts exactly as `update_translations` does.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def unfinished(ts_path):
    missing = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or not all(forms):
                missing.append(f"{name}: {message.findtext('source')!r}")
    return missing


def main():
    arguments = sys.argv[1:]
    sources_at, options_at = arguments.index("--sources"), arguments.index("--options")
    lupdate, ts_files = arguments[0], arguments[1:sources_at]
    sources, options = arguments[sources_at + 1:options_at], arguments[options_at + 1:]
    failed = False
    with tempfile.TemporaryDirectory() as work:
        for ts in ts_files:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            subprocess.run([lupdate, *options, "-silent", *sources, "-ts", copy], check=True, stdout=subprocess.DEVNULL)
            missing = unfinished(copy)
            for line in missing:
                print(f"{os.path.basename(ts)}: no translation: {line}")
            failed |= bool(missing)
    if failed:
        print("Refresh with `cmake --build build --target update_translations` and translate in Qt Linguist.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
