#include "antenna/nec_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace querlin::antenna {

namespace {

// The inner and outer wires' tags, left and right.
constexpr int kLeftInnerTag = 4;
constexpr int kRightInnerTag = 5;
constexpr int kLeftOuterTag = 6;
constexpr int kRightOuterTag = 7;

QString number(double value) {
    return QString::number(value, 'g', 10);
}

QString card(const char* name, const QStringList& fields) {
    return QLatin1String(name) + u' ' + fields.join(u' ') + u'\n';
}

// The cards the model uses, each named for what it does. GW: a straight wire
// along y at height z.
QString wireCard(const Wire& wire, double z, double radius) {
    return card(
        "GW", {QString::number(wire.tag), QString::number(wire.segments), u"0"_qs,
               number(wire.from), number(z), u"0"_qs, number(wire.to), number(z), number(radius)});
}

// GE: the end of the geometry; over ground, with the wire's image below it.
QString geometryEndCard(bool overGround) {
    return card("GE", {overGround ? u"1"_qs : u"0"_qs});
}

// GN 2: a finite ground by the Sommerfeld-Norton method, average ground.
QString averageGroundCard() {
    return card("GN", {u"2"_qs, u"0"_qs, u"0"_qs, u"0"_qs, number(kGroundPermittivity),
                       number(kGroundConductivity)});
}

// EX 0: a voltage source of one volt on the first segment of the tag.
QString voltageSourceCard(int tag) {
    return card("EX", {u"0"_qs, QString::number(tag), u"1"_qs, u"0"_qs, u"1"_qs, u"0"_qs});
}

// PT -1: no currents printed.
QString noCurrentsCard() {
    return card("PT", {u"-1"_qs});
}

// LD -1: the loads of the run before are cleared.
QString clearLoadsCard() {
    return card("LD", {u"-1"_qs});
}

// LD 5: every wire of that conductivity, in S/m.
QString wireConductivityCard(double conductivity) {
    return card("LD", {u"5"_qs, u"0"_qs, u"0"_qs, u"0"_qs, number(conductivity)});
}

// LD 0: a series resistance (ohms) and inductance (henries) on the tag's
// first segment.
QString seriesLoadCard(int tag, double resistance, double inductance) {
    return card("LD", {u"0"_qs, QString::number(tag), u"1"_qs, u"1"_qs, number(resistance),
                       number(inductance), u"0"_qs});
}

// FR: the sweep's frequencies, added or multiplied steps.
QString frequencyCard(const Sweep& sweep) {
    return card(
        "FR", {sweep.steps == Steps::Multiplying ? u"1"_qs : u"0"_qs, QString::number(sweep.count),
               u"0"_qs, u"0"_qs, number(sweep.first), number(sweep.step)});
}

// XQ 0: the run, the feed point at each frequency.
QString executeCard() {
    return card("XQ", {u"0"_qs});
}

void requireModellable(const LoadedDipole& d, int segments) {
    const auto finite = [](double value) { return std::isfinite(value); };
    if (!finite(d.frequency) || !finite(d.length) || !finite(d.diameter) ||
        !finite(d.coilDistance) || !finite(d.inductance) || d.frequency <= 0 || d.length <= 0 ||
        d.diameter <= 0) {
        throw NecError{QStringLiteral(
            "The design cannot be modelled: it needs a positive frequency, length and element.")};
    }
    if (d.coilDistance <= 0 || d.coilDistance >= d.length / 2) {
        throw NecError{QStringLiteral(
            "The design cannot be modelled: the coils must sit inside the antenna.")};
    }
    if (segments < kFewestSegments || segments > kMostSegments) {
        throw NecError{QStringLiteral("The model takes %1 to %2 segments, not %3.")
                           .arg(kFewestSegments)
                           .arg(kMostSegments)
                           .arg(segments)};
    }
}

}  // namespace

