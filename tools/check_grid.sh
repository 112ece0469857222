#!/usr/bin/env bash
# How close the loading-coil formula comes: querlin-calc check on a grid of
# designs, summarised as the table of docs/physics.md.
#
#   tools/check_grid.sh QUERLIN_CALC
#
# Six bands from 160 to 10 metres; antennas at 40, 60 and 80 % of the
# free-space half wavelength (491.8 / f feet); 14 AWG wire (0.0641 in) and
# half-inch tubing; coils at 10 to 90 % of each half. Prints, for each length
# and coil position, the range of the resonance error in per cent (negative:
# the antenna resonates below the target) and of the ratio of the inductance
# the engine needs to the formula's, then how many designs come within 1 %
# and within 3 %.
set -euo pipefail
calc=$1
awk 'BEGIN {
    split("1.85 3.6 7.1 14.2 21.2 28.5", bands, " ")
    split("40 60 80", shares, " ")
    split("0.0641 0.5", elements, " ")
    for (b = 1; b <= 6; b++) for (s = 1; s <= 3; s++) for (e = 1; e <= 2; e++)
        for (p = 10; p <= 90; p += 20)
            printf "check --frequency %s --length %.4f --element %s --position %d\n",
                   bands[b], shares[s] / 100 * 491.8 / bands[b], elements[e], p
}' | "$calc" --batch | paste -d ' ' <(awk 'BEGIN {
    for (b = 1; b <= 6; b++) for (s = 40; s <= 80; s += 20) for (e = 1; e <= 2; e++)
        for (p = 10; p <= 90; p += 20) print s, p
}') - | awk '
    function field(line, key,   at, rest) {
        at = index(line, "\"" key "\":")
        if (!at) return "none"
        rest = substr(line, at + length(key) + 3)
        sub(/[,}].*/, "", rest)
        return rest
    }
    {
        share = $1; position = $2
        error = field($0, "resonance_error") + 0
        needed = field($0, "resonant_inductance")
        formula = field($0, "inductance"); gsub(/"/, "", formula)
        key = share " " position
        if (field($0, "resonance_error") == "null") { missing[key]++; next }
        if (!(key in low) || error < low[key]) low[key] = error
        if (!(key in high) || error > high[key]) high[key] = error
        if (needed != "null" && formula != 0) {
            ratio = (needed + 0) / (formula + 0)
            if (!(key in rlow) || ratio < rlow[key]) rlow[key] = ratio
            if (!(key in rhigh) || ratio > rhigh[key]) rhigh[key] = ratio
        }
        magnitude = error < 0 ? -error : error
        total++
        if (magnitude <= 1) within1++
        else if (magnitude <= 3) within3++
        else beyond++
    }
    END {
        printf "| length | coils at 10 %% | 30 %% | 50 %% | 70 %% | 90 %% |\n"
        printf "| --- | --- | --- | --- | --- | --- |\n"
        for (share = 40; share <= 80; share += 20) {
            printf "| %d %% of a half wave |", share
            for (position = 10; position <= 90; position += 20) {
                key = share " " position
                printf " %+.1f to %+.1f %% (%.2f to %.2f)", low[key], high[key], rlow[key], rhigh[key]
                if (key in missing) printf ", %d none", missing[key]
                printf " |"
            }
            printf "\n"
        }
        printf "\n%d designs with a resonance: %d within 1 %%, %d from 1 to 3 %% off, %d more than 3 %% off\n",
               total, within1, within3, beyond
    }'
