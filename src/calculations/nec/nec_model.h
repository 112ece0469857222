#pragma once

#include <QString>
#include <QStringList>
#include <cmath>
#include <complex>
#include <optional>
#include <span>
#include <vector>

#include "fault.h"

namespace querlin::nec {

// The model's default number of segments: no segment is longer than the
// antenna's length over it, and those at the source and the coils are shorter
// where the coils come close to the centre or the tips.
inline constexpr int kDefaultSegments = 81;
// Each coil is modelled as a stretch of the antenna this share of its length
// long (about 6 inches of 40 feet), its inductance spread evenly over it: a
// coil has a length, and its model converges as that stretch is cut finer,
// where a coil on one ever shorter segment does not.
inline constexpr double kCoilShare = 1.0 / 81;
inline constexpr int kFewestSegments = 9;
// The NEC-2 user's guide (part III, section II.1): with the thin-wire kernel a
// segment must be longer than about this many wire radii for errors of less
// than 1 %.
inline constexpr double kThinWireRadii = 8;
inline constexpr int kMostSegments = 2001;

// Average ground as radio amateurs model it, and copper wire.
inline constexpr double kGroundPermittivity = 13;
inline constexpr double kGroundConductivity = 0.005;  // S/m
inline constexpr double kCopperConductivity = 5.8e7;  // S/m

// The ground under an antenna with a height: its relative permittivity and
// conductivity (S/m), and its name where it is one of the named grounds.
struct Ground {
    const char* name = "average";  // none for values given
    double permittivity = kGroundPermittivity;
    double conductivity = kGroundConductivity;
};
// The named grounds, average among them, from very poor to sea water.
std::span<const Ground> namedGrounds();

// The included angle between the legs of an inverted V, in degrees: a flat
// antenna's.
inline constexpr double kFlat = 180;

// Insulation on the wire: its radial thickness, metres, and its relative
// permittivity, PVC's unless given.
inline constexpr double kPvcPermittivity = 3.5;
struct Insulation {
    double thickness = 0;
    double permittivity = kPvcPermittivity;
};

// The insulation's effect on the wire as a series inductance per metre,
// H/m: (mu0 / 2 pi) (1 - 1 / er) ln(b / a), a the wire's radius and b the
// insulation's outer radius, metres.
double insulationInductance(double radius, const Insulation& insulation);

// A loaded dipole as built: straight, centre-fed, one coil on each half.
struct LoadedDipole {
    double frequency = 0;     // design frequency, MHz
    double length = 0;        // tip to tip, metres
    double diameter = 0;      // element diameter, metres
    double coilDistance = 0;  // from the feed point to each coil, metres
    double inductance = 0;    // of each coil, microhenries
};

// What the model adds to the bare antenna.
struct ModelOptions {
    int segments = kDefaultSegments;
    std::optional<double> height;  // of the feed point over the ground, metres; free space without
    Ground ground;
    // Between the legs, degrees: below kFlat an inverted V, its legs sloping
    // down from the ends of the source's segment at the height.
    double apexAngle = kFlat;
    bool copper = false;  // the wire's loss
    std::optional<Insulation> insulation;
    std::optional<double> coilQ;  // the coils' loss: a series resistance of X / Q
    // Each coil's length along the wire, metres; kCoilShare of the antenna
    // without.
    std::optional<double> coilLength;
    // What the coil distance measures to: the coil's middle, where a coil
    // stands for a load at a point, or its inner end, where the coil is one
    // to wind: the design's distance runs from the centre to the start of
    // the coil.
    enum class CoilFrom { Middle, InnerEnd };
    CoilFrom coilFrom = CoilFrom::Middle;
};

// Whether the model loses power other than by radiation: in the wire, in the
// coils or in the ground.
bool losesPower(const ModelOptions& options);

// Why the model could not be made, run or read.
struct NecError : TypedFault<NecError> {
    explicit NecError(QString message) : TypedFault(FaultStatus::Engine, std::move(message)) {}
};

// A straight wire of the model, along the y axis, in metres. The wires run in
// order from one tip to the other, each beginning where the last one ends.
struct Wire {
    int tag = 0;
    int segments = 0;
    double from = 0;
    double to = 0;
};
inline constexpr int kSourceTag = 1;  // one segment, centred on the feed point
inline constexpr int kLeftCoilTag = 2;
inline constexpr int kRightCoilTag = 3;  // each a wire of its own, centred on its coil

// The dipole cut into wires of segments at most length / segments long, the
// source on a segment of its own at the centre and each coil a wire of its
// own centred at the coil distance, with wire on both sides of it. Near the
// source and the coils the segments are shorter where the wire beside them is
// short, and grow away from them by at most half again from one to the next.
std::vector<Wire> wiresOf(const LoadedDipole& dipole, const ModelOptions& options);

// One half of the dipole as the model lays it out, measured along the wire
// from the feed point, metres: the wire to the coil, the coil's stretch and
// the wire from the coil to the tip, which add up to the half.
struct HalfLayout {
    double innerWire = 0;
    double coil = 0;
    double outerWire = 0;
};
HalfLayout halfLayout(const LoadedDipole& dipole, const ModelOptions& options);

// How high the tips are over the ground, metres; nullopt in free space.
std::optional<double> tipHeight(const LoadedDipole& dipole, const ModelOptions& options);

// What the model stands on and how it hangs, in English, for the comments of
// the files the program writes: "Over average ground (relative permittivity
// 13, 0.005 S/m), 9.144 m high." or "Free space.", then the shape of an
// inverted V.
QString settingText(const ModelOptions& options);

// The shortest segment of the model, metres.
double shortestSegment(const LoadedDipole& dipole, const ModelOptions& options);

// Frequencies in MHz: first, then each step added (or, multiplying, each a
// factor step above the last), count in all.
enum class Steps { Adding, Multiplying };
struct FrequencySweep {
    double first = 0;
    double step = 0;
    int count = 1;
    Steps steps = Steps::Adding;

