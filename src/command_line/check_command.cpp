#include <QStringList>

#include "check/check_figures.h"
#include "command.h"
#include "command_line.h"
#include "model_commands.h"
#include "nec/nec_engine.h"
#include "option_texts.h"
#include "request_words.h"

namespace querlin::cli {

namespace {

struct CheckRequest {
    Antenna antenna;
    CheckInputs check;
    QString touchstone;  // the model's sweep as a Touchstone file; none when empty
};

// The formula runs first, then the coil is wound, and only then the engine.
int runCheck(const CheckRequest& request, const Output& output) {
    const ModelInputs& inputs = request.check.inputs;
    const double feedline = request.check.feedline;
    DesignRow row = designRow(request.antenna, inputs, output.locale);
    row.check = check::checkDipole(row.design.dipole, row.options, feedline,
                                   row.design.matchingCoil, engineRuns().engine());
    if (!request.touchstone.isEmpty()) {
        saveModelSweep(request.touchstone, row, feedline);
    }
    if (!output.json) {
        for (const QString& line : checkLines(row, request.antenna.metric, output.locale)) {
            writeLine(output.out, line.toUtf8());
        }
        return kSuccess;
    }
    QJsonObject object = modelJson(row, row.design.results());
    if (const std::optional<build::CoilWound>& wound = row.coilAsWound) {
        object.insert(QLatin1String(kCoilWoundTurns), rounded(wound->turns, 2, QLocale::c()).value);
        object.insert(QLatin1String(kCoilWoundFits), wound->fits);
        // What the coil as wound acts as at the design frequency: the
        // inductance the engine models.
        insertFigure(object, {kCoilActsAs, row.design.dipole.inductance});
    }
    for (const Figure& hanging :
         check::hangingFigures(row.design.dipole, row.options, request.antenna.metric)) {
        insertFigure(object, hanging);
    }
    insertWindingNote(object, row);
    writeJson(output.out, object);
    return kSuccess;
}

Work checkWork(const Words& words) {
    const Antenna antenna = antennaOf(words, true);
    const CheckWords check = checkWords(words);
    const QString touchstone = touchstoneFile(words);
    const CheckRequest request{antenna, checkInputs(check, antenna.metric, words.locale()),
                               touchstone};
    return [request](const Output& output) { return runCheck(request, output); };
}

}  // namespace

const Command& checkCommand() {
    static const Command command{
        "check",
        QT_TRANSLATE_NOOP("querlin-calc",
                          "the design modelled in nec2c: its resonance, impedance and SWR"),
        "querlin-calc check --frequency MHZ --length L --element D --position PCT [--metric]\n     "
        "    [--feedline OHMS] [--segments N] [--height H] [--conductor copper]\n         "
        "[--ground NAME | --ground-permittivity ER --ground-conductivity S]\n         "
        "[--apex-angle DEG] [--insulation T [--insulation-permittivity ER]]\n         [--coil-q Q "
        "| --coil-diameter D --coil-length L --coil-wire W]\nquerlin-calc check ... --touchstone "
        "FILE.s1p",
        QT_TRANSLATE_NOOP(
            "querlin-calc",
            "Runs the design's deck in the NEC-2 engine nec2c and prints the design's texts, then "
            "what the engine says, each after its key: where the antenna resonates and how far "
            "that is from the design frequency, the feed impedance there, the inductance each coil "
            "needs for resonance there, the SWR without and with the matching coil, the 2:1 "
            "bandwidth and, with --conductor copper, --coil-q, a coil to wind or --height, the "
            "efficiency: the share of the power put in that is radiated, over ground into the "
            "upper half of space, with coils of the resonant inductance. A last line, note, says "
            "when segments shorter than 8 wire radii make the figures rough. --coil-diameter, "
            "--coil-length and --coil-wire wind each loading coil as coil --details does and model "
            "it with the Q that gives, and add the turns that give its inductance as wound."),
        option::joined({option::designOptions(),
                        {
                            {option::kFeedline},
                        },
                        option::modelOptions(),
                        {{option::kCoilQ},
                         {option::kCoilDiameter},
                         {option::kCoilLength},
                         {option::kCoilWire},
                         {{"touchstone", "FILE",
                           QT_TRANSLATE_NOOP("querlin-calc",
                                             "Also write the model's feed point from a tenth below "
                                             "to a tenth above the design frequency, in 201 steps, "
                                             "to FILE, a Touchstone .s1p file on the feed line.")}},
                         {option::kJson},
                         {option::kLocale}}}),
        checkWork};
    return command;
}

}  // namespace querlin::cli
