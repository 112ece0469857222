#include "coil_details.h"

#include <cmath>
#include <variant>

#include "coil/coil_winding.h"

namespace querlin::cli {

namespace {

constexpr double kMetresPerInch = 0.0254;

// A figure as shown and as carried in JSON: rounded to what its formula
// stands behind.
struct Figure {
    double value;
    QString text;
};

Figure figure(double value, int decimals, const QLocale& locale) {
    return {QString::number(value, 'f', decimals).toDouble(),
            locale.toString(value, 'f', decimals)};
}

Figure significant(double value, int digits, const QLocale& locale) {
    if (value == 0) {
        return figure(value, 0, locale);
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = digits - 1 - magnitude;
    if (decimals >= 0) {
        return figure(value, decimals, locale);
    }
    const double scale = std::pow(10.0, -decimals);
    return figure(std::round(value / scale) * scale, 0, locale);
}

class Report {
  public:
    Report(CoilDetails& details, const QLocale& locale) : details_(details), locale_(locale) {}

    // One line, its figure put where %1 stands, and the figure under its key.
    void add(const char* key, const Figure& figure, const QString& line) {
        details_.figures.insert(QLatin1String(key), figure.value);
        details_.texts.insert(QLatin1String(key), figure.text);
        if (!line.isEmpty()) {
            details_.lines << line.arg(figure.text);
        }
    }

    QString frequency(double megahertz) const { return locale_.toString(megahertz); }

  private:
    CoilDetails& details_;
    const QLocale& locale_;
};

}  // namespace

CoilDetails designCoilDetails(const Coil& coil, std::optional<double> frequency,
                              const QLocale& locale) {
    CoilVariables v;
    CoilDetails details{designCoil(coil, locale, v), {}, {}, {}, {}, false};
    const Winding winding{v.nt.value(), 2.0 * v.cd.value(), v.cl.value(), v.wd.value()};
    const WindingOutcome outcome = windingDetails(winding, frequency);
    if (const auto* why = std::get_if<QString>(&outcome)) {
        details.whyNot = *why;
        details.figures.insert(QLatin1String("no_details"), *why);
        return details;
    }
    const auto& figures = std::get<WindingDetails>(outcome);
    Report report(details, locale);
    const double wanted = v.mh.value();
    report.add("winding_inductance", significant(figures.inductance, 4, locale),
               QStringLiteral("winding inductance: %1 uH, by Nagaoka's coefficient"));
    Figure difference = figure((figures.inductance - wanted) / wanted * 100, 1, locale);
    if (difference.value > 0) {
        difference.text.prepend(u'+');
    }
    report.add("inductance_difference", difference,
               QStringLiteral("difference from the wanted inductance: %1 %"));
    const Figure metres = figure(figures.wireLength * kMetresPerInch, 3, locale);
    report.add("wire_length", figure(figures.wireLength, 1, locale),
               QStringLiteral("wire length: %1 inches (%2 m)").arg(u"%1", metres.text));
    report.add("wire_length_m", metres, {});
    if (!figures.atFrequency) {
        return details;
    }
    const WindingAtFrequency& at = *figures.atFrequency;
    const QString mhz = report.frequency(at.frequency);
    report.add("q", significant(at.q, 2, locale),
               QStringLiteral("Q at %2 MHz: %1").arg(u"%1", mhz));
    report.add("self_resonance", significant(*figures.selfResonance, 2, locale),
               QStringLiteral("self-resonance: about %1 MHz"));
    report.add("reactance", significant(at.reactance, 3, locale),
               QStringLiteral("reactance at %2 MHz: %1 ohms").arg(u"%1", mhz));
    details.nearSelfResonance = at.nearSelfResonance;
    if (at.nearSelfResonance) {
        details.lines << QStringLiteral(
                             "warning: %1 MHz is above a third of the self-resonance, where the "
                             "coil acts as more inductance than its winding's, with less Q")
                             .arg(mhz);
    }
    return details;
}

WoundCoil woundCoil(const Coil& coil, double frequency, const QLocale& locale) {
    const CoilDetails details = designCoilDetails(coil, frequency, locale);
    if (!details.whyNot.isEmpty()) {
        throw WindingFault{details.whyNot};
    }
    if (details.nearSelfResonance) {
        throw WindingFault{
            QStringLiteral("At %1 MHz the loading coil is above a third of its self-resonance of "
                           "about %2 MHz: it acts as more inductance than its winding's, with "
                           "less Q, so the check cannot take its Q.")
                .arg(locale.toString(frequency), details.texts.value(u"self_resonance"_qs))};
    }
    return {details.results.front().text, details.figures.value(u"q"_qs).toDouble(),
            details.texts.value(u"q"_qs)};
}

}  // namespace querlin::cli
