#pragma once

#include <QFuture>
#include <QString>
#include <optional>

#include "build/build.h"
#include "check/feed_line.h"
#include "measurement/measured.h"
#include "measurement/one_port.h"
#include "nec/engine_runs.h"
#include "nec/nec_engine.h"
#include "nec/nec_model.h"
#include "plot.h"

namespace querlin::measurement {

// The model's feed point over the sweep, as the engine computes it, each
// frequency rounded to the hertz as an analyser's sweep steps.
OnePort modelledSweep(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                      const nec::FrequencySweep& sweep, const nec::NecEngine& engine);

// The same of the build: its loading coils as built, each with its Q, and
// its matching coil across the feed point.
OnePort builtSweep(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                   const build::DipoleBuild& build, const nec::FrequencySweep& sweep,
                   const nec::NecEngine& engine);

// The sweep an analyser is given as the model's trace: the design frequency
// and 10 % either way in steps of 0.1 %, fine enough to draw a resonance
// whose 2:1 bandwidth is a per cent or two.
nec::FrequencySweep referenceSweep(double frequency);

// The model's sweep beside a measurement: from its first frequency to its
// last in kComparedPoints, as one run of the engine.
inline constexpr int kComparedPoints = 201;
nec::FrequencySweep sweepOver(const OnePort& measured);

// The design a measurement is compared with: its model, the coils as built,
// and the feed line the SWR is on.
struct ComparedDesign {
    nec::LoadedDipole dipole;
    nec::ModelOptions options;
    double feedline = 0;
    // The matching coil across the feed point while measuring, for a build:
    // the advice then aims at the build's match, not at resonance.
    std::optional<check::ShuntCoil> fitted;
};

// The matching coil of that inductance (µH) fitted while measuring, with
// its loss at the frequency (MHz): as wound on the former, else of the
// coils' Q, else none.
check::ShuntCoil fittedShuntCoil(double inductance, double frequency,
                                 const std::optional<build::Former>& former,
                                 std::optional<double> q);

// The model's sweep with that coil across the feed point, as the analyser
// sees the antenna it is fitted to.
OnePort withFittedCoil(OnePort modelled, const check::ShuntCoil& fitted);

// A measurement and what the model says of it: the sweep read, its figures,
// what to change, and the model's own sweep over the same frequencies.
struct Comparison {
    OnePort measured;
    MeasuredFigures figures;
    TuningAdvice advice;
    OnePort modelled;
};

// Reads the file and compares it with the design. Throws MeasurementError
// for a file that cannot be read or holds no resonance (its message begins
// with the file's name), NecError when the engine fails.
Comparison compareFile(const QString& path, const ComparedDesign& design,
                       const nec::NecEngine& engine);

// The same on the engines' runner, ahead of the items waiting there, so that
// it starts beside a window's check as soon as one of the check's engines
// ends; cancelling stops it at once and gives no result. Waiting for it
// throws the fault that ended it.
QFuture<Comparison> comparing(const nec::EngineRuns& engines, QString path, ComparedDesign design);

// The measured sweep against frequency and, where there is one, the
// model's: the SWR on the line of that impedance and, with the impedance,
// the resistance and reactance; the design frequency marked where given.
FrequencyPlot comparisonPlot(const QString& title, const OnePort& measured, const OnePort& modelled,
                             double feedline, std::optional<double> design, bool impedance);

}  // namespace querlin::measurement
