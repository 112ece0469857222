#include "model_commands.h"

#include <cmath>

#include "antenna/dipole_check.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

// How each figure is shown: decimals and unit.
struct FigureForm {
    const char* name;
    int decimals;
    const char* unit;
};

constexpr FigureForm kFigureForms[] = {
    {"resonance", 4, "MHz"},  {"resonance_error", 2, "%"},      {"resistance", 2, "ohms"},
    {"reactance", 2, "ohms"}, {"resonant_inductance", 3, "uH"}, {"swr", 2, ""},
    {"swr_matched", 2, ""},   {"bandwidth", 1, "kHz"},          {"efficiency", 1, "%"},
};

bool withLoss(const antenna::ModelOptions& options) {
    return options.copper || options.coilQ.has_value();
}

const FigureForm& formOf(const char* name) {
    for (const FigureForm& form : kFigureForms) {
        if (qstrcmp(form.name, name) == 0) {
            return form;
        }
    }
    return kFigureForms[0];
}

}  // namespace

double positiveOption(const QString& name, const QString& text, const QLocale& locale) {
    bool ok = false;
    const double number = locale.toDouble(text, &ok);
    if (!ok || !(number > 0) || !std::isfinite(number)) {
        misused(QStringLiteral("--%1 takes a positive number, not '%2'.").arg(name, text));
    }
    return number;
}

antenna::ModelOptions modelOptions(const ModelWords& words, bool metric, const QLocale& locale) {
    antenna::ModelOptions options;
    if (!words.segments.isEmpty()) {
        bool whole = false;
        options.segments = words.segments.toInt(&whole);
        if (!whole || options.segments < antenna::kFewestSegments ||
            options.segments > antenna::kMostSegments) {
            misused(QStringLiteral("--segments takes a whole number from %1 to %2, not '%3'.")
                        .arg(antenna::kFewestSegments)
                        .arg(antenna::kMostSegments)
                        .arg(words.segments));
        }
    }
    if (!words.height.isEmpty()) {
        constexpr double kMetresPerFoot = 0.3048;
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
               const antenna::ModelOptions& options) {
    const antenna::LoadedDipole& d = design.dipole;
    const QString unit = antenna.metric ? u"metres"_qs : u"feet"_qs;
    const QString element = antenna.metric ? u"millimetres"_qs : u"inches"_qs;
    const auto textOf = [&](const char* name) { return resultText(design.results, name); };
    QStringList comments{
        QStringLiteral("QUERLIN loaded dipole for %1 MHz, %2 %3 long, element %4 %5,")
            .arg(antenna.frequency, antenna.length, unit, antenna.element, element),
        QStringLiteral("coils at %1 % of each half: %2 %3 from the centre, %4 uH each.")
            .arg(coilPercentage(antenna.slider))
            .arg(textOf("distance"), unit, textOf("inductance")),
        QStringLiteral("Dimensions in metres. Source at the centre; each coil on a segment"),
        QStringLiteral("of its own centred on it, %1 uH.").arg(d.inductance, 0, 'g', 8),
    };
    comments << (options.height ? QStringLiteral("Over average ground (relative permittivity %1, "
                                                 "%2 S/m), %3 m high.")
                                      .arg(antenna::kGroundPermittivity)
                                      .arg(antenna::kGroundConductivity)
                                      .arg(*options.height, 0, 'g', 8)
                                : QStringLiteral("Free space."));
    if (options.copper) {
        comments << QStringLiteral("Copper wire, %1 S/m.").arg(antenna::kCopperConductivity);
    }
    if (options.coilQ) {
        comments << QStringLiteral("Coil Q %1: a series resistance of X / Q at %2 MHz.")
                        .arg(*options.coilQ)
                        .arg(d.frequency);
    }
    const antenna::Sweep sweep{d.frequency * 0.9, d.frequency * 0.01, 21, false};
    return antenna::necDeck(d, options, {{d.inductance, sweep}}, comments, true);
}

QStringList figureNames(const antenna::ModelOptions& options, bool coilLoss) {
    QStringList names;
    for (const FigureForm& form : kFigureForms) {
        if (qstrcmp(form.name, "efficiency") != 0 || withLoss(options) || coilLoss) {
            names << QLatin1String(form.name);
        }
    }
    return names;
}

Figures checkFigures(const ModelDesign& design, const antenna::ModelOptions& options,
                     double feedline, const antenna::NecEngine& engine) {
    const antenna::DipoleCheck c =
        antenna::checkDipole(design.dipole, options, feedline, design.matchingCoil, engine);
    Figures figures{
        {"resonance", c.resonance},
        {"resonance_error", c.resonanceError},
        {"resistance", c.impedance.real()},
        {"reactance", c.impedance.imag()},
        {"resonant_inductance", c.resonantInductance},
        {"swr", c.swr},
        {"swr_matched", c.swrMatched},
        {"bandwidth", c.bandwidth},
    };
    if (withLoss(options)) {
        figures.push_back({"efficiency", c.efficiency});
    }
    return figures;
}

QString figureText(const Figure& figure, const QLocale& locale, bool withUnit) {
    if (!std::isfinite(figure.value)) {
        return QStringLiteral("none");
    }
    const FigureForm& form = formOf(figure.name);
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(figure.value, 'f', form.decimals);
    if (withUnit && *form.unit != '\0') {
        text += u' ' + QLatin1String(form.unit);
    }
    return text;
}

void insertFigures(QJsonObject& object, const Figures& figures) {
    for (const Figure& figure : figures) {
        object.insert(QLatin1String(figure.name), std::isfinite(figure.value)
                                                      ? QJsonValue(figure.value)
                                                      : QJsonValue(QJsonValue::Null));
    }
}

}  // namespace querlin::cli
