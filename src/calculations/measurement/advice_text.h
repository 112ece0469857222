#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "build/build.h"
#include "figures/figure.h"
#include "measurement/measured.h"
#include "nec/nec_model.h"

namespace querlin::measurement {

// Each coil wound on its former before and after the advised change of
// inductance: its turns, and whether they fit the former's length after.
struct TurnsChange {
    double before = 0;
    double after = 0;
    bool fits = false;
};

// The same for the design's coils and that former, none where the advice
// has no change of inductance. Throws the calculation's Fault of a former on
// which no coil winds.
std::optional<TurnsChange> turnsChange(const TuningAdvice& advice, const nec::LoadedDipole& design,
                                       const build::Former& former);

// The measurement's figures, in the order measured prints them.
std::vector<Figure> measurementFigures(const MeasuredFigures& measured);

// The comparison's figures, in the order measured prints them after the
// measurement's: the tip change in feet, or in metres when metric; last the
// change of turns on the former (kTurnsChange), none without.
inline constexpr const char* kTurnsChange = "turns_change";
std::vector<Figure> comparisonFigures(const TuningAdvice& advice, bool metric,
                                      const std::optional<TurnsChange>& turns = std::nullopt);

// The advice of no comparison: every figure none.
TuningAdvice noAdvice();

// What to change, in words, one sentence a line: the tips ("fold back" to
// shorten), or instead the coils and, with their former, their turns, the
// estimate of the coils' loss, and how the model's resonance follows the
// tips against the rule for full-size dipoles.
QStringList adviceLines(const TuningAdvice& advice, const nec::LoadedDipole& design, bool metric,
                        const QLocale& locale,
                        const std::optional<TurnsChange>& turns = std::nullopt);

}  // namespace querlin::measurement
