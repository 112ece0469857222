#include "model_commands.h"

#include <QCoreApplication>

#include <cmath>

#include "check/check_figures.h"
#include "command_line.h"
#include "measurement/model_touchstone.h"
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

namespace {

// The relative permittivity given to the option of that name: 1 or more.
double relativePermittivity(const QString& name, const QString& text, const QLocale& locale) {
    const double relative = positiveOption(name, text, locale);
    if (relative < 1) {
        misused(QCoreApplication::translate(
                    "querlin-calc", "--%1 takes a relative permittivity of 1 or more, not '%2'.")
                    .arg(name, text));
    }
    return relative;
}

// The ground under an antenna with a height: one named, or its two constants
// given, average ground unless either is.
nec::Ground groundOf(const ModelWords& words, bool overGround, const QLocale& locale) {
    const bool named = !words.ground.isEmpty();
    const bool permittivity = !words.groundPermittivity.isEmpty();
    const bool conductivity = !words.groundConductivity.isEmpty();
    if ((named || permittivity || conductivity) && !overGround) {
        misused(QCoreApplication::translate(
            "querlin-calc", "The ground goes with --height; without it the model is free space."));
    }
    if (named && (permittivity || conductivity)) {
        misused(QCoreApplication::translate(
            "querlin-calc",
            "--ground names a ground; --ground-permittivity and --ground-conductivity give one: "
            "not both."));
    }
    if (permittivity != conductivity) {
        misused(QCoreApplication::translate(
            "querlin-calc", "--ground-permittivity and --ground-conductivity go together."));
    }
    if (permittivity) {
        return {nullptr,
                relativePermittivity(u"ground-permittivity"_qs, words.groundPermittivity, locale),
                positiveOption(u"ground-conductivity"_qs, words.groundConductivity, locale)};
    }
    if (!named) {
        return {};
    }
    for (const nec::Ground& ground : nec::namedGrounds()) {
        if (words.ground == QLatin1String(ground.name)) {
            return ground;
        }
    }
    QStringList names;
    for (const nec::Ground& ground : nec::namedGrounds()) {
        names << QLatin1String(ground.name);
    }
    misused(QCoreApplication::translate("querlin-calc", "--ground takes %1, not '%2'.")
                .arg(names.join(u", "), words.ground));
}

}  // namespace

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
    options.ground = groundOf(words, options.height.has_value(), locale);
    if (!words.apexAngle.isEmpty()) {
        options.apexAngle = positiveOption(u"apex-angle"_qs, words.apexAngle, locale);
        if (options.apexAngle > nec::kFlat) {
            misused(QCoreApplication::translate(
                        "querlin-calc",
                        "--apex-angle takes the angle between the legs, more than 0 and at most "
                        "180 degrees (180: flat), not '%1'.")
                        .arg(words.apexAngle));
        }
    }
    if (!words.insulationPermittivity.isEmpty() && words.insulation.isEmpty()) {
        misused(QCoreApplication::translate(
            "querlin-calc", "--insulation-permittivity goes with --insulation, its thickness."));
    }
    if (!words.insulation.isEmpty()) {
        const double thickness = positiveOption(u"insulation"_qs, words.insulation, locale);
        nec::Insulation insulation{metric ? thickness / 1000 : thickness * kMetresPerInch};
        if (!words.insulationPermittivity.isEmpty()) {
            insulation.permittivity = relativePermittivity(u"insulation-permittivity"_qs,
                                                           words.insulationPermittivity, locale);
        }
        options.insulation = insulation;
    }
    if (!words.coilQ.isEmpty()) {
        options.coilQ = positiveOption(u"coil-q"_qs, words.coilQ, locale);
    }
    options.copper = words.copper;
    return options;
}

ModelInputs modelInputs(const CheckWords& words, bool metric, const QLocale& locale) {
    return {modelOptions(words.model, metric, locale), words.feedline, words.loadingCoil};
}

CheckInputs checkInputs(const CheckWords& words, bool metric, const QLocale& locale) {
    CheckInputs check{modelInputs(words, metric, locale), 0};
    check.feedline = positiveOption(u"feedline"_qs, check.inputs.feedline, locale);
    return check;
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

void insertWindingNote(QJsonObject& object, const DesignRow& row) {
    if (const QString note = check::windingNote(row.design.dipole, row.options, QLocale::c());
        !note.isEmpty()) {
        object.insert(QLatin1String(kWindingNote), note);
    }
}

void insertNote(QJsonObject& object, const DesignRow& row) {
    if (const QString note = check::accuracyNote(row.design.dipole, row.options); !note.isEmpty()) {
        object.insert(QLatin1String(kNote), note);
    }
}

void saveModelSweep(const QString& file, const DesignRow& row, double feedline) {
    save(file, measurement::modelTouchstone(row, feedline, engineRuns().engine()),
         QCoreApplication::translate("querlin-calc", "the Touchstone file"));
}

}  // namespace querlin::cli
