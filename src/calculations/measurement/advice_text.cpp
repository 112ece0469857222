#include "measurement/advice_text.h"

#include <QCoreApplication>

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
    return metric ? QCoreApplication::translate("Measurement", "%1 cm (%2 m)")
                        .arg(numberText(size * 100, 1, locale), numberText(size, 3, locale))
                  : QCoreApplication::translate("Measurement", "%1 inches (%2 ft)")
                        .arg(numberText(size / kMetresPerInch, 1, locale),
                             numberText(size / kMetresPerFoot, 2, locale));
}

}  // namespace

std::optional<TurnsChange> turnsChange(const TuningAdvice& advice, const nec::LoadedDipole& design,
                                       const build::Former& former) {
    const build::CoilWound before = build::woundFor(former, design.inductance, design.frequency);
    if (!std::isfinite(advice.inductanceChange)) {
        return std::nullopt;
    }
    const build::CoilWound after =
        build::woundFor(former, design.inductance + advice.inductanceChange, design.frequency);
    return TurnsChange{before.turns, after.turns, after.fits};
}

std::vector<Figure> measurementFigures(const MeasuredFigures& measured) {
    return {
        {{"resonance", 4, "MHz", QT_TRANSLATE_NOOP("Figures", "Measured resonance")},
         measured.resonance},
        {{"resistance", 2, "ohms", QT_TRANSLATE_NOOP("Figures", "Resistance there")},
         measured.resistance},
        {{"min_swr", 2, "", QT_TRANSLATE_NOOP("Figures", "Lowest SWR")}, measured.minSwr},
        {{"min_swr_frequency", 4, "MHz", QT_TRANSLATE_NOOP("Figures", "Lowest SWR at")},
         measured.minSwrFrequency},
        {{"bandwidth", 1, "kHz", QT_TRANSLATE_NOOP("Figures", "2:1 SWR bandwidth")},
         measured.bandwidth},
    };
}

std::vector<Figure> comparisonFigures(const TuningAdvice& advice, bool metric,
                                      const std::optional<TurnsChange>& turns) {
    return {
        {{"model_resonance", 4, "MHz",
          QT_TRANSLATE_NOOP("Figures", "The design's resonance, by NEC-2")},
         advice.modelResonance},
        {{"tip_change", 3, metric ? "m" : "ft", QT_TRANSLATE_NOOP("Figures", "Change to each tip")},
         advice.tipChange / (metric ? 1 : kMetresPerFoot)},
        {{"inductance_change", 3, "uH", QT_TRANSLATE_NOOP("Figures", "Or to each coil")},
         advice.inductanceChange},
        {{"coil_q", 0, "", QT_TRANSLATE_NOOP("Figures", "Coils' Q, an estimate")}, advice.coilQ},
        {{"efficiency", 1, "%", QT_TRANSLATE_NOOP("Figures", "Efficiency, an estimate")},
         advice.efficiency},
        {{kTurnsChange, 2, "turns", QT_TRANSLATE_NOOP("Figures", "Or to each coil's turns")},
         turns ? turns->after - turns->before : kNone},
    };
}

TuningAdvice noAdvice() {
    return {kNone, kNone, kNone, kNone, kNone, kNone};
}

QStringList adviceLines(const TuningAdvice& advice, const nec::LoadedDipole& design, bool metric,
                        const QLocale& locale, const std::optional<TurnsChange>& turns) {
    const QString mhz = locale.toString(design.frequency);
    if (!std::isfinite(advice.modelResonance)) {
        return {QCoreApplication::translate(
                    "Measurement",
                    "The model of the design resonates nowhere near %1 MHz: nothing "
                    "to compare with.")
                    .arg(mhz)};
    }
    QStringList lines;
    const bool build = advice.aim == Aim::BuildsMatch;
    if (std::isfinite(advice.tipChange)) {
        lines << (build ? QCoreApplication::translate(
                              "Measurement",
                              "Each tip: %1 %2 to bring the lowest SWR with the matching coil "
                              "to %3 MHz.")
                        : QCoreApplication::translate(
                              "Measurement", "Each tip: %1 %2 to bring the resonance to %3 MHz."))
                     .arg(advice.tipChange < 0
                              ? QCoreApplication::translate("Measurement", "fold back")
                              : QCoreApplication::translate("Measurement", "lengthen by"),
                          tipText(advice.tipChange, metric, locale), mhz);
    } else {
        lines << (build ? QCoreApplication::translate(
                              "Measurement",
                              "Each tip: the model finds no length that brings the lowest SWR "
                              "with the matching coil to %1 MHz.")
                        : QCoreApplication::translate(
                              "Measurement",
                              "Each tip: the model finds no length that brings the resonance "
                              "to %1 MHz."))
                     .arg(mhz);
    }
    if (std::isfinite(advice.inductanceChange)) {
        lines << QCoreApplication::translate("Measurement", "Or each coil: %1 %2 uH (%3 to %4 uH).")
                     .arg(advice.inductanceChange < 0
                              ? QCoreApplication::translate("Measurement", "take off")
                              : QCoreApplication::translate("Measurement", "add"),
                          numberText(std::abs(advice.inductanceChange), 2, locale),
                          numberText(design.inductance, 2, locale),
                          numberText(design.inductance + advice.inductanceChange, 2, locale));
        if (turns) {
            const double change = turns->after - turns->before;
            lines << QCoreApplication::translate("Measurement",
                                                 "On that former: %1 %2 turns (%3 to %4 turns)%5.")
                         .arg(change < 0 ? QCoreApplication::translate("Measurement", "unwind")
                                         : QCoreApplication::translate("Measurement", "wind on"),
                              numberText(std::abs(change), 2, locale),
                              numberText(turns->before, 2, locale),
                              numberText(turns->after, 2, locale),
                              turns->fits ? QString()
                                          : QCoreApplication::translate(
                                                "Measurement", ", which do not fit its length"));
        }
    } else {
        lines << QCoreApplication::translate(
            "Measurement", "Or each coil: the model finds no inductance that does.");
    }
    if (std::isfinite(advice.coilQ)) {
        lines << QCoreApplication::translate(
                     "Measurement",
                     "An estimate: the resonance is as sharp as the model's "
                     "with coils of Q %1, with which it radiates %2 % of the power put in.")
                     .arg(numberText(advice.coilQ, 0, locale),
                          numberText(advice.efficiency, 0, locale));
    }
    if (std::isfinite(advice.tipSlope)) {
        const double step = metric ? 0.01 : kMetresPerInch;
        const double fullSize = advice.modelResonance * 1000 * 2 * step / design.length;
        lines << QCoreApplication::translate(
                     "Measurement",
                     "In the model %1 more on each tip %2 the resonance by %3 kHz; "
                     "the rule for full-size dipoles says %4 kHz.")
                     .arg(metric ? QCoreApplication::translate("Measurement", "1 cm")
                                 : QCoreApplication::translate("Measurement", "an inch"),
                          advice.tipSlope < 0
                              ? QCoreApplication::translate("Measurement", "lowers")
                              : QCoreApplication::translate("Measurement", "raises"),
                          numberText(std::abs(advice.tipSlope * step), 1, locale),
                          numberText(fullSize, 1, locale));
    }
    return lines;
}

}  // namespace querlin::measurement
