#!/usr/bin/env python3
"""How far the NEC-2 model's figures lie from those of a model eight times finer.

    tools/convergence.py QUERLIN_CALC [--segments N] [--factor F] [--positions LIST]
                         [--design "MHZ FEET INCHES"]... [--each]

Runs `querlin-calc check` at every coil position of each design (1 to 99 % unless
--positions names some, as 1,5,10-20) with --segments N and with F times N, one
check at a time (each runs at most two engines), and prints, per design, the
worst difference of the resonance (per cent) and of the inductance needed for
resonance (per cent) between the two, with its position, and whether both
figures of the coarser model rise as the coils move out. Without --design: the
README's 40-foot example for 7.1 MHz and designs for 3.6 and 14.2 MHz. Without
--segments the coarser model is the program's default and the finer one F times
its 81 segments. --each prints every position first: the position, then the
resonance and the resonant inductance of the coarser and of the finer model.
"""

import argparse
import json
import subprocess
import sys

DESIGNS = ["7.1 40 0.08", "3.6 80 0.08", "14.2 20 0.08"]


def positions(text):
    chosen = []
    for part in text.split(","):
        first, _, last = part.partition("-")
        chosen.extend(range(int(first), int(last or first) + 1))
    return chosen


def check(calc, design, position, segments):
    frequency, length, element = design.split()
    words = [calc, "check", "--json", "--frequency", frequency, "--length", length,
             "--element", element, "--position", str(position)]
    if segments:
        words += ["--segments", str(segments)]
    done = subprocess.run(words, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"{' '.join(words)}: {done.stderr.strip()}")
    return json.loads(done.stdout)


def deviation(coarse, fine, key):
    a, b = coarse.get(key), fine.get(key)
    if a is None or b is None:
        return None
    return (a / b - 1) * 100


def rises(values):
    known = [v for v in values if v is not None]
    return all(later > earlier for earlier, later in zip(known, known[1:]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("calc")
    parser.add_argument("--segments", type=int, default=0,
                        help="the coarser model's segments; the program's default unless given")
    parser.add_argument("--default-segments", type=int, default=81,
                        help="the program's default, which F times gives the finer model")
    parser.add_argument("--factor", type=int, default=8)
    parser.add_argument("--positions", type=positions, default=list(range(1, 100)))
    parser.add_argument("--design", action="append")
    parser.add_argument("--each", action="store_true", help="print every position's figures")
    args = parser.parse_args()
    finer = args.factor * (args.segments or args.default_segments)
    for design in args.design or DESIGNS:
        worst = {"resonance": (0, None), "resonant_inductance": (0, None)}
        series = {"resonance": [], "resonant_inductance": []}
        missing = []
        for position in args.positions:
            coarse = check(args.calc, design, position, args.segments)
            fine = check(args.calc, design, position, finer)
            if args.each:
                print(position, *(f"{model.get(key)}" for key in worst
                                  for model in (coarse, fine)))
            for key in worst:
                series[key].append(coarse.get(key))
                d = deviation(coarse, fine, key)
                if d is None:
                    missing.append(f"{key} at {position}")
                elif abs(d) > abs(worst[key][0]):
                    worst[key] = (d, position)
        print(f"{design} (MHz, feet, inches), {args.segments or 'default'} segments "
              f"against {finer}:")
        for key, (d, position) in worst.items():
            print(f"  {key}: worst {d:+.3f} % at {position} %")
        # The coils further out need more inductance and, as designed, resonate
        # higher: the resonance rises, the resonant inductance rises.
        print(f"  resonance rises with the position: {rises(series['resonance'])}")
        print(f"  resonant inductance rises with the position: "
              f"{rises(series['resonant_inductance'])}")
        if missing:
            print(f"  none: {', '.join(missing)}")


if __name__ == "__main__":
    main()
