#pragma once

#include <optional>

#include "check/feed_line.h"
#include "measurement/one_port.h"
#include "nec/nec_engine.h"
#include "nec/nec_model.h"

namespace querlin::measurement {

// What a measured sweep says of the antenna. A figure that is not there
// (no 2:1 bandwidth within the sweep) is NaN.
struct MeasuredFigures {
    double resonance = 0;        // MHz: a rising zero of the reactance
    double resistance = 0;       // ohms, at the resonance
    double reactanceSlope = 0;   // ohms per MHz, at the resonance
    double minSwr = 0;           // against the feed line
    double minSwrFrequency = 0;  // MHz
    double bandwidth = 0;        // kHz where the SWR stays below 2 around its lowest
};

// The figures of the sweep on a feed line of that impedance: the resonance
// is the rising zero of the reactance nearest the design frequency where one
// is given, else nearest the lowest SWR, each interpolated between the
// samples either side. Throws MeasurementError for a sweep with no
// resonance in it.
MeasuredFigures measuredFigures(const OnePort& sweep, double feedline,
                                std::optional<double> design);

// The same of a sweep read from the file of that name: the message of a
// sweep without a resonance, too, begins with the file's name. Taken with
// the build's matching coil across the feed point, the resonance is the
// antenna's own, the coil taken off the sweep, and the SWR what the line saw.
MeasuredFigures measuredIn(const OnePort& sweep, const QString& path, double feedline,
                           std::optional<double> design,
                           std::optional<check::ShuntCoil> fitted = std::nullopt);

// What to change on the antenna as built to bring its resonance to the
// design frequency, from the model's own sensitivity to each change: the
// engine run with both tips longer and shorter (the coils staying where they
// are), or with more and less inductance in both coils. Each change is the
// difference between the change with which the model resonates where the
// antenna was measured and the one with which it resonates at the design
// frequency, each found by Newton's and then secant steps: exact, as far as
// the model is, where the antenna differs from the design in that respect
// alone. NaN where the model gives no resonance, or the tips would have to
// end inside the coils.
//
// And an estimate of the coils' loss: the coil Q with which the model, its
// tips changed until it resonates where the antenna was measured, is as
// sharp as the measurement (the Q of a series resonance, f / 2R times the
// slope of the reactance), and the efficiency the model then has there. NaN
// where the measurement is as sharp as the lossless model or sharper, or
// blunter than coils of Q 3 make it: more loss than the coils', or none.
//
// The aim is the design's resonance at the design frequency, or for a build,
// whose loading coils stop a little short of resonance so that its matching
// coil matches the line there, the build's own resonance in the model: with
// it, the lowest SWR with the matching coil falls at the design frequency.
enum class Aim { Resonance, BuildsMatch };
struct TuningAdvice {
    double modelResonance = 0;    // MHz: the design as modelled
    double tipChange = 0;         // metres on each tip, negative to shorten
    double inductanceChange = 0;  // µH in each coil
    double tipSlope = 0;          // kHz per metre added to each tip, at the design
    double coilQ = 0;             // the estimate
    double efficiency = 0;        // per cent, with coils of that Q
    Aim aim = Aim::Resonance;
};
TuningAdvice tuningAdvice(const nec::LoadedDipole& design, const nec::ModelOptions& options,
                          const MeasuredFigures& measured, const nec::NecEngine& engine,
                          Aim aim = Aim::Resonance);

}  // namespace querlin::measurement
