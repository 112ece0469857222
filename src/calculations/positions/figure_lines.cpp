#include "positions/figure_lines.h"

#include "build/build_figures.h"

namespace querlin {

namespace {

QString keyed(const char* key, const QString& text) {
    return QLatin1String(key) + u' ' + text;
}

}  // namespace

Results modelTexts(const DesignRow& row, const Results& texts) {
    Results all = texts;
    if (row.coil) {
        all.push_back({kCoilTurns, row.coil->turns});
        all.push_back({kCoilQ, row.coil->q.text});
    }
    return all;
}

QStringList noteLines(const DesignRow& row, const QLocale& locale) {
    QStringList lines;
    if (const QString note = check::accuracyNote(row.design.dipole, row.options); !note.isEmpty()) {
        lines << keyed(kNote, note);
    }
    if (const QString note = check::windingNote(row.design.dipole, row.options, locale);
        !note.isEmpty()) {
        lines << keyed(kWindingNote, note);
    }
    return lines;
}

QStringList checkLines(const DesignRow& row, bool metric, const QLocale& locale) {
    Results texts = modelTexts(row, row.design.results());
    if (const std::optional<build::CoilWound>& wound = row.coilAsWound) {
        // What the coil as wound acts as at the design frequency: the
        // inductance the engine models.
        const Figure actsAs{kCoilActsAs, row.design.dipole.inductance};
        texts.push_back(
            {kCoilWoundTurns, figureText(wound->turns, 2, "", locale, UnitShown::Without)});
        texts.push_back({kCoilWoundFits, wound->fits ? u"yes"_qs : u"no"_qs});
        texts.push_back({kCoilActsAs.key, figureText(actsAs, locale, UnitShown::With)});
    }
    QStringList lines;
    for (const Result& result : texts) {
        lines << keyed(result.name, result.text);
    }
    for (const check::FigureForm& form : check::figureForms(check::lossOf(row.options))) {
        lines << keyed(form.key, figureText(form.of(*row.check), locale, UnitShown::With));
    }
    for (const Figure& hanging : check::hangingFigures(row.design.dipole, row.options, metric)) {
        lines << keyed(hanging.form.key, figureText(hanging, locale, UnitShown::With));
    }
    return lines + noteLines(row, locale);
}

QStringList buildLines(const DesignRow& row, const build::DipoleBuild& build,
                       const BuildInputs& inputs, const QLocale& locale) {
    QStringList lines;
    for (const Result& result : row.design.results()) {
        lines << keyed(result.name, result.text);
    }
    for (const build::BuildFigureForm& form : build::buildFigureForms(inputs.kind)) {
        lines << keyed(form.key, figureText(form.of(build), locale, UnitShown::With));
    }
    if (inputs.wound) {
        for (const build::WoundFigureForm& form : build::woundFigureForms()) {
            lines << keyed(form.key, figureText(form.of(build), locale, UnitShown::With));
        }
        for (const build::FitForm& form : build::fitForms()) {
            lines << keyed(form.key, build::fitText(form, build));
        }
    }
    for (const Figure& piece : build::cutList(row.design.dipole, row.options, inputs.metric)) {
        lines << keyed(piece.form.key, figureText(piece, locale, UnitShown::With));
    }
    const QString why =
        build::noMatchText(build, inputs.feedline, row.design.dipole.frequency, locale);
    if (!why.isEmpty()) {
        lines << keyed(build::kNoMatch, why);
    }
    return lines + noteLines(row, locale);
}

}  // namespace querlin
