#pragma once

#include <QHash>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <optional>

#include "antenna/designs.h"

namespace querlin::cli {

// The coil window's results and what its winding does as wound.
struct CoilDetails {
    Results results;                 // the window's texts, as without the details
    QStringList lines;               // one figure with its unit a line, then any warning
    QJsonObject figures;             // the same figures as numbers, or no_details and why
    QHash<QString, QString> texts;   // each figure as its line shows it, by its key
    QString whyNot;                  // empty when the figures could be worked out
    bool nearSelfResonance = false;  // above a third of it, where the Q is in doubt
};

// The coil window's CALCULATE, then its turns wound evenly over the coil
// length: with a frequency in MHz also the coil's Q, self-resonance and
// reactance. A fault of the window's calculation throws its HandlerFault.
CoilDetails designCoilDetails(const Coil& coil, std::optional<double> frequency,
                              const QLocale& locale);

// A loading coil wound as coil --details winds it, and its Q at the frequency
// the check models, as --details shows it.
struct WoundCoil {
    QString turns;  // the coil window's text
    double q = 0;
    QString qText;
};

// Why a loading coil cannot be wound as given, or its Q not be estimated.
struct WindingFault {
    QString message;
};

// The coil window's CALCULATE for the coil, then its Q at the frequency in MHz.
// A fault of the window's calculation throws its HandlerFault; a winding
// without a Q there, or one above a third of its self-resonance, a WindingFault.
WoundCoil woundCoil(const Coil& coil, double frequency, const QLocale& locale);

}  // namespace querlin::cli
