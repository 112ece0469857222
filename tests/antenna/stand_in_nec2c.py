#!/usr/bin/env python3
"""A stand-in for nec2c whose feed impedance is known in closed form.

Run as the check runs nec2c:  stand_in_nec2c.py -i input.nec -o output.out

It reads the deck the check writes (GW, EX, LD, FR, PT, XQ, LD -1, EN) and
writes, for every frequency of every XQ, the blocks of nec2c's output that the
check reads, laid out as nec2c lays them out. The feed impedance at f MHz is

    Z = R + j(w L0 - 1 / (w C0)) + Rp / (1 + j Qp (f / fp - fp / f))
          + sum over the two coils of k z / (1 + j b z)

with w = 2 pi f, z each coil's series R-L-C load at f as its LD card gives it,
and no capacitor when C0 is 0, no tank when Rp is 0 (as NEC-2 leaves a load's
zero capacitance out): each coil has a susceptance b across it and couples in
through a lossless transformer. R and the tank radiate; the coils' share of the
input power is their loss. NEC-2 would add a second load on a coil to the
first; the check never means that, so a second load before LD -1 resets them
fails. The parameters come from the environment, in QUERLIN_STAND_IN: "r l0 c0
k b rp fp qp" (ohms, microhenries, picofarads, none, siemens, ohms, MHz, none).

Consecutive EX cards excite together, as in NEC-2; sources on both coils
excite them alike with the feed shorted, and the currents follow from the
reciprocal network whose feed impedance is the one above. PT 0 0 FIRST LAST
prints the currents of the feed and the coils among those segments, PT -1
none; each coil must be a single segment.
"""
import cmath
import math
import os
import sys

COIL_TAGS = (2, 3)


def fail(message):
    sys.stderr.write("stand-in nec2c: " + message + "\n")
    sys.exit(1)


def load(f, loads, tag):
    if tag not in loads:
        return 0
    w = 2 * math.pi * f * 1e6
    rl, ll, cl = loads[tag]
    return complex(rl, w * ll - (1 / (w * cl) if cl else 0))


def feed(model, f, loads):
    r, l0, c0, k, b, rp, fp, qp = model
    w = 2 * math.pi * f * 1e6
    antenna = complex(r, w * l0 * 1e-6 - (1 / (w * c0 * 1e-12) if c0 else 0))
    if rp:
        antenna += rp / complex(1, qp * (f / fp - fp / f))
    coils = sum(k * z / (1 + 1j * b * z) for z in (load(f, loads, tag) for tag in COIL_TAGS))
    return antenna, antenna + coils


def ports(model, f, loads):
    """The currents per volt: at the feed and in each coil fed at the feed,
    then at the feed and in each coil fed at both coils. With d added to each
    coil's load zd, Z = (a d + Z(zd)) / (c d + 1): the network's admittances
    follow, the feed's from the coils twice the coil's from the feed."""
    k, b = model[3], model[4]
    antenna, z = feed(model, f, loads)
    zd = load(f, loads, COIL_TAGS[0])
    u = 1 + 1j * b * zd
    a, c = (antenna * 1j * b + 2 * k) / u, 1j * b / u
    coil_from_feed = cmath.sqrt((a / z - c) / z / 2)
    return 1 / z, coil_from_feed, 2 * coil_from_feed, a / z


def current_lines(segments, printed, values):
    if printed is None:
        return ""
    first, last = printed
    lines = "".join(
        f" {segment:5d} {tag:4d}    0.0000    0.0000    0.0000   0.00356 "
        f"{values[tag].real:11.4E} {values[tag].imag:11.4E} {abs(values[tag]):11.4E} "
        f"{math.degrees(cmath.phase(values[tag])):8.3f}\n"
        for tag, (segment, _) in sorted(segments.items(), key=lambda item: item[1])
        if first <= segment <= last and tag in values)
    return f"""

                           -------- CURRENTS AND LOCATION --------
                                  DISTANCES IN WAVELENGTHS

   SEG  TAG    COORDINATES OF SEGM CENTER     SEGM    ------------- CURRENT (AMPS) -------------
   No:  No:       X         Y         Z      LENGTH     REAL      IMAGINARY    MAGN        PHASE
{lines}"""


def frequencies(card):
    kind, count, first, step = int(card[1]), int(card[2]), float(card[5]), float(card[6])
    return [first * step**i if kind == 1 else first + step * i for i in range(count)]


