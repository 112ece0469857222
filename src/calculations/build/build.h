#pragma once

#include <QString>
#include <complex>
#include <limits>
#include <optional>

#include "coil/coil_winding.h"
#include "nec/nec_engine.h"
#include "nec/nec_model.h"

namespace querlin::build {

// The former and wire a build's coils are wound with, in inches. The
// diameter is the current sheet's, wire centre to wire centre, as coil
// --details takes it.
struct Former {
    double diameter = 0;
    double length = 0;
    double wire = 0;
};

// A coil wound evenly on the former so that its winding's inductance by
// Nagaoka's coefficient is the one wanted, or, at a frequency, so that the
// coil as wound acts as that inductance there.
struct CoilWound {
    double turns = 0;
    bool fits = false;
    // µH, the winding's own: what an LCR meter reads at a low frequency.
    double windingInductance = std::numeric_limits<double>::quiet_NaN();
    // At the design frequency; NaN where it cannot be estimated (a winding
    // that does not fit, or one above a third of its self-resonance), and
    // then why.
    double q = std::numeric_limits<double>::quiet_NaN();
    QString why;
};

// The turns of the coil of that inductance (µH) wound on the former, and
// whether they fit, its Q not estimated. Throws a calculation's Fault for a
// former on which no coil winds.
CoilWound turnsFor(const Former& former, double inductance);

// The coil wound on the former that acts as that inductance (µH) at that
// frequency (MHz), its self-capacitance across the winding, and its Q there
// as wound. Where its Q cannot be estimated, the turns are the winding's for
// that inductance, and why.
CoilWound woundFor(const Former& former, double inductance, double frequency);

// What the coil a builder winds on the coil window's former does at a
// frequency (MHz): the turns as wound for the inductance where they fit, the
// window's own turns where they do not.
WindingOutcome woundAt(const Winding& window, const CoilWound& asWound, double frequency);

// How lossy a build's coils are: without loss, one Q given for every coil,
// or each coil's own Q as wound on the former.
struct CoilLoss {
    std::optional<double> q;
    std::optional<Former> former;
};

// What to build for the design frequency: the loading coils and the coil
// across the feed point that match the antenna to the line, found by the
// engine with the coils' loss in the model. The feed impedance is bilinear in
// the coils' load, so that three loads give it for every load: the loading
// coils stop a little short of resonance, where the antenna's conductance is
// the line's, and the shunt coil cancels the susceptance that remains. Where
// the antenna's resistance at resonance is at or above the line's, no shunt
// coil can match it: the loading coils then resonate it. A figure that does
// not exist is NaN.
struct DipoleBuild {
    enum class Match {
        ShuntCoil,  // matched with the coil across the feed point
        Resonant,   // no shunt coil matches: the loading coils resonate it
        None,       // no loading coil resonates it
    };
    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

    Match match = Match::None;
    double loadInductance = kNone;   // each loading coil, µH
    double shuntInductance = kNone;  // the matching coil, µH
    // The antenna's feed impedance with the loading coils, before the
    // matching coil, ohms.
    std::complex<double> impedance{kNone, kNone};
    double swr = kNone;         // on the line, with the matching coil: the engine's
    double bandwidth = kNone;   // 2:1 SWR on the line, kHz
    double efficiency = kNone;  // per cent, the matching coil's loss counted
    // The antenna's own resonance at the design frequency: each loading
    // coil, the feed resistance there and the SWR on the line without a
    // matching coil.
    double resonantInductance = kNone;
    double resonantResistance = kNone;
    double resonantSwr = kNone;
    double loadQ = kNone;  // the Q of each coil in the model; NaN: lossless
    double shuntQ = kNone;
    std::optional<CoilWound> loadCoil;  // as wound on the former
    std::optional<CoilWound> shuntCoil;
    int rounds = 0;      // of inductance and Q until the two agree
    int engineRuns = 0;  // nec2c processes the build took
};

// Whether a build looks for its bandwidth, which takes the engine a run or
// two more.
enum class Bandwidth { Found, LeftOut };

// The build of the dipole, whose inductance is the first to try, on a line
// of that impedance; the options' own coil Q is not used, the loss is.
// Throws the calculation's Fault of a loading coil that cannot be wound, and
// NecError when the engine fails.
DipoleBuild buildDipole(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                        double feedline, const CoilLoss& loss, Bandwidth bandwidth,
                        const nec::NecEngine& engine);

// The engine's SWR of a matched build is at most this.
inline constexpr double kBuildSwr = 1.01;

}  // namespace querlin::build
