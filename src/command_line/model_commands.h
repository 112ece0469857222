#pragma once

#include <QLocale>
#include <QString>

#include "antenna/designs.h"
#include "antenna/nec_model.h"

namespace querlin::cli {

// The model's options as the words give them: texts, read in the request's
// locale when the model is made, and the choice of copper wire.
struct ModelWords {
    QString segments;
    QString height;
    QString coilQ;
    bool copper = false;
};

// The options the words make, the height in feet unless metric; a usage
// error for one that does not read.
antenna::ModelOptions modelOptions(const ModelWords& words, bool metric, const QLocale& locale);

// The positive number given to the option of that name; a usage error otherwise.
double positiveOption(const QString& name, const QString& text, const QLocale& locale);

// The deck of the nec command: the design's comments, its geometry and loads,
// and a sweep of the design frequency and 10 % either way. The Antenna gives
// the texts as typed, for the comments.
QString deckOf(const Antenna& antenna, const ModelDesign& design,
               const antenna::ModelOptions& options);

}  // namespace querlin::cli
