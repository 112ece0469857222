#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <vector>

#include "antenna/designs.h"
#include "antenna/nec_engine.h"
#include "antenna/nec_model.h"

namespace querlin::antenna {

// A figure of the check, under its JSON key; NaN when there is none.
struct Figure {
    const char* name;
    double value;
};
using Figures = std::vector<Figure>;

// The keys of the figures a check with these options gives, in order; with
// coilLoss the coils' Q comes from their winding, design by design.
QStringList figureNames(const ModelOptions& options, bool coilLoss);

// The engine's figures for a design, in the order of figureNames.
Figures checkFigures(const ModelDesign& design, const ModelOptions& options, double feedline,
                     const NecEngine& engine);

// The figure of that name; NaN when the check gave none.
Figure figureOf(const Figures& figures, const char* name);

// A figure as a line or a CSV field shows it, in that locale, with its unit
// when one is asked for: "7.1968 MHz", "none".
QString figureText(const Figure& figure, const QLocale& locale, bool withUnit);

// What a figure is, in words for a person: "Resonant frequency".
QString figureLabel(const Figure& figure);

// The figures as JSON numbers, null for none.
void insertFigures(QJsonObject& object, const Figures& figures);

}  // namespace querlin::antenna
