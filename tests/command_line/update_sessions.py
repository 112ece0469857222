#!/usr/bin/env python3
"""Writes what querlin-calc now prints into the sessions that show it.

    update_sessions.py QUERLIN_CALC FILE...

For a change that is meant to change the output: replays the sessions as
run_sessions.sh does, then puts each command's output in place of the one its
file shows, the commands, comments and prose as they were. Read the diff
before committing it: every line it changes is a line a user sees change.
"""

import os
import pathlib
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent


def session_lines(path, lines):
    """The indices of the lines run_sessions.sh replays, as it picks them."""
    picked = []
    if path.suffix == ".md":
        inside = session = False
        for i, line in enumerate(lines):
            if line.startswith("```"):
                inside, session = not inside, False
                continue
            if inside and line.startswith("$ querlin-calc"):
                session = True
            if inside and session:
                picked.append(i)
    else:
        picked = [i for i, line in enumerate(lines) if not line.startswith("#")]
    return picked


def replayed(calc, path):
    """What the sessions of the file print now, as run_sessions.sh compares it."""
    with tempfile.TemporaryDirectory() as keep:
        env = dict(os.environ, QUERLIN_SESSIONS_ACTUAL=keep)
        subprocess.run(["bash", str(HERE / "run_sessions.sh"), calc, str(path)], env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        return (pathlib.Path(keep) / "actual").read_text().split("\n")[:-1]


def commands(lines):
    """Where each command stands among the lines; a here-document's lines
    follow it, alike in both."""
    return [i for i, line in enumerate(lines) if line.startswith("$ ")]


def update(calc, path):
    lines = path.read_text().split("\n")[:-1]  # the last line ends in a newline too
    picked = session_lines(path, lines)
    actual = replayed(calc, path)
    expected = [lines[i] for i in picked]
    shown, now = commands(expected), commands(actual)
    if len(shown) != len(now):
        sys.exit(f"{path}: the replay shows {len(now)} commands, the file {len(shown)}")
    # From the last command back, so that the indices before it hold.
    for k in reversed(range(len(shown))):
        old_end = shown[k + 1] if k + 1 < len(shown) else len(expected)
        new_end = now[k + 1] if k + 1 < len(now) else len(actual)
        old = picked[shown[k] + 1:old_end]
        new = actual[now[k] + 1:new_end]
        if [lines[i] for i in old] == new:
            continue
        at = old[0] if old else picked[shown[k]] + 1
        for i in reversed(old):
            del lines[i]
        lines[at:at] = new
    path.write_text("\n".join(lines) + "\n")


def main():
    calc = sys.argv[1]
    for name in sys.argv[2:]:
        update(calc, pathlib.Path(name))


if __name__ == "__main__":
    main()
