#include "nec/nec_model.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "conversions.h"

namespace querlin::nec {

namespace {

QString number(double value) {
    return QString::number(value, 'g', 10);
}

QString card(const char* name, const QStringList& fields) {
    return QLatin1String(name) + u' ' + fields.join(u' ') + u'\n';
}

// Where a point of the wire lies in the plane x = 0, metres: along y and up.
struct Point {
    double y = 0;
    double z = 0;
};

// The antenna as it hangs: a point that lies so far along the wire from the
// feed point (negative on the left half), on a flat antenna along y at the
// height, or on an inverted V whose legs slope down by the droop (radians
// below the horizontal) from the ends of the source's segment.
class Hanging {
  public:
    Hanging(const std::vector<Wire>& wires, const ModelOptions& options)
        : height_(options.height.value_or(0)),
          droop_((kFlat - options.apexAngle) / 2 * std::numbers::pi / 180) {
        const auto source = std::find_if(wires.begin(), wires.end(),
                                         [](const Wire& wire) { return wire.tag == kSourceTag; });
        apex_ = source->to;
    }

    Point at(double along) const {
        if (droop_ == 0 || std::abs(along) <= apex_) {
            return {along, height_};
        }
        const double leg = std::abs(along) - apex_;
        return {std::copysign(apex_ + leg * std::cos(droop_), along),
                height_ - leg * std::sin(droop_)};
    }

