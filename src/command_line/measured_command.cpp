#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <limits>

#include "antenna/nec_engine.h"
#include "command_line.h"
#include "commands.h"
#include "conversions.h"
#include "measurement/measured.h"
#include "model_commands.h"

namespace querlin::cli {

namespace {

// The model's sweep written for an analyser: the design frequency and 10 %
// either way in steps of 0.1 %, fine enough to draw a resonance whose 2:1
// bandwidth is a per cent or two.
constexpr int kReferencePoints = 201;
constexpr double kReferenceSpan = 0.1;

// A figure of measured: its JSON key, its value (NaN for none), and how a
// line shows it.
struct Figure {
    const char* key;
    double value;
    int decimals;
    const char* unit;
};

QString numberText(double value, int decimals, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

// A length on each tip in words, its size alone: "3.0 inches (0.25 ft)",
// "7.6 cm (0.076 m)".
QString tipText(double metres, bool metric, const QLocale& locale) {
    const double size = std::abs(metres);
    return metric ? QStringLiteral("%1 cm (%2 m)")
                        .arg(numberText(size * 100, 1, locale), numberText(size, 3, locale))
                  : QStringLiteral("%1 inches (%2 ft)")
                        .arg(numberText(size / kMetresPerInch, 1, locale),
                             numberText(size / kMetresPerFoot, 2, locale));
}

// What to change, in words: the tips, or instead the coils, and how the
// model's resonance follows the tips against the rule for full-size dipoles.
QStringList advised(const measurement::TuningAdvice& advice, const antenna::LoadedDipole& design,
                    bool metric, const QLocale& locale) {
    const QString mhz = locale.toString(design.frequency);
    if (!std::isfinite(advice.modelResonance)) {
        return {QStringLiteral("The model of the design resonates nowhere near %1 MHz: nothing "
                               "to compare with.")
                    .arg(mhz)};
    }
    QStringList lines;
    if (std::isfinite(advice.tipChange)) {
        lines << QStringLiteral("Each tip: %1 %2 to bring the resonance to %3 MHz.")
                     .arg(advice.tipChange < 0 ? u"fold back"_qs : u"lengthen by"_qs,
                          tipText(advice.tipChange, metric, locale), mhz);
    } else {
        lines << QStringLiteral(
                     "Each tip: the model finds no length that brings the resonance "
                     "to %1 MHz.")
                     .arg(mhz);
    }
    if (std::isfinite(advice.inductanceChange)) {
        lines << QStringLiteral("Or each coil: %1 %2 uH (%3 to %4 uH).")
                     .arg(advice.inductanceChange < 0 ? u"take off"_qs : u"add"_qs,
                          numberText(std::abs(advice.inductanceChange), 2, locale),
                          numberText(design.inductance, 2, locale),
                          numberText(design.inductance + advice.inductanceChange, 2, locale));
    } else {
        lines << QStringLiteral("Or each coil: the model finds no inductance that does.");
    }
    if (std::isfinite(advice.coilQ)) {
        lines << QStringLiteral(
                     "An estimate: the resonance is as sharp as the model's "
                     "with coils of Q %1, with which it radiates %2 % of the power put in.")
                     .arg(numberText(advice.coilQ, 0, locale),
                          numberText(advice.efficiency, 0, locale));
    }
    if (std::isfinite(advice.tipSlope)) {
        const double step = metric ? 0.01 : kMetresPerInch;
        const double fullSize = advice.modelResonance * 1000 * 2 * step / design.length;
        lines << QStringLiteral(
                     "In the model %1 more on each tip %2 the resonance by %3 kHz; "
                     "the rule for full-size dipoles says %4 kHz.")
                     .arg(metric ? u"1 cm"_qs : u"an inch"_qs,
                          advice.tipSlope < 0 ? u"lowers"_qs : u"raises"_qs,
                          numberText(std::abs(advice.tipSlope * step), 1, locale),
                          numberText(fullSize, 1, locale));
    }
    return lines;
}

}  // namespace

// Every option is read first, then the formula runs for the design, then
// the file is read and only then the engine runs; nothing is printed until
// all is known.
int runMeasured(const MeasuredRequest& request, const Output& output) {
    const QLocale& locale = output.locale;
    const double feedline = positiveOption(u"feedline"_qs, request.feedline, locale);
    std::optional<double> frequency;
    std::optional<double> built;
    antenna::ModelOptions options;
    if (request.antenna) {
        options = modelOptions(request.model, request.antenna->metric, locale);
        if (!request.loadInductance.isEmpty()) {
            built = positiveOption(u"load-inductance"_qs, request.loadInductance, locale);
        }
    } else if (request.frequency) {
        frequency = positiveOption(u"frequency"_qs, *request.frequency, locale);
    }
    std::optional<antenna::LoadedDipole> design;
    if (request.antenna) {
        design = designForModel(*request.antenna, {}, locale).dipole;
        design->inductance = built.value_or(design->inductance);
        frequency = design->frequency;
    }
    const measurement::MeasuredFigures measured =
        measurement::measuredFile(request.file, feedline, frequency);
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    measurement::TuningAdvice advice{kNone, kNone, kNone, kNone, kNone, kNone};
    if (design) {
        advice = measurement::tuningAdvice(*design, options, measured, antenna::NecEngine());
    }
    const bool metric = request.antenna && request.antenna->metric;
    std::vector<Figure> figures{
        {"resonance", measured.resonance, 4, "MHz"},
        {"resistance", measured.resistance, 2, "ohms"},
        {"min_swr", measured.minSwr, 2, ""},
        {"min_swr_frequency", measured.minSwrFrequency, 4, "MHz"},
        {"bandwidth", measured.bandwidth, 1, "kHz"},
        {"model_resonance", advice.modelResonance, 4, "MHz"},
        {"tip_change", advice.tipChange / (metric ? 1 : kMetresPerFoot), 3, metric ? "m" : "ft"},
        {"inductance_change", advice.inductanceChange, 3, "uH"},
        {"coil_q", advice.coilQ, 0, ""},
        {"efficiency", advice.efficiency, 1, "%"},
    };
    if (output.json) {
        QJsonObject object;
        for (const Figure& figure : figures) {
            object.insert(QLatin1String(figure.key), std::isfinite(figure.value)
                                                         ? QJsonValue(figure.value)
                                                         : QJsonValue(QJsonValue::Null));
        }
        writeJson(output.out, object);
        return kSuccess;
    }
    if (!design) {
        figures.resize(5);
    }
    for (const Figure& figure : figures) {
        QString text = std::isfinite(figure.value)
                           ? numberText(figure.value, figure.decimals, locale)
                           : u"none"_qs;
        if (std::isfinite(figure.value) && *figure.unit != '\0') {
            text += u' ' + QLatin1String(figure.unit);
        }
        writeLine(output.out, (QLatin1String(figure.key) + u' ' + text).toUtf8());
    }
    if (design) {
        for (const QString& line : advised(advice, *design, metric, locale)) {
            writeLine(output.out, line.toUtf8());
        }
    }
    return kSuccess;
}

void saveModelSweep(const QString& file, const DesignRow& row, double feedline) {
    const antenna::LoadedDipole& dipole = row.design.dipole;
    const antenna::Sweep sweep{dipole.frequency * (1 - kReferenceSpan),
                               dipole.frequency * 2 * kReferenceSpan / (kReferencePoints - 1),
                               kReferencePoints};
    const std::vector<antenna::FeedPoint> feeds =
        antenna::NecEngine().run(antenna::necDeck(dipole, row.options, {{dipole.inductance, sweep}},
                                                  {}, antenna::Currents::LeftOut),
                                 kReferencePoints);
    measurement::OnePort samples;
    for (int i = 0; i < kReferencePoints; ++i) {
        // To the hertz, as an analyser's sweep steps.
        samples.push_back({std::round(sweep.frequency(i) * 1e6) / 1e6, feeds[i].impedance});
    }
    const QStringList comments{
        QStringLiteral("QUERLIN's model of the loaded dipole for %1 MHz, %2 m long, coils of "
                       "%3 uH %4 m from the centre,")
            .arg(dipole.frequency, 0, 'g', 8)
            .arg(dipole.length, 0, 'g', 8)
            .arg(dipole.inductance, 0, 'g', 8)
            .arg(dipole.coilDistance, 0, 'g', 8),
        QStringLiteral("as the NEC-2 engine nec2c computes its feed point; %1.")
            .arg(row.options.height
                     ? QStringLiteral("%1 m over average ground").arg(*row.options.height)
                     : u"free space"_qs),
    };
    save(file, measurement::touchstoneOf(samples, feedline, comments),
         QStringLiteral("the Touchstone file"));
}

}  // namespace querlin::cli
