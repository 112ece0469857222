#pragma once

#include <QFileInfo>
#include <QLocale>
#include <QString>

#include <QJsonObject>
#include <ostream>

#include "design/designs.h"
#include "nec/engine_runs.h"
#include "nec/nec_model.h"
#include "output.h"
#include "positions/figure_lines.h"
#include "positions/position_sweep.h"

namespace querlin::cli {

// The model's options as the words give them, checked but not yet read as
// numbers, and the choice of copper wire.
struct ModelWords {
    QString segments;
    QString height;
    QString ground;  // a named ground
    QString groundPermittivity;
    QString groundConductivity;
    QString apexAngle;
    QString insulation;  // its thickness
    QString insulationPermittivity;
    QString coilQ;
    bool copper = false;
};

// The model and the feed line of a check, and the loading coil to wind.
struct CheckWords {
    ModelWords model;
    QString feedline;
    std::optional<LoadingCoil> loadingCoil;
};

// The engine every command runs, its program chosen once for the process.
const nec::EngineRuns& engineRuns();

// The options the words make, the height in feet unless metric; a usage
// error for one that does not read.
nec::ModelOptions modelOptions(const ModelWords& words, bool metric, const QLocale& locale);

// The positive number given to the option of that name; a usage error otherwise.
double positiveOption(const QString& name, const QString& text, const QLocale& locale);

// A check's model, feed line and loading coil as the model takes them; a
// usage error for an option that does not read.
ModelInputs modelInputs(const CheckWords& words, bool metric, const QLocale& locale);

// A check's words read: the model's inputs and the feed line's impedance,
// ohms. A usage error for an option that does not read.
struct CheckInputs {
    ModelInputs inputs;
    double feedline = 0;
};
CheckInputs checkInputs(const CheckWords& words, bool metric, const QLocale& locale);

// Runs the engine over the design's sweep and writes the feed point as a
// Touchstone file, referred to the feed line: what check --touchstone writes.
void saveModelSweep(const QString& file, const DesignRow& row, double feedline);

// The same as JSON, the coil's Q and the check's figures as numbers.
QJsonObject modelJson(const DesignRow& row, const Results& texts);

// The note and the winding note of the row as JSON members, where they
// have a text.
void insertNote(QJsonObject& object, const DesignRow& row);
void insertWindingNote(QJsonObject& object, const DesignRow& row);

// The picture in the file --plot names: an SVG where the name ends in .svg,
// a PNG otherwise.
template <typename Plot>
void savePlot(const QString& file, const Plot& plot) {
    const QString what = QStringLiteral("the plot");
    if (QFileInfo(file).suffix().toLower() != u"svg") {
        save(file, plotPng(plot), what);
        return;
    }
    QString why;
    const QByteArray svg = plotSvg(plot, why);
    if (svg.isEmpty()) {
        unwritten(file, what, why);
    }
    save(file, svg, what);
}

}  // namespace querlin::cli
