#!/usr/bin/python3
"""check --touchstone writes the model's feed point as a .s1p file that
scikit-rf, a library that is not QUERLIN's, loads: its frequencies and
impedances are those nec2c computes when the test runs it itself on the deck
of `querlin-calc nec`, its FR card set to the file's sweep.

    scikit_rf_test.py QUERLIN_CALC
"""
import os
import re
import subprocess
import sys
import tempfile

import numpy

# Debian 12's scikit-rf 0.15 still uses numpy.complex, which its numpy 1.24
# no longer has: the alias it meant, restored before skrf is loaded.
if not hasattr(numpy, "complex"):
    numpy.complex = complex
try:
    import skrf
except ImportError:
    sys.exit("scikit-rf is missing: install the Debian package python3-scikit-rf")

calc = sys.argv[1]
design = ["--frequency", "7.1", "--length", "40", "--element", "0.08", "--position", "50"]
feedline = 75.0

with tempfile.TemporaryDirectory() as work:
    model = os.path.join(work, "model.s1p")
    subprocess.run([calc, "check", *design, "--feedline", str(feedline), "--touchstone", model],
                   check=True, stdout=subprocess.DEVNULL)
    network = skrf.Network(model)
    assert network.nports == 1, network
    assert numpy.allclose(network.z0, feedline), network.z0
    hertz = network.f
    step = (hertz[-1] - hertz[0]) / (len(hertz) - 1)

    deck = subprocess.run([calc, "nec", *design], check=True, capture_output=True,
                          text=True).stdout
    deck = re.sub(r"^FR .*$", f"FR 0 {len(hertz)} 0 0 {hertz[0] / 1e6!r} {step / 1e6!r}", deck,
                  flags=re.MULTILINE)
    with open(os.path.join(work, "deck.nec"), "w") as file:
        file.write(deck)
    subprocess.run(["nec2c", "-i", "deck.nec", "-o", "deck.out"], cwd=work, check=True)
    with open(os.path.join(work, "deck.out")) as file:
        output = file.read()

# Each frequency's heading, and the source's line two lines below the input
# parameters' headings: tag, segment, voltage, current, impedance (R, X).
frequencies = [float(m) * 1e6 for m in re.findall(r"FREQUENCY : (\S+) MHz", output)]
impedances = [complex(float(line.split()[6]), float(line.split()[7]))
              for line in re.findall(r"ANTENNA INPUT PARAMETERS[^\n]*\n[^\n]*\n[^\n]*\n([^\n]*)",
                                     output)]
assert len(frequencies) == len(impedances) == len(hertz) == 201, (len(frequencies), len(hertz))
worst_frequency = numpy.max(numpy.abs(numpy.array(frequencies) - hertz))
worst_impedance = numpy.max(numpy.abs(network.z[:, 0, 0] / numpy.array(impedances) - 1))
print(f"{len(hertz)} frequencies from {hertz[0]:.0f} to {hertz[-1]:.0f} Hz; largest differences: "
      f"{worst_frequency:.3g} Hz, {worst_impedance:.3g} of the impedance")
assert worst_frequency < 1, worst_frequency
assert worst_impedance < 1e-9, worst_impedance