  private:
    double height_;
    double droop_;
    double apex_ = 0;  // the source segment's half
};

// The cards the model uses, each named for what it does. GW: a straight wire
// from one point to another.
QString wireCard(const Wire& wire, const Hanging& hanging, double radius) {
    const Point from = hanging.at(wire.from);
    const Point to = hanging.at(wire.to);
    return card("GW",
                {QString::number(wire.tag), QString::number(wire.segments), u"0"_qs, number(from.y),
                 number(from.z), u"0"_qs, number(to.y), number(to.z), number(radius)});
}

// GE: the end of the geometry; over ground, with the wire's image below it.
QString geometryEndCard(bool overGround) {
    return card("GE", {overGround ? u"1"_qs : u"0"_qs});
}

// GN 2: a finite ground by the Sommerfeld-Norton method.
QString groundCard(const Ground& ground) {
    return card("GN", {u"2"_qs, u"0"_qs, u"0"_qs, u"0"_qs, number(ground.permittivity),
                       number(ground.conductivity)});
}

// The ground constants of the ARRL Antenna Book's table of common types of
// earth, which L. B. Cebik's models use too ("Horizontal Heights and Sound
// Bites", 2005: very good 20 and 0.0303 S/m, average 13 and 0.005, very poor
// 5 and 0.001): poor is the table's 0.002 S/m at its middle permittivity,
// good its 0.01 S/m of rich, low-hill soil.
constexpr Ground kNamedGrounds[] = {
    {"very-poor", 5, 0.001}, {"poor", 13, 0.002},       {"average", 13, 0.005},
    {"good", 14, 0.01},      {"very-good", 20, 0.0303}, {"fresh-water", 80, 0.001},
    {"sea-water", 81, 5},
};

// PT -1: no currents printed; PT 0 0 0 0: the current on every segment.
QString currentsCard(Currents currents) {
    return currents == Currents::LeftOut ? card("PT", {u"-1"_qs})
                                         : card("PT", {u"0"_qs, u"0"_qs, u"0"_qs, u"0"_qs});
}

// PT 0 0: the currents on the segments from first to last, counted along
// the whole model.
QString currentsCard(int first, int last) {
    return card("PT", {u"0"_qs, u"0"_qs, QString::number(first), QString::number(last)});
}

// EX 0: a voltage source of one volt on that segment of the tag.
QString voltageSourceCard(int tag, int segment) {
    return card(
        "EX", {u"0"_qs, QString::number(tag), QString::number(segment), u"0"_qs, u"1"_qs, u"0"_qs});
}

// How many segments the wire of the tag has.
int segmentsOf(const std::vector<Wire>& wires, int tag) {
    return std::find_if(wires.begin(), wires.end(),
                        [tag](const Wire& wire) { return wire.tag == tag; })
        ->segments;
}

// The first segment of the tag, counted along the whole model.
int firstSegmentOf(const std::vector<Wire>& wires, int tag) {
    int segment = 1;
    for (const Wire& wire : wires) {
        if (wire.tag == tag) {
            break;
        }
        segment += wire.segments;
    }
    return segment;
}

// LD -1: the loads of the run before are cleared.
QString clearLoadsCard() {
    return card("LD", {u"-1"_qs});
}

// LD 5: every wire of that conductivity, in S/m.
QString wireConductivityCard(double conductivity) {
    return card("LD", {u"5"_qs, u"0"_qs, u"0"_qs, u"0"_qs, number(conductivity)});
}

// LD 0: a series resistance (ohms) and inductance (henries) spread evenly
// over the first segments of the tag.
QString seriesLoadCard(int tag, int segments, double resistance, double inductance) {
    return card("LD", {u"0"_qs, QString::number(tag), u"1"_qs, QString::number(segments),
                       number(resistance / segments), number(inductance / segments), u"0"_qs});
}

// LD 2: a series inductance per metre (H/m) on every segment.
QString distributedInductanceCard(double inductance) {
    return card("LD", {u"2"_qs, u"0"_qs, u"0"_qs, u"0"_qs, u"0"_qs, number(inductance), u"0"_qs});
}

// FR: the sweep's frequencies, added or multiplied steps.
QString frequencyCard(const FrequencySweep& sweep) {
    return card(
        "FR", {sweep.steps == Steps::Multiplying ? u"1"_qs : u"0"_qs, QString::number(sweep.count),
               u"0"_qs, u"0"_qs, number(sweep.first), number(sweep.step)});
}

// XQ 0: the run, the feed point at each frequency.
QString executeCard() {
    return card("XQ", {u"0"_qs});
}

// RP 0: the run with the far field too, 19 elevations from the zenith down to
// the horizon in 5 degree steps and 25 azimuths round the whole circle in 15
// degree steps; XNDA 0002 averages the power gain, which counts every loss,
// over them and prints none of them.
QString upperHalfGainCard() {
    return card("RP",
                {u"0"_qs, u"19"_qs, u"25"_qs, u"0002"_qs, u"0"_qs, u"0"_qs, u"5"_qs, u"15"_qs});
}

}  // namespace

double insulationInductance(double radius, const Insulation& insulation) {
    // NEC-2 has no card for a dielectric coating. A coating slows the wave
    // along the wire as a series inductance spread along it would, which
    // L. B. Cebik models with an LD 2 card ("Insulated Wires: The NEC-2
    // Way", Antenna Modeling 83): the inductance per metre of the coaxial
    // shell the dielectric fills, less what the shell would have were it air.
    return 2e-7 * (1 - 1 / insulation.permittivity) *
           std::log((radius + insulation.thickness) / radius);
}

std::span<const Ground> namedGrounds() {
    return kNamedGrounds;
}

std::optional<double> tipHeight(const LoadedDipole& dipole, const ModelOptions& options) {
    if (!options.height) {
        return std::nullopt;
    }
    return Hanging(wiresOf(dipole, options), options).at(dipole.length / 2).z;
}

QString settingText(const ModelOptions& options) {
    QString text = QStringLiteral("Free space.");
    if (options.height) {
        const Ground& ground = options.ground;
        const QString name = ground.name != nullptr
                                 ? QStringLiteral("%1 ground")
                                       .arg(QString::fromLatin1(ground.name).replace(u'-', u' '))
                                 : QStringLiteral("ground");
        text = QStringLiteral("Over %1 (relative permittivity %2, %3 S/m), %4 m high.")
                   .arg(name)
                   .arg(ground.permittivity)
                   .arg(ground.conductivity)
                   .arg(*options.height, 0, 'g', 8);
    }
    if (options.apexAngle != kFlat) {
        text += QStringLiteral(" An inverted V, %1 degrees between its legs.")
                    .arg(options.apexAngle, 0, 'g', 8);
    }
    if (options.insulation) {
        text += QStringLiteral(" Wire insulated %1 m thick, relative permittivity %2.")
                    .arg(options.insulation->thickness, 0, 'g', 8)
                    .arg(options.insulation->permittivity, 0, 'g', 8);
    }
    return text;
}

bool losesPower(const ModelOptions& options) {
    return options.copper || options.coilQ || options.height;
}

std::complex<double> coilLoad(const LoadedDipole& dipole, const ModelOptions& options,
                              double inductance) {
    const double reactance = 2 * std::numbers::pi * dipole.frequency * inductance;
    return {options.coilQ ? std::abs(reactance) / *options.coilQ : 0, reactance};
}

double FrequencySweep::frequency(int index) const {
    return steps == Steps::Multiplying ? first * std::pow(step, index) : first + step * index;
}

int coilSegmentsOf(const LoadedDipole& dipole, const ModelOptions& options) {
    return segmentsOf(wiresOf(dipole, options), kLeftCoilTag);
}

QString necDeck(const LoadedDipole& dipole, const ModelOptions& options,
                const std::vector<Run>& runs, const QStringList& comments, Currents currents) {
    const std::vector<Wire> wires = wiresOf(dipole, options);
    const int coilSegments = segmentsOf(wires, kLeftCoilTag);
    if (options.height && !(*options.height > 0 && std::isfinite(*options.height))) {
        throw NecError{QCoreApplication::translate(
            "Antenna", "The antenna must be above the ground to be modelled.")};
    }
    if (options.coilQ && !(*options.coilQ > 0 && std::isfinite(*options.coilQ))) {
        throw NecError{
            QCoreApplication::translate("Antenna", "A coil's Q must be a positive number.")};
    }
    if (const std::optional<double> tips = tipHeight(dipole, options); tips && !(*tips > 0)) {
        throw NecError{QCoreApplication::translate(
                           "Antenna",
                           "Hung so, the tips would be %1 m (%2 ft) below the ground: the apex "
                           "must be higher or the legs less steep.")
                           .arg(-*tips, 0, 'g', 3)
                           .arg(-*tips / kMetresPerFoot, 0, 'g', 3)};
    }
    QString deck;
    for (const QString& comment : comments) {
        deck += QStringLiteral("CM ") + comment + u'\n';
    }
    deck += QStringLiteral("CE\n");
    const Hanging hanging(wires, options);
    for (const Wire& wire : wires) {
        deck += wireCard(wire, hanging, dipole.diameter / 2);
    }
    deck += geometryEndCard(options.height.has_value());
    if (options.height) {
        deck += groundCard(options.ground);
    }
    deck += voltageSourceCard(kSourceTag, 1);
    if (currents == Currents::LeftOut) {
        deck += currentsCard(currents);
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
        if (options.insulation) {
            deck += distributedInductanceCard(
                insulationInductance(dipole.diameter / 2, *options.insulation));
        }
        ModelOptions coils = options;
        if (run.coilQ) {
            coils.coilQ = run.coilQ;
        }
        for (const int tag : {kLeftCoilTag, kRightCoilTag}) {
            deck +=
                seriesLoadCard(tag, coilSegments, coilLoad(dipole, coils, run.inductance).real(),
                               run.inductance * 1e-6);
        }
        if (run.excitation == Excitation::Feed) {
            deck += frequencyCard(run.sweep);
            deck += run.radiation == Radiation::UpperHalf ? upperHalfGainCard() : executeCard();
            continue;
        }
        // Each frequency on its own, so that the further excitations find
        // the equations of its frequency solved; the currents from the left
        // coil to the source printed after each. The left coil's segments
        // count from its outer end, the right coil's from its inner one.
        for (int i = 0; i < run.sweep.count; ++i) {
            deck += frequencyCard({run.sweep.frequency(i), 0, 1});
            deck += currentsCard(firstSegmentOf(wires, kLeftCoilTag),
                                 firstSegmentOf(wires, kSourceTag));
            deck += executeCard();
            for (int segment = 1; segment <= coilSegments; ++segment) {
                deck += voltageSourceCard(kLeftCoilTag, segment) +
                        voltageSourceCard(kRightCoilTag, coilSegments + 1 - segment);
                deck += executeCard();
            }
            deck += voltageSourceCard(kSourceTag, 1) + currentsCard(currents);
        }
    }
    deck += QStringLiteral("EN\n");
    return deck;
}

}  // namespace querlin::nec
