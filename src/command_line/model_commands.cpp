#include "model_commands.h"

#include <cmath>

#include "usage_error.h"

namespace querlin::cli {

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
    QStringList comments{
        QStringLiteral("QUERLIN loaded dipole for %1 MHz, %2 %3 long, element %4 %5,")
            .arg(antenna.frequency, antenna.length, unit, antenna.element, element),
        QStringLiteral("coils at %1 % of each half: %2 %3 from the centre, %4 uH each.")
            .arg(coilPercentage(antenna.slider))
            .arg(design.distance, unit, design.inductance),
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

}  // namespace querlin::cli
