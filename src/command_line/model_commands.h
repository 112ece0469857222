#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <vector>

#include "antenna/nec_engine.h"
#include "antenna/nec_model.h"
#include "designs.h"

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

// A figure of the check, under its JSON key; NaN when there is none.
struct Figure {
    const char* name;
    double value;
};
using Figures = std::vector<Figure>;

// The keys of the figures a check with these options gives, in order; with
// coilLoss the coils' Q comes from their winding, design by design.
QStringList figureNames(const antenna::ModelOptions& options, bool coilLoss);

// The engine's figures for a design, in the order of figureNames.
Figures checkFigures(const ModelDesign& design, const antenna::ModelOptions& options,
                     double feedline, const antenna::NecEngine& engine);

// A figure as a line or a CSV field shows it, in that locale, with its unit
// when one is asked for: "7.1968 MHz", "none".
QString figureText(const Figure& figure, const QLocale& locale, bool withUnit);

// The figures as JSON numbers, null for none.
void insertFigures(QJsonObject& object, const Figures& figures);

}  // namespace querlin::cli
