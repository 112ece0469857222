#include "check/feed_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace querlin::check {
namespace {

using std::numbers::pi;
using Complex = std::complex<double>;

// The standing-wave ratio (1 + |G|) / (1 - |G|), G = (Z - Z0) / (Z + Z0),
// which for a resistance is R / Z0 or Z0 / R (the ARRL Antenna Book,
// "Transmission Lines"). 50 + j50: |G| = 1 / sqrt(5).
TEST(FeedLine, StandingWaveRatioOfPublishedLoads) {
    const struct {
        Complex load;
        double line;
        double swr;
    } cases[] = {
        {{50, 0}, 50, 1},
        {{25, 0}, 50, 2},
        {{100, 0}, 50, 2},
        {{75, 0}, 50, 1.5},
        {{50, 50}, 50, (1 + 1 / std::sqrt(5.0)) / (1 - 1 / std::sqrt(5.0))},
        {{50, -50}, 50, 2.618034},
        {{0, 0}, 50, INFINITY},
        {{0, 30}, 50, INFINITY},
    };
    for (const auto& c : cases) {
        const double swr = standingWaveRatio(c.load, c.line);
        // All the power comes back from a short or a pure reactance.
        if (std::isinf(c.swr)) {
            EXPECT_GT(swr, 1e12) << c.load;
        } else {
            EXPECT_NEAR(swr, c.swr, 1e-6 * c.swr) << c.load << " on " << c.line;
        }
    }
}

// The L network that matches a resistance R below the line's Z0 with a
// series reactance at R and a shunt one across the line's side: its Q is
// sqrt(Z0 / R - 1), the series reactance Q R and the shunt Z0 / Q (the ARRL
// Antenna Book, "Coupling the Transmitter to the Line", L networks). The
// antenna, shortened, is R - jQR; the coil across it is the shunt arm. A
// coil of Q q adds the conductance of its susceptance over q, the antenna's
// conductance times Q / q: the line then sees Z0 / (1 + Q / q).
TEST(FeedLine, ShuntCoilIsTheLNetworksShuntArm) {
    constexpr double kMhz = 7.1;
    const struct {
        double resistance;
        double line;
        double coilQ;
        double seen;
    } cases[] = {
        {25, 50, NAN, 50},   {12.5, 50, NAN, 50},      {10, 50, NAN, 50},
        {37.5, 75, NAN, 75}, {25, 50, 100, 50 / 1.01}, {10, 50, 200, 50 / 1.01},
    };
    for (const auto& c : cases) {
        const double q = std::sqrt(c.line / c.resistance - 1);
        const Complex feed{c.resistance, -q * c.resistance};
        const ShuntCoil coil = shuntCoilFor(feed, kMhz, c.coilQ);
        const double reactance =
            c.line / q / (std::isfinite(c.coilQ) ? 1 + 1 / (c.coilQ * c.coilQ) : 1);
        EXPECT_NEAR(2 * pi * kMhz * coil.inductance, reactance, 1e-9 * reactance) << c.resistance;
        const Complex seen = withShuntCoil(feed, kMhz, coil);
        EXPECT_NEAR(seen.real(), c.seen, 1e-9 * c.seen) << c.resistance;
        EXPECT_NEAR(seen.imag(), 0, 1e-9 * c.seen) << c.resistance;
    }
    // An inductive feed leaves nothing for a coil to cancel.
    EXPECT_TRUE(std::isnan(shuntCoilFor({25, 25}, kMhz, NAN).inductance));
}

// A series resonant circuit of Q0 fed by a line of its own resistance R has
// the reactance R Q0 (x - 1/x) at x = f / f0 and an SWR of 2 where that is
// R / sqrt(2): at x = (sqrt(a^2 + 4) -+ a) / 2, a = 1 / (Q0 sqrt(2)), the
// band f0 a wide (the universal resonance curve, Terman, "Radio Engineers'
// Handbook", series resonance).
TEST(FeedLine, TwoToOneEdgesOfASeriesResonance) {
    constexpr double kF0 = 7.1;
    constexpr double kR = 50;
    constexpr double kQ0 = 20;
    const double a = 1 / (kQ0 * std::numbers::sqrt2);
    const double low = kF0 * (std::sqrt(a * a + 4) - a) / 2;
    const double high = kF0 * (std::sqrt(a * a + 4) + a) / 2;
    const auto look = [&](int count, double width, double upTo) {
        std::vector<Sample> samples;
        for (int i = 0; i < count; ++i) {
            const double f = kF0 - width + i * 2 * width / (count - 1);
            if (f <= upTo + 1e-12) {
                samples.push_back({f, {kR, kR * kQ0 * (f / kF0 - kF0 / f)}});
            }
        }
        return samples;
    };
    const double band = high - low;
    const struct {
        const char* name;
        std::vector<Sample> samples;
        std::size_t below;  // the sample at or below the resonance
        Between between;
        double tolerance;  // of the band, at each edge
    } cases[] = {
        // The check's look: five frequencies over two half bandwidths either way.
        {"cubic, sparse", look(5, band, INFINITY), 2, Between::Cubic, 1e-6},
        // A measured sweep, a few hundred frequencies.
        {"straight, dense", look(401, 2 * band, INFINITY), 200, Between::Straight, 5e-5},
        // The resonance the last sample: down from it only.
        {"straight, ends at f0", look(401, 2 * band, kF0), 200, Between::Straight, 5e-5},
    };
    for (const auto& c : cases) {
        const double from = c.between == Between::Cubic ? resonanceBetween(c.samples, c.below)
                                                        : c.samples[c.below].frequency;
        EXPECT_NEAR(from, kF0, 1e-6) << c.name;
        EXPECT_NEAR(twoToOneEdge(c.samples, kR, c.below, from, -1, c.between), low,
                    c.tolerance * band)
            << c.name;
        const double up = twoToOneEdge(c.samples, kR, c.below, from, 1, c.between);
        if (c.samples.back().frequency > high) {
            EXPECT_NEAR(up, high, c.tolerance * band) << c.name;
        } else {
            EXPECT_TRUE(std::isnan(up)) << c.name;
        }
    }
    // A look within the band never reaches 2.
    const std::vector<Sample> within = look(21, band / 4, INFINITY);
    EXPECT_TRUE(std::isnan(twoToOneEdge(within, kR, 10, kF0, 1, Between::Straight)));
    EXPECT_TRUE(std::isnan(twoToOneEdge(within, kR, 10, kF0, -1, Between::Cubic)));
}

}  // namespace
}  // namespace querlin::check
