#include "measurement/comparison.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

#include "check/feed_line.h"

namespace querlin::measurement {

namespace {

constexpr int kReferencePoints = 201;
constexpr double kReferenceSpan = 0.1;

OnePort samplesOf(const nec::FrequencySweep& sweep, const std::vector<nec::FeedPoint>& feeds) {
    OnePort samples;
    for (int i = 0; i < sweep.count; ++i) {
        samples.push_back({std::round(sweep.frequency(i) * 1e6) / 1e6,
                           feeds[static_cast<std::size_t>(i)].impedance});
    }
    return samples;
}

std::vector<FrequencyPoint> pointsOf(const OnePort& sweep, double feedline) {
    std::vector<FrequencyPoint> points;
    for (const Sample& sample : sweep) {
        points.push_back({sample.frequency, check::standingWaveRatio(sample.impedance, feedline),
                          sample.impedance.real(), sample.impedance.imag()});
    }
    return points;
}

}  // namespace

OnePort modelledSweep(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                      const nec::FrequencySweep& sweep, const nec::NecEngine& engine) {
    return samplesOf(sweep, engine.run(nec::necDeck(dipole, options, {{dipole.inductance, sweep}},
                                                    {}, nec::Currents::LeftOut),
                                       sweep.count));
}

OnePort builtSweep(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                   const build::DipoleBuild& build, const nec::FrequencySweep& sweep,
                   const nec::NecEngine& engine) {
    // Each coil carries its own Q, as the build modelled it.
    nec::ModelOptions lossless = options;
    lossless.coilQ.reset();
    OnePort samples = samplesOf(
        sweep,
        engine.run(nec::necDeck(dipole, lossless,
                                {{build.loadInductance, sweep, nec::coilQOption(build.loadQ)}}, {},
                                nec::Currents::LeftOut),
                   sweep.count));
    if (build.match == build::DipoleBuild::Match::ShuntCoil) {
        // The matching coil's loss resistance is its reactance at the design
        // frequency over its Q, as the build takes it.
        const check::ShuntCoil shunt{
            build.shuntInductance,
            std::isfinite(build.shuntQ)
                ? 2 * std::numbers::pi * dipole.frequency * build.shuntInductance / build.shuntQ
                : 0};
        for (Sample& sample : samples) {
            sample.impedance = check::withShuntCoil(sample.impedance, sample.frequency, shunt);
        }
    }
    return samples;
}

nec::FrequencySweep referenceSweep(double frequency) {
    return {frequency * (1 - kReferenceSpan),
            frequency * 2 * kReferenceSpan / (kReferencePoints - 1), kReferencePoints};
}

nec::FrequencySweep sweepOver(const OnePort& measured) {
    const double first = measured.front().frequency;
    return {first, (measured.back().frequency - first) / (kComparedPoints - 1), kComparedPoints};
}

check::ShuntCoil fittedShuntCoil(double inductance, double frequency,
                                 const std::optional<build::Former>& former,
                                 std::optional<double> q) {
    const double reactance = 2 * std::numbers::pi * frequency * inductance;
    const double wound =
        former ? build::woundFor(*former, inductance, frequency).q : q.value_or(NAN);
    return {inductance, std::isfinite(wound) ? reactance / wound : 0, 0};
}

OnePort withFittedCoil(OnePort modelled, const check::ShuntCoil& fitted) {
    for (Sample& sample : modelled) {
        sample.impedance = check::withShuntCoil(sample.impedance, sample.frequency, fitted);
    }
    return modelled;
}

Comparison compareFile(const QString& path, const ComparedDesign& design,
                       const nec::NecEngine& engine) {
    Comparison comparison;
    comparison.measured = readMeasurementFile(path);
    comparison.figures = measuredIn(comparison.measured, path, design.feedline,
                                    design.dipole.frequency, design.fitted);
    comparison.advice = tuningAdvice(design.dipole, design.options, comparison.figures, engine,
                                     design.fitted ? Aim::BuildsMatch : Aim::Resonance);
    comparison.modelled =
        modelledSweep(design.dipole, design.options, sweepOver(comparison.measured), engine);
    if (design.fitted) {
        comparison.modelled = withFittedCoil(std::move(comparison.modelled), *design.fitted);
    }
    return comparison;
}

QFuture<Comparison> comparing(const nec::EngineRuns& engines, QString path, ComparedDesign design) {
    return engines.map<Comparison>(
        1,
        [path = std::move(path), design = std::move(design)](int, const nec::NecEngine& engine) {
            return compareFile(path, design, engine);
        },
        nec::EngineRuns::Turn::First);
}

FrequencyPlot comparisonPlot(const QString& title, const OnePort& measured, const OnePort& modelled,
                             double feedline, std::optional<double> design, bool impedance) {
    const QString line = QCoreApplication::translate("Measurement", "SWR on the %1-ohm line")
                             .arg(feedline, 0, 'g', 6);
    FrequencyPlot plot{
        title,
        impedance ? line + QCoreApplication::translate("Measurement", ", resistance and reactance")
                  : line,
        design,
        {{QCoreApplication::translate("Measurement", "Measured"), kMeasuredColour,
          pointsOf(measured, feedline)}},
        impedance};
    if (!modelled.empty()) {
        plot.subtitle += QCoreApplication::translate(
            "Measurement", ": measured, and the design as NEC-2 models it");
        plot.traces.push_back({QCoreApplication::translate("Measurement", "The design, by NEC-2"),
                               kModelledColour, pointsOf(modelled, feedline)});
    }
    return plot;
}

}  // namespace querlin::measurement
