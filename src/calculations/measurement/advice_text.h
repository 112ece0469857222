#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

#include "antenna/nec_model.h"
#include "measurement/measured.h"

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

// The measurement's figures, then the comparison's, in the order measured
// prints them: the tip change in feet, or in metres when metric.
std::vector<MeasuredFigure> figureList(const MeasuredFigures& measured, const TuningAdvice& advice,
                                       bool metric);

// Its number and unit, "none" where there is none.
QString figureText(const MeasuredFigure& figure, const QLocale& locale);

// The advice of no comparison: every figure none.
TuningAdvice noAdvice();

// What to change, in words, one sentence a line: the tips ("fold back" to
// shorten), or instead the coils, the estimate of the coils' loss, and how
// the model's resonance follows the tips against the rule for full-size
// dipoles.
QStringList adviceLines(const TuningAdvice& advice, const antenna::LoadedDipole& design,
                        bool metric, const QLocale& locale);

}  // namespace querlin::measurement
