#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "build/build.h"
#include "measurement/measured.h"
#include "nec/nec_model.h"

namespace querlin::measurement {

// A figure of a measurement compared with the design: its key, as measured
// --json writes it, what it is in words, its value (NaN for none), and how a
// line shows it.
struct MeasuredFigure {
    const char* key;
    const char* label;
    double value;
    int decimals;
    const char* unit;
};

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

// The measurement's figures, then the comparison's, in the order measured
// prints them: the tip change in feet, or in metres when metric; last the
// change of turns on the former, none without.
std::vector<MeasuredFigure> figureList(const MeasuredFigures& measured, const TuningAdvice& advice,
                                       bool metric,
                                       const std::optional<TurnsChange>& turns = std::nullopt);

// Its number and unit, "none" where there is none.
QString figureText(const MeasuredFigure& figure, const QLocale& locale);

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
