#include "coil/coil_winding.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>
#include <span>

#include "conversions.h"

namespace querlin {

namespace {

using std::numbers::pi;

constexpr double kMu0 = 4e-7 * pi;  // H/m
// Annealed copper at 20 degrees C, the International Annealed Copper Standard.
constexpr double kCopperResistivity = 1.7241e-8;  // ohm metres

// The value at x of the broken line through the points (xs, ys), xs ascending;
// x is within the first and last of xs.
double interpolate(std::span<const double> xs, std::span<const double> ys, double x) {
    const auto above = std::upper_bound(xs.begin() + 1, xs.end() - 1, x);
    const auto i = static_cast<std::size_t>(std::distance(xs.begin(), above));
    const double t = (x - xs[i - 1]) / (xs[i] - xs[i - 1]);
    return ys[i - 1] + t * (ys[i] - ys[i - 1]);
}

// R. G. Medhurst, "H.F. resistance and self-capacitance of single-layer
// solenoids", Wireless Engineer 24 (1947) pp. 35-43 and 80-92: the ratio of a
// coil's resistance to that of its wire stretched straight, at frequencies
// where the current flows in a skin thin against the wire. Rows are length
// over diameter 0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10 and infinity; columns
// are wire diameter over pitch 1, 0.9 ... 0.1, 0 (turns that touch to turns
// far apart). The values are his table's as published.
constexpr std::array<double, 12> kProximityRows{0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10, 11};
constexpr std::array<double, 11> kProximityColumns{0,   0.1, 0.2, 0.3, 0.4, 0.5,
                                                   0.6, 0.7, 0.8, 0.9, 1};
constexpr std::array<std::array<double, 11>, 12> kProximity{{
    {5.31, 3.73, 2.74, 2.12, 1.74, 1.44, 1.20, 1.16, 1.07, 1.02, 1.00},
    {5.45, 3.84, 2.83, 2.20, 1.77, 1.48, 1.29, 1.19, 1.08, 1.02, 1.00},
    {5.65, 3.99, 2.97, 2.28, 1.83, 1.54, 1.33, 1.21, 1.08, 1.03, 1.00},
    {5.80, 4.11, 3.10, 2.38, 1.89, 1.60, 1.38, 1.22, 1.10, 1.03, 1.00},
    {5.80, 4.17, 3.20, 2.44, 1.92, 1.64, 1.42, 1.23, 1.10, 1.03, 1.00},
    {5.55, 4.10, 3.17, 2.47, 1.94, 1.67, 1.45, 1.24, 1.10, 1.03, 1.00},
    {4.10, 3.36, 2.74, 2.32, 1.98, 1.74, 1.50, 1.28, 1.13, 1.04, 1.00},
    {3.54, 3.05, 2.60, 2.27, 2.01, 1.78, 1.54, 1.32, 1.15, 1.04, 1.00},
    {3.31, 2.92, 2.60, 2.29, 2.03, 1.80, 1.56, 1.34, 1.16, 1.04, 1.00},
    {3.20, 2.90, 2.62, 2.34, 2.08, 1.81, 1.57, 1.34, 1.165, 1.04, 1.00},
    {3.23, 2.93, 2.65, 2.27, 2.10, 1.83, 1.58, 1.35, 1.17, 1.04, 1.00},
    {3.41, 3.11, 2.815, 2.51, 2.22, 1.93, 1.65, 1.395, 1.19, 1.05, 1.00},
}};

// Bilinear in the table. The columns are linear in wire over pitch, as
// Medhurst tabulated them (the table runs from touching turns to none, so the
// column coordinate is one less that ratio). Past ten diameters the row
// coordinate runs linearly in diameter over length up to the infinitely long
// coil, which stands at 11.
double proximityFactor(double lengthOverDiameter, double wireOverPitch) {
    const double row = lengthOverDiameter <= 10 ? lengthOverDiameter : 11 - 10 / lengthOverDiameter;
    const double column = std::clamp(1 - wireOverPitch, 0.0, 1.0);
    std::array<double, kProximityRows.size()> atColumn{};
    std::transform(kProximity.begin(), kProximity.end(), atColumn.begin(), [&](const auto& values) {
        return interpolate(kProximityColumns, values, column);
    });
    return interpolate(kProximityRows, atColumn, row);
}

// Medhurst (as above): a coil's self-capacitance is H times its diameter, in
// pF with the diameter in cm, H taken from his table by length over diameter.
constexpr std::array<double, 33> kCapacitanceRatios{
    0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5, 0.6, 0.7, 0.8, 0.9, 1,  1.5, 2, 2.5,
    3,   3.5,  4,   4.5,  5,   6,    7,   8,    9,   10,  15,  20,  25,  30, 40,  50};
constexpr std::array<double, 33> kCapacitancePerCm{
    0.96, 0.79, 0.70, 0.64, 0.60, 0.57, 0.54, 0.52, 0.50, 0.48, 0.47,
    0.46, 0.46, 0.46, 0.47, 0.50, 0.56, 0.61, 0.67, 0.72, 0.77, 0.81,
    0.92, 1.01, 1.12, 1.22, 1.32, 1.86, 2.36, 2.9,  3.4,  4.6,  5.8};

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

QString number(double value) {
    return QString::number(value, 'g', 4);
}

// The skin depth of copper at a frequency in MHz, in metres.
double skinDepth(double frequency) {
    return std::sqrt(kCopperResistivity / (pi * frequency * 1e6 * kMu0));
}

// Medhurst's self-capacitance in pF, for the shapes he measured.
std::optional<double> selfCapacitance(const Winding& w) {
    const double shape = w.length / w.diameter;
    if (shape < kCapacitanceRatios.front() || shape > kCapacitanceRatios.back()) {
        return {};
    }
    return interpolate(kCapacitanceRatios, kCapacitancePerCm, shape) * w.diameter * kMetresPerInch *
           100;
}

// Medhurst's self-resonance: the winding's inductance with his self-capacitance.
std::optional<double> selfResonance(std::optional<double> capacitance, double inductance) {
    if (!capacitance) {
        return {};
    }
    return 1 / (2 * pi * std::sqrt(inductance * 1e-6 * *capacitance * 1e-12)) / 1e6;
}

WindingOutcome atFrequency(const Winding& w, WindingDetails details, double frequency) {
    if (!positive(frequency)) {
        return QCoreApplication::translate("Coil",
                                           "The frequency must be a positive number of MHz.");
    }
    if (!details.selfResonance) {
        return QCoreApplication::translate(
                   "Coil",
                   "Medhurst's self-capacitance covers coils from 0.1 to 50 diameters long, "
                   "not %1.")
            .arg(number(w.length / w.diameter));
    }
    const double resonance = *details.selfResonance;
    if (frequency >= resonance) {
        return QCoreApplication::translate(
                   "Coil",
                   "At %1 MHz the coil is above its self-resonance of about %2 MHz, no longer "
                   "an inductor.")
            .arg(number(frequency), QString::number(resonance, 'g', 2));
    }

    // Medhurst's ratios hold where the current keeps to a skin thin against
    // the wire; there the wire's resistance is that of an annulus one skin
    // depth deep.
    const double depth = skinDepth(frequency);
    const double wire = w.wire * kMetresPerInch;
    if (wire < 5 * depth) {
        return QCoreApplication::translate(
                   "Coil",
                   "At %1 MHz the skin depth of copper, %2 inches, is more than a fifth of the "
                   "wire: the Q estimate needs a thicker wire or a higher frequency.")
            .arg(number(frequency), number(depth / kMetresPerInch));
    }
    const double straight =
        kCopperResistivity * details.wireLength * kMetresPerInch / (pi * depth * (wire - depth));
    const double resistance =
        straight * proximityFactor(w.length / w.diameter, w.wire * w.turns / w.length);
    const double reactance = 2 * pi * frequency * 1e6 * details.inductance * 1e-6;
    if (!std::isfinite(reactance / resistance)) {
        return QCoreApplication::translate(
            "Coil", "The coil's Q lies beyond what the calculation can hold.");
    }
    const double q = reactance / resistance;
    const std::complex<double> impedance =
        woundImpedance(details.inductance, q, *details.selfCapacitance, frequency);
    details.atFrequency = WindingAtFrequency{frequency,
                                             reactance,
                                             q,
                                             frequency > resonance / 3,
                                             impedance,
                                             impedance.imag() / (2 * pi * frequency),
                                             impedance.imag() / impedance.real()};
    return details;
}

}  // namespace

std::complex<double> woundImpedance(double inductance, double q, double capacitance,
                                    double frequency) {
    // The winding in series with its loss, the self-capacitance across both
    // (R. G. Medhurst, as above: the coil as a lumped winding with a lumped
    // capacitance across it, which his measurements fit below about half the
    // self-resonance).
    const double omega = 2 * pi * frequency * 1e6;
    const double reactance = omega * inductance * 1e-6;
    const std::complex<double> winding{reactance / q, reactance};
    const std::complex<double> capacitor{0, omega * capacitance * 1e-12};
    return winding / (1.0 + capacitor * winding);
}

double nagaokaCoefficient(double diameterOverLength) {
    // H. A. Wheeler, "Inductance formulas for circular and square coils",
    // Proc. IEEE 70 (1982) pp. 1449-1450, eq. 7, in his terms: a the radius,
    // b the length. Within 0.1 % of Nagaoka's coefficient at every shape.
    const double bOverA = 2 / diameterOverLength;
    return bOverA / pi *
           (std::log(1 + pi / bOverA) + 1 / (2.3 + 1.6 * bOverA + 0.44 * bOverA * bOverA));
}

double rosaSelfCorrection(double wireOverPitch) {
    // E. B. Rosa, "The self and mutual inductances of linear conductors",
    // Bull. Bureau of Standards 4 (1908): A = 5/4 - ln(2 p / d).
    return 1.25 - std::log(2 / wireOverPitch);
}

double rosaMutualCorrection(double turns) {
    // Grover's series for large N, extended by D. W. Knight (2010) so that it
    // gives none for one turn; within about 1e-8 of the tabulated values.
    const double n = turns;
    return std::log(2 * pi) - 1.5 - std::log(n) / (6 * n) - 0.33084236 / n -
           1 / (120 * std::pow(n, 3)) + 1 / (504 * std::pow(n, 5)) - 0.0011923 / std::pow(n, 7) +
           0.0005068 / std::pow(n, 9);
}

WindingOutcome windingDetails(const Winding& w, std::optional<double> frequency) {
    if (!positive(w.turns) || !positive(w.diameter) || !positive(w.length) || !positive(w.wire)) {
        return QCoreApplication::translate(
            "Coil",
            "The winding needs a positive number of turns, coil diameter, coil length and "
            "wire diameter.");
    }
    if (w.turns < 1) {
        return QCoreApplication::translate("Coil", "A winding needs at least one turn, not %1.")
            .arg(number(w.turns));
    }
    // As the window rounds it: a winding as long as the coil to single
    // precision fits.
    const double winding = w.turns * w.wire;
    if (winding > w.length * (1 + 1e-6)) {
        return QCoreApplication::translate(
                   "Coil",
                   "The winding does not fit: %1 turns of %2-inch wire need %3 inches, more "
                   "than the coil length of %4 inches.")
            .arg(number(w.turns), number(w.wire), number(winding), number(w.length));
    }
    if (w.wire >= w.diameter) {
        return QCoreApplication::translate("Coil",
                                           "A wire as thick as the coil diameter winds no coil.");
    }

    const double radius = w.diameter / 2 * kMetresPerInch;
    const double length = w.length * kMetresPerInch;
    const double currentSheet = kMu0 * pi * radius * radius * w.turns * w.turns / length;
    // Round wire has less inductance than the current sheet it stands for:
    // Rosa's corrections, as Grover gives them (F. W. Grover, "Inductance
    // Calculations", 1946, chapter 16): mu0 a N (A + B), with A for the
    // self-inductance of a turn of round wire at that pitch and B for the
    // mutual inductance of the turns.
    const double pitch = w.length / w.turns;
    const double roundWire = kMu0 * radius * w.turns *
                             (rosaSelfCorrection(w.wire / pitch) + rosaMutualCorrection(w.turns));
    const double sheet = currentSheet * nagaokaCoefficient(w.diameter / w.length) * 1e6;
    const double inductance = sheet - roundWire * 1e6;
    // Each turn is one pitch of a helix: the wire runs pi D round and the
    // length along.
    const double wireLength = std::hypot(pi * w.diameter * w.turns, w.length);
    if (!std::isfinite(inductance) || !std::isfinite(wireLength) || inductance <= 0) {
        return QCoreApplication::translate(
            "Coil", "The winding's figures lie beyond what the calculation can hold.");
    }
    const std::optional<double> capacitance = selfCapacitance(w);
    WindingDetails details{
        inductance, sheet, wireLength, capacitance, selfResonance(capacitance, inductance), {}};
    if (!frequency) {
        return details;
    }
    return atFrequency(w, details, *frequency);
}

}  // namespace querlin
