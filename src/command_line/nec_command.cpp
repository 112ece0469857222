#include <QCoreApplication>
#include <QStringList>

#include "command.h"
#include "command_line.h"
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

// The deck of the nec command: the design's comments, its geometry and loads,
// and a sweep of the design frequency and 10 % either way. The Antenna gives
// the texts as typed, for the comments.
QString deckOf(const Antenna& antenna, const ModelDesign& design,
               const nec::ModelOptions& options) {
    const nec::LoadedDipole& d = design.dipole;
    const QString unit = antenna.metric ? u"metres"_qs : u"feet"_qs;
    const QString element = antenna.metric ? u"millimetres"_qs : u"inches"_qs;
    QStringList comments{
        QStringLiteral("QUERLIN loaded dipole for %1 MHz, %2 %3 long, element %4 %5,")
            .arg(antenna.frequency, antenna.length, unit, antenna.element, element),
        QStringLiteral("coils at %1 % of each half: %2 %3 from the centre, %4 uH each.")
            .arg(coilPercentage(antenna.slider))
            .arg(design.distance, unit, design.inductance),
        QStringLiteral("Dimensions in metres. Source at the centre; each coil a wire of its"),
        QStringLiteral("own centred on it, %1 uH spread over its segments.")
            .arg(d.inductance, 0, 'g', 8),
    };
    comments << nec::settingText(options);
    if (options.copper) {
        comments << QStringLiteral("Copper wire, %1 S/m.").arg(nec::kCopperConductivity);
    }
    if (options.coilQ) {
        comments << QStringLiteral("Coil Q %1: a series resistance of X / Q at %2 MHz.")
                        .arg(*options.coilQ)
                        .arg(d.frequency);
    }
    const nec::FrequencySweep sweep{d.frequency * 0.9, d.frequency * 0.01, 21};
    return nec::necDeck(d, options, {{d.inductance, sweep}}, comments, nec::Currents::Printed);
}

int runNec(const NecRequest& request, const Output& output) {
    const ModelInputs inputs{request.options, {}, {}};
    const DesignRow row = designRow(request.antenna, inputs, output.locale);
    const QString deck = deckOf(request.antenna, row.design, row.options);
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