    double frequency(int index) const;
};

// What a run tells of the power radiated: the power budget's radiated over
// input power, or, from the far field as well, the power gain averaged over
// the upper half of space, which over ground counts the ground's loss too.
enum class Radiation { Budget, UpperHalf };

// What a run excites at each frequency: the feed point alone, or then each
// segment of the coils in turn as well, both coils alike, with the feed point
// shorted. Each further excitation solves the same equations again for
// nothing but itself, and together they tell how the feed point and the
// coils couple: the feed impedance for any load of the coils follows (see
// CoilPorts).
enum class Excitation { Feed, FeedThenCoils };

// One execution of the engine: the coils' inductance in microhenries and the
// frequencies at which the feed point is computed; a Q of their own, for
// coils wound for that inductance, in place of the options' Q.
struct Run {
    double inductance = 0;
    FrequencySweep sweep;
    std::optional<double> coilQ = std::nullopt;
    Radiation radiation = Radiation::Budget;
    Excitation excitation = Excitation::Feed;

    // How many solutions the engine reports for the run, with coils of so
    // many segments.
    int solutions(int coilSegments) const {
        return sweep.count * (excitation == Excitation::Feed ? 1 : 1 + coilSegments);
    }
};

// A coil's Q as a run or the options take it: none for a lossless coil,
// whose Q is NaN.
inline std::optional<double> coilQOption(double q) {
    return std::isfinite(q) ? std::optional<double>(q) : std::nullopt;
}

// How many segments each coil of the model has.
int coilSegmentsOf(const LoadedDipole& dipole, const ModelOptions& options);

// The load impedance of each coil of that inductance (µH) at the design
// frequency, in ohms: its reactance, and with a Q the loss resistance |X| / Q.
std::complex<double> coilLoad(const LoadedDipole& dipole, const ModelOptions& options,
                              double inductance);

// Whether the engine's output lists the currents on every segment. The
// program reads none of them, so only the deck that the nec command writes
// for a person to run lists them.
enum class Currents { LeftOut, Printed };

// A NEC-2 card deck of the dipole: the comments first, then the geometry, the
// source at the centre, and each run with its loads and frequencies. Throws
// NecError for a design that cannot be modelled.
QString necDeck(const LoadedDipole& dipole, const ModelOptions& options,
                const std::vector<Run>& runs, const QStringList& comments, Currents currents);

}  // namespace querlin::nec
