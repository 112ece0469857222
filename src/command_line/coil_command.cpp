#include <QCoreApplication>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <variant>

#include "build/build.h"
#include "command.h"
#include "command_line.h"
#include "design/wound_coil.h"
#include "option_texts.h"
#include "request_words.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

struct CoilRequest {
    Coil coil;
    bool details = false;
    std::optional<double> frequency;  // of the coil's details, MHz
};

// The coil window's results and what its winding does as wound.
struct CoilDetails {
    Results results;      // the window's texts, as without the details
    QStringList lines;    // one figure with its unit a line, then any warning
    QJsonObject figures;  // the same figures as numbers, or no_details and why
    QString whyNot;       // empty when the figures could be worked out
};

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

// The coil window's CALCULATE, then its turns wound evenly over the coil
// length: with a frequency in MHz also the coil's Q, self-resonance and
// reactance.
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
    const build::CoilWound asWound =
        build::turnsFor({winding.diameter, winding.length, winding.wire}, wanted);
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
    const WindingOutcome builtOutcome = build::woundAt(winding, asWound, at.frequency);
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

int runCoil(const CoilRequest& request, const Output& output) {
    if (!request.details) {
        printResults(output, designCoil(request.coil, output.locale));
        return kSuccess;
    }
    const CoilDetails details = designCoilDetails(request.coil, request.frequency, output.locale);
    if (output.json) {
        QJsonObject object = jsonOf(details.results);
        for (auto figure = details.figures.begin(); figure != details.figures.end(); ++figure) {
            object.insert(figure.key(), figure.value());
        }
        writeJson(output.out, object);
    } else {
        printResults(output, details.results);
        for (const QString& line : details.lines) {
            writeLine(output.out, line.toUtf8());
        }
    }
    if (details.whyNot.isEmpty()) {
        return kSuccess;
    }
    // A script that reads the status and standard error learns why, with
    // --json too; no_details stays for the JSON's reader.
    explain(output, details.whyNot);
    return kFault;
}

Work coilWork(const Words& words) {
    CoilRequest request{{words.value("inductance"), words.value("diameter"), words.value("length"),
                         words.value("wire")},
                        words.isSet("details"),
                        {}};
    if (words.isSet("frequency")) {
        if (!request.details) {
            misused(QCoreApplication::translate("querlin-calc",
                                                "coil takes --frequency with --details only."));
        }
        bool number = false;
        const QString text = words.value("frequency");
        request.frequency = words.locale().toDouble(text, &number);
        if (!number) {
            misused(QCoreApplication::translate("querlin-calc",
                                                "--frequency takes a number of MHz, not '%1'.")
                        .arg(text));
        }
    }
    return [request](const Output& output) { return runCoil(request, output); };
}

}  // namespace

const Command& coilCommand() {
    static const Command command{
        "coil",
        QT_TRANSLATE_NOOP("querlin-calc", "the turns of a loading coil, and the coil as wound"),
        "querlin-calc coil --inductance UH --diameter D --length L --wire W [--details "
        "[--frequency MHZ]]",
        QT_TRANSLATE_NOOP(
            "querlin-calc",
            "The coil window's CALCULATE: prints the number of turns of a single-layer air-core "
            "coil for the wanted inductance and the fit message, which begins with a blank as the "
            "coil window shows it. --details adds the coil as wound, its turns spread evenly over "
            "the coil length, one figure and its unit a line: its inductance by Nagaoka's "
            "coefficient less Rosa's round-wire corrections, how far that is from the wanted "
            "inductance, the turns that give the wanted inductance as wound and whether they fit, "
            "and the wire length; with --frequency, its Q, its self-resonance and its reactance "
            "there, and a warning above a third of the self-resonance."),
        {{{"inductance", "UH",
           QT_TRANSLATE_NOOP("querlin-calc", "The wanted inductance, in microhenries.")},
          true},
         {{"diameter", "D",
           QT_TRANSLATE_NOOP("querlin-calc",
                             "The coil diameter, in inches, from wire centre to wire centre: a "
                             "former's diameter plus one wire diameter.")},
          true},
         {{"length", "L", QT_TRANSLATE_NOOP("querlin-calc", "The coil length, in inches.")}, true},
         {{"wire", "W", QT_TRANSLATE_NOOP("querlin-calc", "The wire diameter, in inches.")}, true},
         {{"details", nullptr,
           QT_TRANSLATE_NOOP(
               "querlin-calc",
               "The coil as wound too: its inductance, its difference from the wanted inductance "
               "in per cent, the turns that give the wanted inductance as wound and whether they "
               "fit, and the wire length, in inches and metres.")}},
         {{"frequency", "MHZ",
           QT_TRANSLATE_NOOP("querlin-calc",
                             "With --details: the frequency the coil works at, in MHz, for its Q, "
                             "self-resonance and reactance.")}},
         {option::kJson},
         {option::kLocale}},
        coilWork,
        {},
        true};
    return command;
}

}  // namespace querlin::cli
