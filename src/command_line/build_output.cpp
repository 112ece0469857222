#include "build_output.h"

#include <cmath>

#include "build/build_figures.h"
#include "measurement/comparison.h"
#include "nec/nec_engine.h"

namespace querlin::cli {

using build::DipoleBuild;

// A line of the command: its JSON key, then its text.
void keyed(const Output& output, const char* key, const QString& text) {
    writeLine(output.out, (QLatin1String(key) + u' ' + text).toUtf8());
}

// The build's figures, its coils as wound, where no shunt coil matches why,
// and where the model is rough why, each after its key.
void printBuild(const Output& output, const DipoleBuild& build, const BuildInputs& inputs,
                const DesignRow& row) {
    const double frequency = row.design.dipole.frequency;
    for (const build::BuildFigureForm& form : build::buildFigureForms(inputs.kind)) {
        keyed(output, form.key, figureText(form.of(build), output.locale, UnitShown::With));
    }
    if (inputs.wound) {
        for (const build::WoundFigureForm& form : build::woundFigureForms()) {
            keyed(output, form.key, figureText(form.of(build), output.locale, UnitShown::With));
        }
        for (const build::FitForm& form : build::fitForms()) {
            keyed(output, form.key, build::fitText(form, build));
        }
    }
    for (const Figure& piece : build::cutList(row.design.dipole, row.options, inputs.metric)) {
        keyed(output, piece.form.key, figureText(piece, output.locale, UnitShown::With));
    }
    const QString why = build::noMatchText(build, inputs.feedline, frequency, output.locale);
    if (!why.isEmpty()) {
        keyed(output, build::kNoMatch, why);
    }
    printNote(output.out, row);
    printWindingNote(output, row);
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
    const nec::LoadedDipole& dipole = row.design.dipole;
    QString coils = QStringLiteral("loading coils of %1 uH %2 m from the centre")
                        .arg(build.loadInductance, 0, 'g', 8)
                        .arg(dipole.coilDistance, 0, 'g', 8);
    if (std::isfinite(build.loadQ)) {
        coils += QStringLiteral(" (Q %1)").arg(build.loadQ, 0, 'g', 6);
    }
    if (build.match == DipoleBuild::Match::ShuntCoil) {
        coils += QStringLiteral(", a matching coil of %1 uH across the feed point")
                     .arg(build.shuntInductance, 0, 'g', 8);
        if (std::isfinite(build.shuntQ)) {
            coils += QStringLiteral(" (Q %1)").arg(build.shuntQ, 0, 'g', 6);
        }
    }
    saveTouchstone(file,
                   measurement::builtSweep(dipole, row.options, build,
                                           measurement::referenceSweep(dipole.frequency),
                                           engineRuns().engine()),
                   inputs.feedline, coils + u',', row);
}

void printDesign(const Output& output, const DesignRow& row) {
    for (const Result& result : row.design.results()) {
        keyed(output, result.name, result.text);
    }
}

}  // namespace querlin::cli
