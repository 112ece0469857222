#pragma once

#include <QString>
#include <complex>
#include <optional>

#include "nec/nec_engine.h"
#include "nec/nec_model.h"

namespace querlin::check {

// What the engine says of a loaded dipole as designed. A value that could not
// be found (no resonance near the design frequency, no matching coil) is NaN.
struct DipoleCheck {
    double resonance = 0;            // MHz: the feed reactance's rising zero nearest the design
    double resonanceError = 0;       // per cent, positive when the antenna resonates above
    std::complex<double> impedance;  // at the design frequency, ohms
    double resonantInductance = 0;   // of each coil for resonance at the design frequency, µH
    double swr = 0;                  // against the feed line, at the design frequency
    double swrMatched = 0;           // the same with the shunt matching coil at the feed point
    double bandwidth = 0;            // 2:1 SWR around the resonance, fed with its resistance, kHz
    double efficiency = 0;           // per cent, made resonant by the resonant inductance
};

// Runs the engine on the dipole as designed and finds the inductance that
// makes it resonate at the design frequency (the design's, where its
// reactance there is below kReactanceTolerance already). The matching coil
// is in µH.
DipoleCheck checkDipole(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                        double feedline, std::optional<double> matchingCoil,
                        const nec::NecEngine& engine);

// The resonance alone, found as checkDipole finds it; NaN where there is none.
double resonanceOf(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                   const nec::NecEngine& engine);

inline constexpr double kReactanceTolerance = 0.1;  // ohms

// The feed line a check is fed from when none is given, as typed.
inline const QString kDefaultFeedline = QStringLiteral("50");

}  // namespace querlin::check
