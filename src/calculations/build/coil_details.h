#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <optional>

#include "design/designs.h"

namespace querlin::build {

// The coil window's results and what its winding does as wound.
struct CoilDetails {
    Results results;      // the window's texts, as without the details
    QStringList lines;    // one figure with its unit a line, then any warning
    QJsonObject figures;  // the same figures as numbers, or no_details and why
    QString whyNot;       // empty when the figures could be worked out
};

// The coil window's CALCULATE, then its turns wound evenly over the coil
// length: what querlin-calc coil --details prints, and the coil window shows
// from its result's menu. With a frequency in MHz also the coil's Q,
// self-resonance and reactance, and what the coil wound with the turns as
// wound acts as there.
CoilDetails designCoilDetails(const Coil& coil, std::optional<double> frequency,
                              const QLocale& locale);

}  // namespace querlin::build
