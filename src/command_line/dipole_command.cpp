#include <QCoreApplication>

#include "command.h"
#include "command_line.h"
#include "option_texts.h"
#include "request_words.h"
#include "sweep_command.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

// dipole at a position, or with --sweep at every one; the options of
// --sweep refused without it.
Work dipoleWork(const Words& words) {
    const bool sweep = words.isSet("sweep");
    const bool check = words.isSet("check");
    const Antenna antenna = antennaOf(words, !sweep);
    if (check && !sweep) {
        misused(QCoreApplication::translate(
            "querlin-calc", "--check goes with --sweep; for one position, use check."));
    }
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"feedline"_qs}) {
        if (!check && words.isSet(name)) {
            misused(QCoreApplication::translate("querlin-calc",
                                                "dipole takes --%1 only with --sweep --check.")
                        .arg(name));
        }
    }
    const Drawing drawn = drawing(words, words.isSet("json"));
    if (!sweep) {
        return [antenna](const Output& output) {
            printResults(output, designDipole(antenna, output.locale));
            return kSuccess;
        };
    }
    SweepRequest request{antenna, {}, drawn.file, drawn.worked};
    if (check) {
        request.check = checkInputs(checkWords(words), antenna.metric, words.locale());
    }
    return [request](const Output& output) { return runSweep(request, output); };
}

// The position as dipole takes it.
constexpr OptionText kDipolePosition{
    "position", "PCT",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The distance from the centre to each coil as a percentage of half the "
                      "antenna, the window's % box: a whole number from 1 to 99. With --sweep only "
                      "with --plot, which marks it.")};

}  // namespace

const Command& dipoleCommand() {
    static const Command command{
        "dipole",
        QT_TRANSLATE_NOOP("querlin-calc", "where the two loading coils go and how large they are"),
        "querlin-calc dipole --frequency MHZ --length L --element D --position PCT "
        "[--metric]\nquerlin-calc dipole --frequency MHZ --length L --element D --sweep "
        "[--metric]\nquerlin-calc dipole --frequency MHZ --length L --element D --sweep --check "
        "[...]\nquerlin-calc dipole ... --sweep [--check [...]] --plot FILE.png|FILE.svg "
        "[--position PCT]",
        QT_TRANSLATE_NOOP(
            "querlin-calc",
            "The main window's upper CALCULATE: prints the distance from the centre to each "
            "loading coil (feet, or metres with --metric), the inductance of each coil in "
            "microhenries and the approximate feed-point impedance in ohms. --sweep tabulates "
            "every position as CSV, from 1 % (coils next to the feed point) to 99 % (near the "
            "tips); --check adds what the NEC-2 engine says of each, and --plot draws the table as "
            "a picture in place of printing it."),
        option::joined(
            {option::designOptions(kDipolePosition),
             {
                 {{"sweep", nullptr,
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "Every position from 1 to 99, as CSV with the header row "
                                     "position,distance,inductance,impedance (with --json, one "
                                     "object per position); without --position.")}},
                 {{"check", nullptr,
                   QT_TRANSLATE_NOOP(
                       "querlin-calc",
                       "With --sweep: the check's figures of every position too, as further "
                       "columns; takes the model and coil options of check.")}},
                 {{"plot", "FILE",
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "With --sweep: draw the table in FILE instead of printing it, "
                                     "a PNG or SVG picture by the name's ending (.png or .svg).")}},
                 {{"feedline", "OHMS",
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "With --sweep --check: the feed line's impedance, in ohms; 50 "
                                     "unless given.")}},
             },
             option::modelOptions(),
             {{option::kCoilQ},
              {option::kCoilDiameter},
              {option::kCoilLength},
              {option::kCoilWire},
              {option::kJson},
              {option::kLocale}}}),
        dipoleWork};
    return command;
}

}  // namespace querlin::cli
