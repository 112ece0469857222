#include "build_output.h"

#include <cmath>

#include <QCoreApplication>
#include "build/build_figures.h"

#include "measurement/model_touchstone.h"
#include "nec/nec_engine.h"

namespace querlin::cli {

using build::DipoleBuild;

// A line of the command: its JSON key, then its text.
void keyed(const Output& output, const char* key, const QString& text) {
    writeLine(output.out, (QLatin1String(key) + u' ' + text).toUtf8());
}

void printBuild(const Output& output, const DipoleBuild& build, const BuildInputs& inputs,
                const DesignRow& row) {
    for (const QString& line : buildLines(row, build, inputs, output.locale)) {
        writeLine(output.out, line.toUtf8());
    }
}

QJsonObject buildJson(const DesignRow& row, const DipoleBuild& build, const BuildInputs& inputs) {
    QJsonObject object = jsonOf(row.design.results());
    build::insertBuild(object, build, inputs.kind, inputs.wound);
    // To the millimetre or the hundredth of an inch, as a builder cuts.
    for (const Figure& piece : build::cutList(row.design.dipole, row.options, inputs.metric)) {
        insertFigure(object, piece.form.key,
                     rounded(piece.value, piece.form.decimals, QLocale::c()).value);
    }
    const QString why =
        build::noMatchText(build, inputs.feedline, row.design.dipole.frequency, QLocale::c());
    if (!why.isEmpty()) {
        object.insert(QLatin1String(build::kNoMatch), why);
    }
    insertNote(object, row);
    insertWindingNote(object, row);
    return object;
}

// The build's feed point for an analyser, as check --touchstone writes the
// design's: the loading coils as built, the matching coil across the feed
// point.
void saveBuild(const QString& file, const DesignRow& row, const DipoleBuild& build,
               const BuildInputs& inputs) {
    if (file.isEmpty()) {
        return;
    }
    save(file, measurement::buildTouchstone(row, build, inputs.feedline, engineRuns().engine()),
         QCoreApplication::translate("querlin-calc", "the Touchstone file"));
}

}  // namespace querlin::cli
