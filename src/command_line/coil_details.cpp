#include "coil_details.h"

#include <cmath>
#include <variant>

#include "coil/wound_coil.h"

namespace querlin::cli {

namespace {

class Report {
  public:
    Report(CoilDetails& details, const QLocale& locale) : details_(details), locale_(locale) {}

    // One line, its figure put where %1 stands, and the figure under its key.
    void add(const char* key, const RoundedFigure& figure, const QString& line) {
        details_.figures.insert(QLatin1String(key), figure.value);
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
    const CoilAsWound wound = windCoil(coil, frequency, locale);
    CoilDetails details{wound.results, {}, {}, {}};
    if (const auto* why = std::get_if<QString>(&wound.outcome)) {
        details.whyNot = *why;
        details.figures.insert(QLatin1String("no_details"), *why);
        return details;
    }
    const auto& figures = std::get<WindingDetails>(wound.outcome);
    Report report(details, locale);
    const double wanted = wound.wanted;
    report.add("winding_inductance", significant(figures.inductance, 4, locale),
               QStringLiteral("winding inductance: %1 uH, by Nagaoka's coefficient"));
    RoundedFigure difference = rounded((figures.inductance - wanted) / wanted * 100, 1, locale);
    if (difference.value > 0) {
        difference.text.prepend(u'+');
    }
    report.add("inductance_difference", difference,
               QStringLiteral("difference from the wanted inductance: %1 %"));
    const RoundedFigure metres = rounded(figures.wireLength * kMetresPerInch, 3, locale);
    report.add("wire_length", rounded(figures.wireLength, 1, locale),
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
    if (at.nearSelfResonance) {
        details.lines << QStringLiteral(
                             "warning: %1 MHz is above a third of the self-resonance, where the "
                             "coil acts as more inductance than its winding's, with less Q")
                             .arg(mhz);
    }
    return details;
}

}  // namespace querlin::cli
