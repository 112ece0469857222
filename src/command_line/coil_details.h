#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <optional>

#include "antenna/designs.h"

namespace querlin::cli {

// The coil window's results and what its winding does as wound.
struct CoilDetails {
    Results results;      // the window's texts, as without the details
    QStringList lines;    // one figure with its unit a line, then any warning
    QJsonObject figures;  // the same figures as numbers, or no_details and why
    QString whyNot;       // empty when the figures could be worked out
};

// The coil window's CALCULATE, then its turns wound evenly over the coil
// length: with a frequency in MHz also the coil's Q, self-resonance and
// reactance. A fault of the window's calculation throws its HandlerFault.
CoilDetails designCoilDetails(const Coil& coil, std::optional<double> frequency,
                              const QLocale& locale);

}  // namespace querlin::cli
