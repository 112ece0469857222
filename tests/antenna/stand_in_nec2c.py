#!/usr/bin/env python3
"""A stand-in for nec2c whose feed impedance is known in closed form.

Run as the check runs nec2c:  stand_in_nec2c.py -i input.nec -o output.out

It reads the deck the check writes (GW, EX, LD, FR, XQ, LD -1, EN) and writes,
for every frequency of every XQ, the blocks of nec2c's output that the check
reads, laid out as nec2c lays them out. The feed impedance at f MHz is

    Z = R + j(w L0 - 1 / (w C0)) + Rp / (1 + j Qp (f / fp - fp / f))
          + sum over the two coils of k z / (1 + c z)

with w = 2 pi f, z each coil's series R-L-C load at f as its LD card gives it,
and no capacitor when C0 is 0, no tank when Rp is 0 (as NEC-2 leaves a load's
zero capacitance out). R and the tank radiate; the coils' share of the input
power is their loss. NEC-2 would add a second load on a coil to the first; the
check never means that, so a second load before LD -1 resets them fails. The
parameters come from the environment, in QUERLIN_STAND_IN: "r l0 c0 k c rp fp
qp" (ohms, microhenries, picofarads, none, siemens, ohms, MHz, none).
"""
import math
import os
import sys

COIL_TAGS = (2, 3)


def fail(message):
    sys.stderr.write("stand-in nec2c: " + message + "\n")
    sys.exit(1)


def feed(model, f, loads):
    r, l0, c0, k, c, rp, fp, qp = model
    w = 2 * math.pi * f * 1e6
    antenna = complex(r, w * l0 * 1e-6 - (1 / (w * c0 * 1e-12) if c0 else 0))
    if rp:
        antenna += rp / complex(1, qp * (f / fp - fp / f))
    coils = 0
    for tag in COIL_TAGS:
        if tag in loads:
            rl, ll, cl = loads[tag]
            z = complex(rl, w * ll - (1 / (w * cl) if cl else 0))
            coils += k * z / (1 + c * z)
    return antenna, antenna + coils


def frequencies(card):
    kind, count, first, step = int(card[1]), int(card[2]), float(card[5]), float(card[6])
    return [first * step**i if kind == 1 else first + step * i for i in range(count)]


def block(model, f, loads, tag, segment):
    antenna, z = feed(model, f, loads)
    current = 1 / z
    power = 0.5 * current.real
    radiated = power * antenna.real / z.real
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
 {tag:4d} {segment:5d} {1:11.4E} {0:11.4E} {current.real:11.4E} {current.imag:11.4E} {z.real:11.4E} {z.imag:11.4E} {current.real:11.4E} {current.imag:11.4E} {power:11.4E}


                               ---------- POWER BUDGET ---------
                               INPUT POWER   = {power:11.4E} Watts
                               RADIATED POWER= {radiated:11.4E} Watts
                               STRUCTURE LOSS= {power - radiated:11.4E} Watts
                               NETWORK LOSS  = {0:11.4E} Watts
                               EFFICIENCY    = {100 * radiated / power:7.2f} Percent
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
    source = None
    sweep = []
    out = ["\n" * 3 + 31 * " " + "-" * 42 + "\n" + 30 * " " +
           "|  NUMERICAL ELECTROMAGNETICS CODE (nec2c) |\n" + 31 * " " + "-" * 42 + "\n"]
    with open(sys.argv[2]) as deck:
        for line in deck:
            card = line.split()
            name = card[0] if card else ""
            if name == "GW":
                segments[int(card[1])] = (sum(n for _, n in segments.values()) + 1, int(card[2]))
            elif name == "EX":
                tag = int(card[2])
                source = (tag, segments[tag][0] + int(card[3]) - 1)
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
                if source is None:
                    fail("XQ before the source")
                out += [block(model, f, loads, *source) for f in sweep]
            elif name in ("GN", "NE", "NH", "RP") or name == "GE" and card[1] != "0":
                fail("the stand-in models free space and the feed point only: " + line.strip())
    with open(sys.argv[4], "w") as output:
        output.write("".join(out))


main()