std::complex<double> coilLoad(const LoadedDipole& dipole, const ModelOptions& options,
                              double inductance) {
    const double reactance = 2 * std::numbers::pi * dipole.frequency * inductance;
    return {options.coilQ ? std::abs(reactance) / *options.coilQ : 0, reactance};
}

double Sweep::frequency(int index) const {
    return steps == Steps::Multiplying ? first * std::pow(step, index) : first + step * index;
}

std::vector<Wire> wiresOf(const LoadedDipole& dipole, int segments) {
    requireModellable(dipole, segments);
    const double half = dipole.length / 2;
    const double b = dipole.coilDistance;
    const double target = dipole.length / segments;
    // The source and coil segments shrink where the coils come close to the
    // centre or to the tips, so that none overlaps another or runs past a tip.
    const double source = std::min(target, b);
    const double coil = std::min({target, 2 * b - source, 2 * (half - b)});
    const auto count = [&](double from, double to) {
        return std::max(1, static_cast<int>(std::lround((to - from) / target)));
    };
    // A wire shorter than this is left out: its neighbours meet.
    const double least = dipole.length * 1e-9;

    std::vector<Wire> wires;
    const auto add = [&](int tag, double from, double to, int n) {
        if (to - from > least) {
            wires.push_back({tag, n, from, to});
        }
    };
    add(kLeftOuterTag, -half, -b - coil / 2, count(-half, -b - coil / 2));
    add(kLeftCoilTag, -b - coil / 2, -b + coil / 2, 1);
    add(kLeftInnerTag, -b + coil / 2, -source / 2, count(-b + coil / 2, -source / 2));
    add(kSourceTag, -source / 2, source / 2, 1);
    add(kRightInnerTag, source / 2, b - coil / 2, count(source / 2, b - coil / 2));
    add(kRightCoilTag, b - coil / 2, b + coil / 2, 1);
    add(kRightOuterTag, b + coil / 2, half, count(b + coil / 2, half));
    return wires;
}

QString necDeck(const LoadedDipole& dipole, const ModelOptions& options,
                const std::vector<Run>& runs, const QStringList& comments, Currents currents) {
    const std::vector<Wire> wires = wiresOf(dipole, options.segments);
    if (options.height && !(*options.height > 0 && std::isfinite(*options.height))) {
        throw NecError{QStringLiteral("The antenna must be above the ground to be modelled.")};
    }
    if (options.coilQ && !(*options.coilQ > 0 && std::isfinite(*options.coilQ))) {
        throw NecError{QStringLiteral("A coil's Q must be a positive number.")};
    }
    QString deck;
    for (const QString& comment : comments) {
        deck += QStringLiteral("CM ") + comment + u'\n';
    }
    deck += QStringLiteral("CE\n");
    const double z = options.height.value_or(0);
    for (const Wire& wire : wires) {
        deck += wireCard(wire, z, dipole.diameter / 2);
    }
    deck += geometryEndCard(options.height.has_value());
    if (options.height) {
        deck += averageGroundCard();
    }
    deck += voltageSourceCard(kSourceTag);
    if (currents == Currents::LeftOut) {
        deck += noCurrentsCard();
    }
    bool first = true;
    for (const Run& run : runs) {
        if (!first) {
            deck += clearLoadsCard();
        }
        first = false;
        if (options.copper) {
            deck += wireConductivityCard(kCopperConductivity);
        }
        ModelOptions coils = options;
        if (run.coilQ) {
            coils.coilQ = run.coilQ;
        }
        for (const int tag : {kLeftCoilTag, kRightCoilTag}) {
            deck += seriesLoadCard(tag, coilLoad(dipole, coils, run.inductance).real(),
                                   run.inductance * 1e-6);
        }
        deck += frequencyCard(run.sweep);
        deck += executeCard();
    }
    deck += QStringLiteral("EN\n");
    return deck;
}

}  // namespace querlin::antenna
