#include "check/feed_line.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace querlin::check {

namespace {

constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();
// Halving an interval so many times leaves it below a double's resolution.
constexpr int kHalvings = 60;

// Where between from and to the condition, which holds at one of them and
// not at the other, turns, by halving.
template <typename Condition>
double turning(double from, double to, Condition holds) {
    const bool atTo = holds(to);
    for (int i = 0; i < kHalvings; ++i) {
        const double middle = (from + to) / 2;
        (holds(middle) == atTo ? to : from) = middle;
    }
    return (from + to) / 2;
}

}  // namespace

std::optional<RisingZero> risingZeroNearest(std::span<const Sample> sorted, double target) {
    std::optional<RisingZero> nearest;
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
        const std::complex<double> a = sorted[i].impedance;
        const std::complex<double> b = sorted[i + 1].impedance;
        if (!(a.imag() < 0 && b.imag() >= 0)) {
            continue;
        }
        const double t = -a.imag() / (b.imag() - a.imag());
        // std::lerp keeps the zero between the two samples, however they round.
        const double frequency = std::lerp(sorted[i].frequency, sorted[i + 1].frequency, t);
        if (nearest && std::abs(frequency - target) >= std::abs(nearest->frequency - target)) {
            continue;
        }
        nearest =
            RisingZero{i, frequency, std::lerp(a.real(), b.real(), t),
                       (b.imag() - a.imag()) / (sorted[i + 1].frequency - sorted[i].frequency)};
    }
    return nearest;
}

double standingWaveRatio(std::complex<double> load, double line) {
    const double reflection = std::abs((load - line) / (load + line));
    return reflection < 1 ? (1 + reflection) / (1 - reflection)
                          : std::numeric_limits<double>::infinity();
}

ShuntCoil shuntCoilFor(std::complex<double> feed, double frequency, double q) {
    const double susceptance = (1.0 / feed).imag();
    if (!(susceptance > 0)) {
        return {kNotFound, kNotFound, kNotFound};
    }
    // A coil of reactance X and resistance X / Q has the susceptance
    // -1 / (X (1 + 1/Q^2)) and the conductance of its susceptance over Q.
    const double loss = std::isfinite(q) ? 1 / q : 0;
    const double reactance = 1 / (susceptance * (1 + loss * loss));
    return {reactance / (2 * std::numbers::pi * frequency), reactance * loss, susceptance * loss};
}

namespace {

std::complex<double> shuntImpedance(double frequency, const ShuntCoil& coil) {
    return {coil.resistance, 2 * std::numbers::pi * frequency * coil.inductance};
}

}  // namespace

std::complex<double> withShuntCoil(std::complex<double> feed, double frequency,
                                   const ShuntCoil& coil) {
    const std::complex<double> shunt = shuntImpedance(frequency, coil);
    return feed * shunt / (feed + shunt);
}

std::complex<double> withoutShuntCoil(std::complex<double> seen, double frequency,
                                      const ShuntCoil& coil) {
    return 1.0 / (1.0 / seen - 1.0 / shuntImpedance(frequency, coil));
}

std::complex<double> cubicBetween(std::span<const Sample> sorted, std::size_t below, double f) {
    const std::size_t count = std::min<std::size_t>(4, sorted.size());
    const std::size_t first = std::min(below > 0 ? below - 1 : 0, sorted.size() - count);
    std::complex<double> sum = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        double weight = 1;
        for (std::size_t j = first; j < first + count; ++j) {
            if (j != i) {
                weight *= (f - sorted[j].frequency) / (sorted[i].frequency - sorted[j].frequency);
            }
        }
        sum += weight * sorted[i].impedance;
    }
    return sum;
}

double resonanceBetween(std::span<const Sample> sorted, std::size_t below) {
    return turning(sorted[below].frequency, sorted[below + 1].frequency,
                   [&](double f) { return cubicBetween(sorted, below, f).imag() >= 0; });
}

double twoToOneEdge(std::span<const Sample> sorted, double line, std::size_t below, double from,
                    int step, Between between) {
    const auto last = static_cast<std::ptrdiff_t>(sorted.size()) - 2;
    for (auto segment = std::min(static_cast<std::ptrdiff_t>(below), last);
         segment >= 0 && segment <= last; segment += step) {
        const auto at = static_cast<std::size_t>(segment);
        const Sample& near = sorted[step > 0 ? at : at + 1];
        const Sample& far = sorted[step > 0 ? at + 1 : at];
        if (between == Between::Straight) {
            const double here = standingWaveRatio(near.impedance, line);
            const double there = standingWaveRatio(far.impedance, line);
            if (there >= 2) {
                const double t = std::isfinite(there) ? (2 - here) / (there - here) : 0;
                return std::lerp(near.frequency, far.frequency, t);
            }
            continue;
        }
        const auto reached = [&sorted, at, line](double f) {
            return standingWaveRatio(cubicBetween(sorted, at, f), line) >= 2;
        };
        if (reached(far.frequency)) {
            return turning(from, far.frequency, reached);
        }
        from = far.frequency;
    }
    return kNotFound;
}

}  // namespace querlin::check
