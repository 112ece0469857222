#include "measurement/advice_text.h"

#include <cmath>
#include <limits>

#include "conversions.h"

namespace querlin::measurement {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

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

}  // namespace

std::optional<TurnsChange> turnsChange(const TuningAdvice& advice,
                                       const antenna::LoadedDipole& design,
                                       const antenna::Former& former) {
    const antenna::CoilWound before =
        antenna::woundFor(former, design.inductance, design.frequency);
    if (!std::isfinite(advice.inductanceChange)) {
        return std::nullopt;
    }
    const antenna::CoilWound after =
        antenna::woundFor(former, design.inductance + advice.inductanceChange, design.frequency);
    return TurnsChange{before.turns, after.turns, after.fits};
}

std::vector<MeasuredFigure> figureList(const MeasuredFigures& measured, const TuningAdvice& advice,
                                       bool metric, const std::optional<TurnsChange>& turns) {
    return {
        {"resonance", "Measured resonance", measured.resonance, 4, "MHz"},
        {"resistance", "Resistance there", measured.resistance, 2, "ohms"},
        {"min_swr", "Lowest SWR", measured.minSwr, 2, ""},
        {"min_swr_frequency", "Lowest SWR at", measured.minSwrFrequency, 4, "MHz"},
        {"bandwidth", "2:1 SWR bandwidth", measured.bandwidth, 1, "kHz"},
        {"model_resonance", "The design's resonance, by NEC-2", advice.modelResonance, 4, "MHz"},
        {"tip_change", "Change to each tip", advice.tipChange / (metric ? 1 : kMetresPerFoot), 3,
         metric ? "m" : "ft"},
        {"inductance_change", "Or to each coil", advice.inductanceChange, 3, "uH"},
        {"coil_q", "Coils' Q, an estimate", advice.coilQ, 0, ""},
        {"efficiency", "Efficiency, an estimate", advice.efficiency, 1, "%"},
        {"turns_change", "Or to each coil's turns", turns ? turns->after - turns->before : kNone, 2,
         "turns"},
    };
}

QString figureText(const MeasuredFigure& figure, const QLocale& locale) {
    if (!std::isfinite(figure.value)) {
        return QStringLiteral("none");
    }
    QString text = numberText(figure.value, figure.decimals, locale);
    if (*figure.unit != '\0') {
        text += u' ' + QLatin1String(figure.unit);
    }
    return text;
}

TuningAdvice noAdvice() {
    return {kNone, kNone, kNone, kNone, kNone, kNone};
}

QStringList adviceLines(const TuningAdvice& advice, const antenna::LoadedDipole& design,
                        bool metric, const QLocale& locale,
                        const std::optional<TurnsChange>& turns) {
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
        if (turns) {
            const double change = turns->after - turns->before;
            lines << QStringLiteral("On that former: %1 %2 turns (%3 to %4 turns)%5.")
                         .arg(change < 0 ? u"unwind"_qs : u"wind on"_qs,
                              numberText(std::abs(change), 2, locale),
                              numberText(turns->before, 2, locale),
                              numberText(turns->after, 2, locale),
                              turns->fits ? QString() : u", which do not fit its length"_qs);
        }
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

}  // namespace querlin::measurement
