#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "coil/coil_winding.h"
#include "design/designs.h"
#include "figures/figure.h"

namespace querlin {

// The coil window's CALCULATE, then its turns wound evenly over the coil
// length: what the winding does, or why the formulas cannot tell. A fault of
// the window's calculation throws its HandlerFault.
struct CoilAsWound {
    Results results;    // the window's texts, turns and message
    double wanted = 0;  // the inductance the window read, µH
    Winding winding;    // the window's turns on its diameter, length and wire
    WindingOutcome outcome;
};
CoilAsWound windCoil(const Coil& coil, std::optional<double> frequency, const QLocale& locale);

// A loading coil wound for the computed inductance, and its Q at the design
// frequency, as the coil's details show it.
struct WoundCoil {
    QString turns;  // the coil window's text
    RoundedFigure q;
    double wanted = 0;  // the inductance the window read, µH
    Winding winding;    // the window's turns on its diameter, length and wire
};

// Throws a calculation's Fault for a winding that does not fit, or one used
// above a third of its self-resonance, where its Q is in doubt.
WoundCoil woundCoil(const Coil& coil, double frequency, const QLocale& locale);

}  // namespace querlin