def block(model, f, loads, sources, printed, tags):
    antenna, z = feed(model, f, loads)
    feed_self, coil_from_feed, feed_from_coils, coil_self = ports(model, f, loads)
    if [tag for tag, _ in sources] == [1]:
        currents = {1: feed_self, 2: coil_from_feed, 3: coil_from_feed}
        power = 0.5 * feed_self.real
        radiated = power * antenna.real / z.real
    elif sorted(tag for tag, _ in sources) == list(COIL_TAGS):
        # An engine whose printed digits leave the coils' own currents a
        # little off misleads the ports, not the feed's own solution.
        coil_self *= 1 + float(os.environ.get("QUERLIN_STAND_IN_COIL_ERROR", "0"))
        currents = {1: feed_from_coils, 2: coil_self, 3: coil_self}
        power = radiated = coil_self.real
    else:
        fail("the stand-in excites the feed or both coils, not " + str(sources))
    inputs = "".join(
        f" {tag:4d} {segment:5d} {1:11.4E} {0:11.4E} {currents[tag].real:11.4E} "
        f"{currents[tag].imag:11.4E} {(1 / currents[tag]).real:11.4E} "
        f"{(1 / currents[tag]).imag:11.4E} {currents[tag].real:11.4E} "
        f"{currents[tag].imag:11.4E} {0.5 * currents[tag].real:11.4E}\n"
        for tag, segment in sources)
    loading = "".join(
        "  %4d    1    1  %10.4E  %10.4E%s\n" % (t, rl, ll, 52 * " " + "SERIES ")
        for t, (rl, ll, _) in sorted(loads.items()))
    return f"""
                               --------- FREQUENCY --------
                                FREQUENCY : {f:10.4E} MHz
                                WAVELENGTH: {299.792458 / f:10.4E} Mtr


                          ------ STRUCTURE IMPEDANCE LOADING ------
  LOCATION        RESISTANCE  INDUCTANCE  CAPACITANCE     IMPEDANCE (OHMS)   CONDUCTIVITY  CIRCUIT
  ITAG FROM THRU     OHMS       HENRYS      FARADS       REAL     IMAGINARY   MHOS/METER      TYPE
{loading}

                            -------- ANTENNA ENVIRONMENT --------
                            FREE SPACE


                        --------- ANTENNA INPUT PARAMETERS ---------
  TAG   SEG       VOLTAGE (VOLTS)         CURRENT (AMPS)         IMPEDANCE (OHMS)        ADMITTANCE (MHOS)     POWER
  No:   No:     REAL      IMAGINARY     REAL      IMAGINARY     REAL      IMAGINARY    REAL       IMAGINARY   (WATTS)
{inputs}{current_lines(tags, printed, currents)}

                               ---------- POWER BUDGET ---------
                               INPUT POWER   = {power:11.4E} Watts
                               RADIATED POWER= {radiated:11.4E} Watts
                               STRUCTURE LOSS= {power - radiated:11.4E} Watts
                               NETWORK LOSS  = {0:11.4E} Watts
                               EFFICIENCY    = {100 * radiated / power if power else 0:7.2f} Percent
"""


def main():
    if len(sys.argv) != 5 or sys.argv[1] != "-i" or sys.argv[3] != "-o":
        fail("usage: stand_in_nec2c.py -i input.nec -o output.out")
    try:
        model = [float(word) for word in os.environ["QUERLIN_STAND_IN"].split()]
    except (KeyError, ValueError):
        fail("QUERLIN_STAND_IN must give r l0 c0 k c rp fp qp")
    if len(model) != 8:
        fail("QUERLIN_STAND_IN must give r l0 c0 k c rp fp qp")
    loads = {}
    segments = {}  # tag: (first segment, count)
    sources = []
    executed = False
    printed = None
    sweep = []
    out = ["\n" * 3 + 31 * " " + "-" * 42 + "\n" + 30 * " " +
           "|  NUMERICAL ELECTROMAGNETICS CODE (nec2c) |\n" + 31 * " " + "-" * 42 + "\n"]
    with open(sys.argv[2]) as deck:
        for line in deck:
            card = line.split()
            name = card[0] if card else ""
            if name == "GW":
                if int(card[1]) in COIL_TAGS and card[2] != "1":
                    fail("the stand-in models coils of one segment")
                segments[int(card[1])] = (sum(n for _, n in segments.values()) + 1, int(card[2]))
            elif name == "EX":
                tag = int(card[2])
                sources = [] if executed else sources
                executed = False
                sources.append((tag, segments[tag][0] + int(card[3]) - 1))
            elif name == "PT":
                printed = (int(card[3]), int(card[4])) if card[1] == "0" else None
            elif name == "LD" and card[1] == "-1":
                loads = {}
            elif name == "LD" and card[1] == "0" and int(card[2]) in COIL_TAGS:
                if int(card[2]) in loads:
                    fail("a second load on tag " + card[2] + " without LD -1 between")
                loads[int(card[2])] = tuple(float(word) for word in card[5:8])
            elif name == "LD":
                fail("no model of the load " + line.strip())
            elif name == "FR":
                sweep = frequencies(card)
            elif name == "XQ":
                if not sources:
                    fail("XQ before the source")
                executed = True
                out += [block(model, f, loads, sources, printed, segments) for f in sweep]
            elif name in ("GN", "NE", "NH", "RP") or name == "GE" and card[1] != "0":
                fail("the stand-in models free space and the feed point only: " + line.strip())
    with open(sys.argv[4], "w") as output:
        output.write("".join(out))


main()
