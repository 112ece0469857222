#include "measurement/measured.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>
#include <limits>

#include "check/dipole_check.h"
#include "check/feed_line.h"

namespace querlin::measurement {

namespace {

constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();

// The steps of the finite differences: each tip longer and shorter by a
// hundredth of the antenna's length, the coils by 2 %. Both move the
// resonance by a per cent or so, far more than cutting the wire into
// segments anew at the new length does.
constexpr double kTipStep = 0.01;
constexpr double kInductanceStep = 0.02;
// The model is taken to resonate at its target within this share of it, a
// tenth of the 0.1 % that a sweep of a few hundred points resolves; a
// change that only comes within kNearEnough of it after kMostSteps is
// still given.
constexpr double kClose = 1e-4;
constexpr double kNearEnough = 1e-3;
constexpr int kMostSteps = 6;
// The antenna's Q from the reactance a thousandth of the frequency either
// side; the coils' Q searched from 3 to 3000, halving the ratio between the
// bounds each step until they lie within 0.1 % of each other.
constexpr double kSharpnessStep = 1e-3;
constexpr double kLeastCoilQ = 3;
constexpr double kMostCoilQ = 3000;
constexpr double kCoilQResolution = 1.001;

// How the model's resonance (MHz) follows one change x to the antenna: as
// designed at no change, and its slope by the central difference over a step
// either way.
struct Response {
    std::function<double(double)> resonance;
    double unchanged = 0;
    double slope = 0;  // MHz per unit of x
};

Response responseOf(std::function<double(double)> resonance, double unchanged, double step) {
    const double slope = (resonance(step) - resonance(-step)) / (2 * step);
    return {std::move(resonance), unchanged, slope};
}

// The change for which the model resonates at the target: Newton's step from
// no change, then secant steps through the last two changes tried.
double changeFor(const Response& response, double target) {
    if (!std::isfinite(response.slope) || response.slope == 0) {
        return kNotFound;
    }
    double x0 = 0;
    double f0 = response.unchanged;
    double x1 = (target - f0) / response.slope;
    double best = kNotFound;
    double bestError = kNearEnough;
    for (int i = 0; i < kMostSteps && std::isfinite(x1); ++i) {
        const double f1 = response.resonance(x1);
        if (!std::isfinite(f1)) {
            return kNotFound;
        }
        const double error = std::abs(f1 / target - 1);
        if (error < bestError) {
            best = x1;
            bestError = error;
        }
        if (error < kClose || f1 == f0) {
            break;
        }
        const double next = x1 - (f1 - target) * (x1 - x0) / (f1 - f0);
        x0 = x1;
        f0 = f1;
        x1 = next;
    }
    return best;
}

// The Q of a series resonance at the frequency, f / 2R dX/df, and the
// efficiency there, from the engine.
struct Sharpness {
    double q = 0;
    double efficiency = 0;
};
Sharpness sharpnessOf(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                      double frequency, const nec::NecEngine& engine) {
    const nec::FrequencySweep sweep{frequency * (1 - kSharpnessStep), frequency * kSharpnessStep,
                                    3};
    const std::vector<nec::FeedPoint> feeds = engine.run(
        nec::necDeck(dipole, options, {{dipole.inductance, sweep}}, {}, nec::Currents::LeftOut),
        sweep.count);
    const double slope = (feeds[2].impedance.imag() - feeds[0].impedance.imag()) / (2 * sweep.step);
    return {frequency / (2 * feeds[1].impedance.real()) * slope, feeds[1].efficiency * 100};
}

// The coils' Q with which the model is as sharp as the measurement, by
// bisection on its logarithm: the model grows sharper as the coils' Q grows.
Sharpness coilLoss(const nec::LoadedDipole& dipole, nec::ModelOptions options, double frequency,
                   double measuredQ, const nec::NecEngine& engine) {
    const auto withCoilQ = [&](std::optional<double> q) {
        options.coilQ = q;
        return sharpnessOf(dipole, options, frequency, engine);
    };
    if (!(measuredQ > 0) || measuredQ >= withCoilQ(std::nullopt).q ||
        measuredQ <= withCoilQ(kLeastCoilQ).q) {
        return {kNotFound, kNotFound};
    }
    double low = kLeastCoilQ;
    double high = kMostCoilQ;
    while (high / low > kCoilQResolution) {
        const double middle = std::sqrt(low * high);
        (withCoilQ(middle).q < measuredQ ? low : high) = middle;
    }
    const double q = std::sqrt(low * high);
    return {q, withCoilQ(q).efficiency};
}

// The change that takes the model from the measured resonance to the design
// frequency: the difference between the change with which the model
// resonates as measured and the one with which it resonates as designed.
double changeBetween(const Response& response, double measured, double design) {
    return changeFor(response, design) - changeFor(response, measured);
}

// What the line saw: the lowest SWR, where, and the 2:1 bandwidth around it.
MeasuredFigures lineFigures(const OnePort& sweep, double feedline) {
    std::size_t lowest = 0;
    for (std::size_t i = 1; i < sweep.size(); ++i) {
        if (check::standingWaveRatio(sweep[i].impedance, feedline) <
            check::standingWaveRatio(sweep[lowest].impedance, feedline)) {
            lowest = i;
        }
    }
    MeasuredFigures figures;
    figures.minSwr = check::standingWaveRatio(sweep[lowest].impedance, feedline);
    figures.minSwrFrequency = sweep[lowest].frequency;
    figures.bandwidth = kNotFound;
    if (!std::isfinite(figures.minSwr)) {
        figures.minSwr = kNotFound;
    } else if (figures.minSwr < 2) {
        const auto edge = [&](int step) {
            return check::twoToOneEdge(sweep, feedline, lowest, sweep[lowest].frequency, step,
                                       check::Between::Straight);
        };
        figures.bandwidth = (edge(1) - edge(-1)) * 1000;
    }
    return figures;
}

// The resonance of the sweep nearest the frequency, put into the figures.
void addResonance(MeasuredFigures& figures, const OnePort& sweep, double nearest) {
    const std::optional<check::RisingZero> found = check::risingZeroNearest(sweep, nearest);
    if (!found) {
        throw MeasurementError(
            QCoreApplication::translate(
                "Measurement",
                "the reactance does not rise through zero anywhere from %1 to %2 MHz: "
                "the sweep holds no resonance; sweep more widely around it.")
                .arg(sweep.front().frequency, 0, 'g', 8)
                .arg(sweep.back().frequency, 0, 'g', 8));
    }
    figures.resonance = found->frequency;
    figures.resistance = found->resistance;
    figures.reactanceSlope = found->slope;
}

}  // namespace

MeasuredFigures measuredFigures(const OnePort& sweep, double feedline,
                                std::optional<double> design) {
    MeasuredFigures figures = lineFigures(sweep, feedline);
    addResonance(figures, sweep, design.value_or(figures.minSwrFrequency));
    return figures;
}

MeasuredFigures measuredIn(const OnePort& sweep, const QString& path, double feedline,
                           std::optional<double> design, std::optional<check::ShuntCoil> fitted) {
    try {
        // The antenna's own feed point, with the coil taken off the sweep.
        OnePort antenna = sweep;
        for (check::Sample& sample : antenna) {
            if (fitted) {
                sample.impedance =
                    check::withoutShuntCoil(sample.impedance, sample.frequency, *fitted);
            }
        }
        MeasuredFigures figures = lineFigures(sweep, feedline);
        addResonance(figures, antenna, design.value_or(figures.minSwrFrequency));
        return figures;
    } catch (const MeasurementError& error) {
        throw MeasurementError(path + u": "_qs + error.message);
    }
}

TuningAdvice tuningAdvice(const nec::LoadedDipole& design, const nec::ModelOptions& options,
                          const MeasuredFigures& measured, const nec::NecEngine& engine, Aim aim) {
    const auto resonanceWith = [&](double tip, double inductance) {
        nec::LoadedDipole changed = design;
        changed.length += 2 * tip;
        changed.inductance = inductance;
        if (changed.length / 2 <= changed.coilDistance || inductance <= 0) {
            return kNotFound;
        }
        return check::resonanceOf(changed, options, engine);
    };
    TuningAdvice advice{resonanceWith(0, design.inductance),
                        kNotFound,
                        kNotFound,
                        kNotFound,
                        kNotFound,
                        kNotFound,
                        aim};
    if (!std::isfinite(advice.modelResonance)) {
        return advice;
    }
    const double target = aim == Aim::Resonance ? design.frequency : advice.modelResonance;
    const Response tips =
        responseOf([&](double tip) { return resonanceWith(tip, design.inductance); },
                   advice.modelResonance, kTipStep * design.length);
    advice.tipSlope = tips.slope * 1000;
    const double asMeasured = changeFor(tips, measured.resonance);
    advice.tipChange = changeFor(tips, target) - asMeasured;
    const Response coils =
        responseOf([&](double added) { return resonanceWith(0, design.inductance + added); },
                   advice.modelResonance, kInductanceStep * design.inductance);
    advice.inductanceChange = changeBetween(coils, measured.resonance, target);
    if (std::isfinite(asMeasured)) {
        nec::LoadedDipole tipped = design;
        tipped.length += 2 * asMeasured;
        const Sharpness loss = coilLoss(
            tipped, options, measured.resonance,
            measured.resonance / (2 * measured.resistance) * measured.reactanceSlope, engine);
        advice.coilQ = loss.q;
        advice.efficiency = loss.efficiency;
    }
    return advice;
}

}  // namespace querlin::measurement
