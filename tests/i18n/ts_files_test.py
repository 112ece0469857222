#!/usr/bin/python3
"""Every translation is complete and in step with the sources.

    ts_files_test.py LUPDATE SOURCE_FOLDER TS_FILE...

Each .ts file may hold no unfinished, obsolete or vanished message, and
lupdate run over the sources into a copy of it must find exactly the texts
the file holds: a text added, changed or removed in the sources without
`cmake --build build --target update_translations` fails here.
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def messages(ts_file):
    """(context, source) -> the message element, over the whole file."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message
    return found


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    if not ts_files:
        sys.exit("no .ts file given")
    failures = []
    for ts_file in ts_files:
        name = Path(ts_file).name
        held = messages(ts_file)
        for (context, source), message in held.items():
            kind = message.find("translation").get("type")
            if kind is not None:
                failures.append(f"{name}: {kind} in {context}: {source!r}")
            elif not (message.findtext("translation") or "").strip():
                failures.append(f"{name}: empty translation in {context}: {source!r}")
        with tempfile.TemporaryDirectory() as work:
            copy = Path(work) / name
            shutil.copy(ts_file, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete",
                            sources, "-ts", str(copy)], check=True)
            current = messages(copy)
        for key in sorted(current.keys() - held.keys()):
            failures.append(f"{name}: not yet in the file, from the sources: {key}")
        for key in sorted(held.keys() - current.keys()):
            failures.append(f"{name}: no longer in the sources: {key}")
    for failure in failures:
        print(failure)
    if failures:
        sys.exit(f"{len(failures)} problems; run cmake --build build --target "
                 "update_translations and translate what it marks unfinished")
    print(f"{len(ts_files)} translations complete, {len(held)} texts each")


main()
