#!/usr/bin/env bash
# The sweeps of "Tuning what you built" (README.md, docs/physics.md): the 40-foot example as
# querlin-calc nec models it, but built with each tip 10 cm longer (the outer
# wires' ends moved out) and coils of 15.2 uH with a Q of 200 at 7.1 MHz,
# swept by nec2c from 6.6 to 7.6 MHz in 10 kHz steps and written as an
# analyser writes a Touchstone file; and the same saved with one frequency
# mistyped.
#
#   tools/measured_example.sh QUERLIN_CALC FOLDER
set -euo pipefail
calc=$1
folder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$calc" nec --frequency 7.1 --length 40 --element 0.08 --position 50 | awk '
    BEGIN { CONVFMT = OFMT = "%.17g"; tip = 0.1; inductance = 15.2e-6; q = 200 }
    # GW tag segments x1 y1 z1 x2 y2 z2 radius, from tip to tip: the first
    # wire begins at one tip, the last ends at the other. LD 0 tag from to R L
    # C spreads the coil over its segments.
    $1 == "GW" && !seen++ { $5 -= tip }
    $1 == "LD" && $2 == 0 {
        n = $5 - $4 + 1
        $6 = 2 * 3.141592653589793 * 7.1e6 * inductance / q / n
        $7 = inductance / n
    }
    $1 == "FR" { $0 = "FR 0 101 0 0 6.6 0.01" }
    { line[++count] = $0; if ($1 == "GW") last = count }
    END {
        for (i = 1; i <= count; ++i) {
            if (i == last) { $0 = line[i]; $8 += tip; line[i] = $0 }
            print line[i]
        }
    }' >"$work/built.nec"
(cd "$work" && nec2c -i built.nec -o built.out)

# Each frequency, and the source line three lines below the input
# parameters: tag, segment, voltage, current, then R and X.
awk '
    BEGIN {
        print "! The 40-foot loaded dipole as built, swept at its feed point from 6.6 to 7.6 MHz."
        print "! Made with nec2c: each tip 10 cm longer than designed, each coil 15.2 uH, Q 200."
        print "# Hz S RI R 50"
    }
    /FREQUENCY :/ { hertz = $3 * 1e6 }
    /ANTENNA INPUT PARAMETERS/ { source = NR + 3 }
    NR == source {
        r = $7; x = $8; d = (r + 50) ^ 2 + x ^ 2
        printf "%.10g %.10g %.10g\n", hertz, ((r - 50) * (r + 50) + x * x) / d, 100 * x / d
    }' "$work/built.out" >"$folder/forty-foot-built.s1p"

awk 'NR == 1 { print "! The 40-foot loaded dipole as built, the sweep saved with one frequency mistyped."; next }
     /^6970000 / { sub(/^6970000/, "6907000") }
     { print }' "$folder/forty-foot-built.s1p" >"$folder/forty-foot-mistyped.s1p"
