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
#include "positions/position_sweep.h"

namespace querlin::cli {

// The model's options as the words give them: texts, read in the request's
// locale when the model is made, and the choice of copper wire.
struct ModelWords {
    QString segments;
    QString height;
    QString coilQ;
    bool copper = false;
};

// The engine every command runs, its program chosen once for the process.
const nec::EngineRuns& engineRuns();

// The options the words make, the height in feet unless metric; a usage
// error for one that does not read.
nec::ModelOptions modelOptions(const ModelWords& words, bool metric, const QLocale& locale);

// The positive number given to the option of that name; a usage error otherwise.
double positiveOption(const QString& name, const QString& text, const QLocale& locale);

// The deck of the nec command: the design's comments, its geometry and loads,
// and a sweep of the design frequency and 10 % either way. The Antenna gives
// the texts as typed, for the comments.
QString deckOf(const Antenna& antenna, const ModelDesign& design, const nec::ModelOptions& options);

// A check's model, feed line and loading coil as the model takes them; a
// usage error for an option that does not read.
struct CheckWords;
ModelInputs modelInputs(const CheckWords& words, bool metric, const QLocale& locale);

// The keys of the wound coil's turns and Q.
inline constexpr const char* kCoilTurns = "coil_turns";
inline constexpr const char* kCoilQ = "coil_q";

// The keys of the loading coil's turns as wound by Nagaoka's coefficient, as
// build winds it, and whether they fit: check's alone.
inline constexpr const char* kCoilWoundTurns = "coil_wound_turns";
inline constexpr const char* kCoilWoundFits = "coil_wound_fits";

// The texts of a model's design, with the wound coil's turns and Q.
Results modelTexts(const DesignRow& row, const Results& texts);

// The same as JSON, the coil's Q and the check's figures as numbers.
QJsonObject modelJson(const DesignRow& row, const Results& texts);

// Why the engine's figures for the row are rougher than the model's usual,
// under the key "note": a line of text, or a JSON member. Nothing when they
// are not.
inline constexpr const char* kNote = "note";
void printNote(std::ostream& out, const DesignRow& row);
void insertNote(QJsonObject& object, const DesignRow& row);

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
