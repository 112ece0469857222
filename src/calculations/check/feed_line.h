#pragma once

#include <complex>
#include <cstddef>
#include <optional>
#include <span>

namespace querlin::check {

// The feed point as the line sees it: its standing waves, the coil across it
// that matches it, and where its SWR reaches 2. Frequencies in MHz,
// inductances in µH, impedances in ohms; a value not found is NaN.

// The feed impedance at one frequency.
struct Sample {
    double frequency = 0;
    std::complex<double> impedance;
};

// The standing-wave ratio of a load on a line of that impedance: infinite
// where all the power comes back.
double standingWaveRatio(std::complex<double> load, double line);

// A coil across the feed point. Its loss resistance is its reactance at the
// frequency it was found for over its Q, and stays so at other frequencies.
struct ShuntCoil {
    double inductance = 0;
    double resistance = 0;
    double conductance = 0;  // siemens, what it adds to the feed's, there
};

// The coil of that Q (NaN for none: lossless) that cancels the feed's
// susceptance at the frequency; NaN where the feed is not capacitive. Fed
// with the line's conductance, that matches the line.
ShuntCoil shuntCoilFor(std::complex<double> feed, double frequency, double q);

// The feed with that coil across it, at a frequency.
std::complex<double> withShuntCoil(std::complex<double> feed, double frequency,
                                   const ShuntCoil& coil);

// The feed as it is with that coil taken from across it: what a sweep taken
// with the coil fitted says of the antenna alone.
std::complex<double> withoutShuntCoil(std::complex<double> seen, double frequency,
                                      const ShuntCoil& coil);

// Where the reactance rises through zero on the straight line between two
// neighbouring samples: the sample before the zero, the frequency, the
// resistance there and how steeply the reactance rises (ohms per MHz).
struct RisingZero {
    std::size_t below = 0;
    double frequency = 0;
    double resistance = 0;
    double slope = 0;
};

// Of the rising zeros between the samples, sorted by frequency, the one
// nearest the target (the lower of two as near); none where the reactance
// nowhere rises through zero.
std::optional<RisingZero> risingZeroNearest(std::span<const Sample> sorted, double target);

// How the feed is read between two neighbouring samples.
enum class Between {
    // The SWR on the straight line between them: a measurement's samples,
    // which are what they are, and a look close enough for the line.
    Straight,
    // The impedance on the cubic through the four samples around them (at
    // the ends, the nearest four): a sparse look at the engine's feed, which
    // is smooth in the frequency near a resonance.
    Cubic,
};

// The impedance at f between the samples below and below + 1, sorted by
// frequency, on the cubic.
std::complex<double> cubicBetween(std::span<const Sample> sorted, std::size_t below, double f);

// Where the reactance rises through zero on the cubic between the samples
// below and below + 1, whose reactance is negative at the one and not at the
// other.
double resonanceBetween(std::span<const Sample> sorted, std::size_t below);

// Where the SWR on the line reaches 2 going one way (step -1 or +1) from the
// frequency `from`, below 2, which lies on the sample below or between it and
// the next (the straight line needs only the samples); NaN where the SWR does
// not reach 2 within the samples, sorted by frequency.
double twoToOneEdge(std::span<const Sample> sorted, double line, std::size_t below, double from,
                    int step, Between between);

}  // namespace querlin::check
