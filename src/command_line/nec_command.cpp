#include <QCoreApplication>
#include <QStringList>

#include "command.h"
#include "command_line.h"
#include "design/design_deck.h"
#include "model_commands.h"
#include "nec/nec_engine.h"
#include "option_texts.h"
#include "request_words.h"

namespace querlin::cli {

namespace {

struct NecRequest {
    Antenna antenna;
    nec::ModelOptions options;
    QString output;  // the deck's file; standard output when empty
};

int runNec(const NecRequest& request, const Output& output) {
    const ModelInputs inputs{request.options, {}, {}};
    const DesignRow row = designRow(request.antenna, inputs, output.locale);
    const QString deck = designDeck(request.antenna, row.design, row.options);
    if (output.json) {
        QJsonObject object = modelJson(row, row.design.results());
        object.insert(QLatin1String("deck"), deck);
        writeJson(output.out, object);
    } else if (request.output.isEmpty()) {
        writeLine(output.out, deck.chopped(1).toUtf8());
    } else {
        save(request.output, deck.toUtf8(),
             QCoreApplication::translate("querlin-calc", "the deck"));
    }
    return kSuccess;
}

Work necWork(const Words& words) {
    const Antenna antenna = antennaOf(words, true);
    const ModelWords model = modelWords(words);
    const NecRequest request{antenna, modelOptions(model, antenna.metric, words.locale()),
                             words.value("output")};
    return [request](const Output& output) { return runNec(request, output); };
}

}  // namespace

const Command& necCommand() {
    static const Command command{
        "nec",
        QT_TRANSLATE_NOOP("querlin-calc", "the design as a NEC-2 card deck"),
        "querlin-calc nec --frequency MHZ --length L --element D --position PCT [--metric]\n       "
        "  [--segments N] [--height H] [--conductor copper] [--coil-q Q] [--output FILE]\n         "
        "[--ground NAME | --ground-permittivity ER --ground-conductivity S]\n         "
        "[--apex-angle DEG] [--insulation T [--insulation-permittivity ER]]",
        QT_TRANSLATE_NOOP(
            "querlin-calc",
            "Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a "
            "segment of its own at the centre, each loading coil of the computed inductance a wire "
            "of its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at "
            "the computed distance, and a sweep from 10 % below to 10 % above the design "
            "frequency, with comment cards naming the design."),
        option::joined(
            {option::designOptions(),
             {},
             option::modelOptions(),
             {{option::kCoilQ},
              {{"output", "FILE",
                QT_TRANSLATE_NOOP("querlin-calc",
                                  "Write the deck to FILE instead of standard output.")}},
              {option::kJson},
              {option::kLocale}}}),
        necWork};
    return command;
}

}  // namespace querlin::cli
