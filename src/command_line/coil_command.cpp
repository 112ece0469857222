#include <QCoreApplication>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <variant>

#include "build/coil_details.h"
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

int runCoil(const CoilRequest& request, const Output& output) {
    if (!request.details) {
        printResults(output, designCoil(request.coil, output.locale));
        return kSuccess;
    }
    const build::CoilDetails details =
        build::designCoilDetails(request.coil, request.frequency, output.locale);
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
