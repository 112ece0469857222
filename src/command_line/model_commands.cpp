#include "model_commands.h"

#include <QCoreApplication>

#include <cmath>

#include "check/check_figures.h"
#include "command_line.h"
#include "commands.h"
#include "nec/nec_engine.h"
#include "usage_error.h"

namespace querlin::cli {

const nec::EngineRuns& engineRuns() {
    static const nec::EngineRuns engines;
    return engines;
}

double positiveOption(const QString& name, const QString& text, const QLocale& locale) {
    bool ok = false;
    const double number = locale.toDouble(text, &ok);
    if (!ok || !(number > 0) || !std::isfinite(number)) {
        misused(
            QCoreApplication::translate("querlin-calc", "--%1 takes a positive number, not '%2'.")
                .arg(name, text));
    }
    return number;
}

nec::ModelOptions modelOptions(const ModelWords& words, bool metric, const QLocale& locale) {
    nec::ModelOptions options;
    if (!words.segments.isEmpty()) {
        bool whole = false;
        options.segments = words.segments.toInt(&whole);
        if (!whole || options.segments < nec::kFewestSegments ||
            options.segments > nec::kMostSegments) {
            misused(QCoreApplication::translate(
                        "querlin-calc", "--segments takes a whole number from %1 to %2, not '%3'.")
                        .arg(nec::kFewestSegments)
                        .arg(nec::kMostSegments)
                        .arg(words.segments));
        }
    }
    if (!words.height.isEmpty()) {
        const double height = positiveOption(u"height"_qs, words.height, locale);
        options.height = metric ? height : height * kMetresPerFoot;
    }
    if (!words.coilQ.isEmpty()) {
        options.coilQ = positiveOption(u"coil-q"_qs, words.coilQ, locale);
    }
    options.copper = words.copper;
    return options;
}

QString deckOf(const Antenna& antenna, const ModelDesign& design,
               const nec::ModelOptions& options) {
    const nec::LoadedDipole& d = design.dipole;
    const QString unit = antenna.metric ? u"metres"_qs : u"feet"_qs;
    const QString element = antenna.metric ? u"millimetres"_qs : u"inches"_qs;
    QStringList comments{
        QStringLiteral("QUERLIN loaded dipole for %1 MHz, %2 %3 long, element %4 %5,")
            .arg(antenna.frequency, antenna.length, unit, antenna.element, element),
        QStringLiteral("coils at %1 % of each half: %2 %3 from the centre, %4 uH each.")
            .arg(coilPercentage(antenna.slider))
            .arg(design.distance, unit, design.inductance),
        QStringLiteral("Dimensions in metres. Source at the centre; each coil a wire of its"),
        QStringLiteral("own centred on it, %1 uH spread over its segments.")
            .arg(d.inductance, 0, 'g', 8),
    };
    comments << (options.height ? QStringLiteral("Over average ground (relative permittivity %1, "
                                                 "%2 S/m), %3 m high.")
                                      .arg(nec::kGroundPermittivity)
                                      .arg(nec::kGroundConductivity)
                                      .arg(*options.height, 0, 'g', 8)
                                : QStringLiteral("Free space."));
    if (options.copper) {
        comments << QStringLiteral("Copper wire, %1 S/m.").arg(nec::kCopperConductivity);
    }
    if (options.coilQ) {
        comments << QStringLiteral("Coil Q %1: a series resistance of X / Q at %2 MHz.")
                        .arg(*options.coilQ)
                        .arg(d.frequency);
    }
    const nec::FrequencySweep sweep{d.frequency * 0.9, d.frequency * 0.01, 21};
    return nec::necDeck(d, options, {{d.inductance, sweep}}, comments, nec::Currents::Printed);
}

ModelInputs modelInputs(const CheckWords& words, bool metric, const QLocale& locale) {
    return {modelOptions(words.model, metric, locale), words.feedline, words.loadingCoil};
}

Results modelTexts(const DesignRow& row, const Results& texts) {
    Results all = texts;
    if (row.coil) {
        all.push_back({kCoilTurns, row.coil->turns});
        all.push_back({kCoilQ, row.coil->q.text});
    }
    return all;
}

QJsonObject modelJson(const DesignRow& row, const Results& texts) {
    QJsonObject object = jsonOf(texts);
    if (row.coil) {
        object.insert(QLatin1String(kCoilTurns), row.coil->turns);
        object.insert(QLatin1String(kCoilQ), row.coil->q.value);
    }
    if (row.check) {
        check::insertFigures(object, *row.check, check::lossOf(row.options));
        insertNote(object, row);
    }
    return object;
}

void printNote(std::ostream& out, const DesignRow& row) {
    if (const QString note = check::accuracyNote(row.design.dipole, row.options); !note.isEmpty()) {
        writeLine(out, (QLatin1String(kNote) + u' ' + note).toUtf8());
    }
}

void insertNote(QJsonObject& object, const DesignRow& row) {
    if (const QString note = check::accuracyNote(row.design.dipole, row.options); !note.isEmpty()) {
        object.insert(QLatin1String(kNote), note);
    }
}

int runNec(const NecRequest& request, const Output& output) {
    const ModelInputs inputs{
        modelOptions(request.model, request.antenna.metric, output.locale), {}, {}};
    const DesignRow row = designRow(request.antenna, inputs, output.locale);
    const QString deck = deckOf(request.antenna, row.design, row.options);
    if (output.json) {
        QJsonObject object = modelJson(row, row.design.results());
        object.insert(QLatin1String("deck"), deck);
        writeJson(output.out, object);
    } else if (request.output.isEmpty()) {
        writeLine(output.out, deck.chopped(1).toUtf8());
    } else {
        save(request.output, deck.toUtf8(),
             QCoreApplication::translate("querlin-calc", "the deck"));
    }
    return kSuccess;
}

// The options are read first, then the formula runs, then the coil is
// wound, and only then the engine.
int runCheck(const CheckRequest& request, const Output& output) {
    const ModelInputs inputs = modelInputs(request.check, request.antenna.metric, output.locale);
    const double feedline = positiveOption(u"feedline"_qs, inputs.feedline, output.locale);
    DesignRow row = designRow(request.antenna, inputs, output.locale);
    row.check = check::checkDipole(row.design.dipole, row.options, feedline,
                                   row.design.matchingCoil, engineRuns().engine());
    if (!request.touchstone.isEmpty()) {
        saveModelSweep(request.touchstone, row, feedline);
    }
    const std::optional<build::CoilWound>& wound = row.coilAsWound;
    if (output.json) {
        QJsonObject object = modelJson(row, row.design.results());
        if (wound) {
            object.insert(QLatin1String(kCoilWoundTurns),
                          rounded(wound->turns, 2, QLocale::c()).value);
            object.insert(QLatin1String(kCoilWoundFits), wound->fits);
        }
        writeJson(output.out, object);
        return kSuccess;
    }
    // Each text and figure on a line of its own, after its JSON key.
    Results texts = modelTexts(row, row.design.results());
    if (wound) {
        texts.push_back({kCoilWoundTurns, check::figureText(wound->turns, 2, "", output.locale,
                                                            check::UnitShown::Without)});
        texts.push_back({kCoilWoundFits, wound->fits ? u"yes"_qs : u"no"_qs});
    }
    for (const Result& result : texts) {
        writeLine(output.out, (QLatin1String(result.name) + u' ' + result.text).toUtf8());
    }
    for (const check::FigureForm& form : check::figureForms(check::lossOf(row.options))) {
        const QString text =
            check::figureText(form, *row.check, output.locale, check::UnitShown::With);
        writeLine(output.out, (QLatin1String(form.key) + u' ' + text).toUtf8());
    }
    printNote(output.out, row);
    return kSuccess;
}

}  // namespace querlin::cli
