#include "build/build.h"

#include <QCoreApplication>

#include <cmath>
#include <variant>

#include "coil/coil_winding.h"
#include "fault.h"

namespace querlin::build {

namespace {

// The rounds that bring the turns to the inductance as wound: each takes
// the error to a small fraction of what it was.
constexpr int kTurnsRounds = 20;

}  // namespace

CoilWound turnsFor(const Former& former, double inductance) {
    // The current sheet's inductance goes as the turns squared on a given
    // former: one turn's gives the turns for any other. Rosa's corrections
    // for round wire take a little off, more at a closer pitch, so the turns
    // are then raised until the winding as wound has the inductance.
    const WindingOutcome one = windingDetails({1, former.diameter, former.length, former.wire}, {});
    if (const auto* why = std::get_if<QString>(&one)) {
        throw Fault(FaultStatus::Calculation, *why);
    }
    double turns = std::sqrt(inductance / std::get<WindingDetails>(one).currentSheet);
    for (int round = 0; round < kTurnsRounds; ++round) {
        const WindingOutcome wound =
            windingDetails({turns, former.diameter, former.length, former.wire}, {});
        const auto* details = std::get_if<WindingDetails>(&wound);
        if (details == nullptr || std::abs(details->inductance / inductance - 1) < 1e-9) {
            break;
        }
        turns *= std::sqrt(inductance / details->inductance);
    }
    return {turns,
            turns * former.wire <= former.length * (1 + 1e-6),
            inductance,
            DipoleBuild::kNone,
            {}};
}

CoilWound woundFor(const Former& former, double inductance, double frequency) {
    // The antenna needs the coil's impedance at the design frequency, and a
    // coil as wound acts there as more than its winding's inductance, its
    // self-capacitance across it. The winding is brought down until the coil
    // as wound acts as the inductance wanted: each round takes the error to a
    // small fraction of what it was, the apparent inductance rising a little
    // faster than the winding's.
    CoilWound coil = turnsFor(former, inductance);
    double winding = inductance;
    for (int round = 0; round < kTurnsRounds; ++round) {
        const WindingOutcome wound =
            windingDetails({coil.turns, former.diameter, former.length, former.wire}, frequency);
        if (const auto* why = std::get_if<QString>(&wound)) {
            coil.why = *why;
            return coil;
        }
        const WindingDetails& details = std::get<WindingDetails>(wound);
        const WindingAtFrequency& there = *details.atFrequency;
        if (there.nearSelfResonance) {
            coil.why = QCoreApplication::translate(
                           "Antenna",
                           "At %1 MHz it is above a third of its self-resonance of about %2 MHz, "
                           "where its Q is in doubt.")
                           .arg(frequency)
                           .arg(*details.selfResonance, 0, 'g', 2);
            return coil;
        }
        coil.windingInductance = details.inductance;
        coil.q = there.apparentQ;
        if (std::abs(there.apparentInductance / inductance - 1) < 1e-9) {
            break;
        }
        winding *= inductance / there.apparentInductance;
        const CoilWound fewer = turnsFor(former, winding);
        coil.turns = fewer.turns;
        coil.fits = fewer.fits;
    }
    return coil;
}

WindingOutcome woundAt(const Winding& window, const CoilWound& asWound, double frequency) {
    const double turns = asWound.fits ? asWound.turns : window.turns;
    return windingDetails({turns, window.diameter, window.length, window.wire}, frequency);
}

}  // namespace querlin::build
