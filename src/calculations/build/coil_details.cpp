#include "build/coil_details.h"

#include <QCoreApplication>
#include <variant>

#include "build/build.h"
#include "conversions.h"
#include "design/wound_coil.h"
#include "figures/figure.h"

namespace querlin::build {

namespace {

// Adds each figure to the details: its line and its number.
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
               QCoreApplication::translate("querlin-calc",
                                           "winding inductance: %1 uH, by Nagaoka's coefficient "
                                           "and Rosa's round-wire corrections"));
    RoundedFigure difference = rounded((figures.inductance - wanted) / wanted * 100, 1, locale);
    if (difference.value > 0) {
        difference.text.prepend(u'+');
    }
    report.add(
        "inductance_difference", difference,
        QCoreApplication::translate("querlin-calc", "difference from the wanted inductance: %1 %"));
    // The turns whose winding has the wanted inductance, as build winds them:
    // the window's long-coil turns give what the difference above says.
    const Winding& winding = wound.winding;
    const CoilWound asWound = turnsFor({winding.diameter, winding.length, winding.wire}, wanted);
    const QString closeWound = locale.toString(asWound.turns * winding.wire, 'g', 4);
    const QString length = locale.toString(winding.length, 'g', 4);
    report.add(
        "wound_turns", rounded(asWound.turns, 2, locale),
        asWound.fits
            ? QCoreApplication::translate(
                  "querlin-calc",
                  "turns as wound for the wanted inductance: %1, close-wound %2 inches, which fit")
                  .arg(u"%1", closeWound)
            : QCoreApplication::translate(
                  "querlin-calc",
                  "turns as wound for the wanted inductance: %1, close-wound %2 inches, more than "
                  "the coil length of %3 inches")
                  .arg(u"%1", closeWound, length));
    details.figures.insert(QLatin1String("wound_fits"), asWound.fits);
    const RoundedFigure metres = rounded(figures.wireLength * kMetresPerInch, 3, locale);
    report.add("wire_length", rounded(figures.wireLength, 1, locale),
               QCoreApplication::translate("querlin-calc", "wire length: %1 inches (%2 m)")
                   .arg(u"%1", metres.text));
    report.add("wire_length_m", metres, {});
    if (!figures.atFrequency) {
        return details;
    }
    const WindingAtFrequency& at = *figures.atFrequency;
    const QString mhz = report.frequency(at.frequency);
    report.add("q", significant(at.q, 2, locale),
               QCoreApplication::translate("querlin-calc", "Q at %2 MHz: %1").arg(u"%1", mhz));
    report.add("self_resonance", significant(*figures.selfResonance, 2, locale),
               QCoreApplication::translate("querlin-calc", "self-resonance: about %1 MHz"));
    report.add("reactance", significant(at.reactance, 3, locale),
               QCoreApplication::translate("querlin-calc", "reactance at %2 MHz: %1 ohms")
                   .arg(u"%1", mhz));
    // The coil as the builder winds it, its self-capacitance across the
    // winding: what the antenna sees of it, as check models it.
    const WindingOutcome builtOutcome = woundAt(winding, asWound, at.frequency);
    if (const auto* built = std::get_if<WindingDetails>(&builtOutcome);
        built != nullptr && built->atFrequency) {
        report.add(
            "acts_as", rounded(built->atFrequency->apparentInductance, 3, locale),
            QCoreApplication::translate("querlin-calc", "as wound, at %2 MHz it acts as %1 uH")
                .arg(u"%1", mhz));
        report.add("q_as_wound", significant(built->atFrequency->apparentQ, 2, locale),
                   QCoreApplication::translate("querlin-calc", "Q as wound at %2 MHz: %1")
                       .arg(u"%1", mhz));
    }
    if (at.nearSelfResonance) {
        details.lines << QCoreApplication::translate(
                             "querlin-calc",
                             "warning: %1 MHz is above a third of the self-resonance, where the "
                             "coil acts as more inductance than its winding's, with less Q")
                             .arg(mhz);
    }
    return details;
}

}  // namespace querlin::build
