#include <QFileInfo>

#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <numbers>

#include "command.h"
#include "command_line.h"
#include "dipole/coil_position.h"
#include "measurement/advice_text.h"
#include "measurement/comparison.h"
#include "model_commands.h"
#include "nec/nec_engine.h"
#include "option_texts.h"
#include "positions/position_builds.h"
#include "request_words.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

// A measured sweep, with or without the design to compare it with.
struct MeasuredRequest {
    QString file;
    double feedline = 0;              // ohms
    std::optional<double> frequency;  // without the design, MHz: the resonance nearest it
    std::optional<Antenna> antenna;   // the design
    nec::ModelOptions options;        // the design's model
    std::optional<double> built;      // each coil's inductance as built, µH; else the design's
    std::optional<double> shunt;      // the matching coil fitted while measuring, µH
    QString plot;                     // the picture's file, for the sweep drawn
    std::optional<LoadingCoil> coil;  // the former the coils are wound on, for their turns
};

// The formula runs first for the design, then the file is read and only then the engine runs;
// nothing is printed until all is known.
int runMeasured(const MeasuredRequest& request, const Output& output) {
    const QLocale& locale = output.locale;
    const double feedline = request.feedline;
    std::optional<double> frequency = request.frequency;
    const std::optional<double> built = request.built;
    nec::ModelOptions options = request.options;
    std::optional<build::Former> former;
    if (request.coil) {
        former = formerOf(*request.coil, locale);
        modelWoundOn(options, *former);
    }
    std::optional<nec::LoadedDipole> design;
    if (request.antenna) {
        const ModelDesign formula = designForModel(*request.antenna, {}, locale);
        requireLoadingCoil(*request.antenna, formula, locale, ModelInputs{}.metricSwitch);
        design = formula.dipole;
        design->inductance = built.value_or(design->inductance);
        frequency = design->frequency;
        if (former) {
            // A former on which no coil winds ends the command before the engine runs.
            build::woundFor(*former, design->inductance, design->frequency);
        }
    }
    // The matching coil fitted while measuring, with its loss: as wound on
    // the former, or of the coils' Q.
    std::optional<check::ShuntCoil> fitted;
    if (request.shunt) {
        fitted =
            measurement::fittedShuntCoil(*request.shunt, design->frequency, former, options.coilQ);
    }
    const measurement::OnePort sweep = measurement::readMeasurementFile(request.file);
    const measurement::MeasuredFigures measured =
        measurement::measuredIn(sweep, request.file, feedline, frequency, fitted);
    measurement::TuningAdvice advice = measurement::noAdvice();
    measurement::OnePort modelled;
    if (design) {
        advice = measurement::tuningAdvice(
            *design, options, measured, engineRuns().engine(),
            fitted ? measurement::Aim::BuildsMatch : measurement::Aim::Resonance);
        if (!request.plot.isEmpty()) {
            modelled = measurement::modelledSweep(*design, options, measurement::sweepOver(sweep),
                                                  engineRuns().engine());
            if (fitted) {
                modelled = measurement::withFittedCoil(std::move(modelled), *fitted);
            }
        }
    }
    if (!request.plot.isEmpty()) {
        const FrequencyPlot plot = measurement::comparisonPlot(
            request.antenna ? plotTitle(*request.antenna) : QFileInfo(request.file).fileName(),
            sweep, modelled, feedline, frequency, true);
        savePlot(request.plot, plot);
    }
    const bool metric = request.antenna && request.antenna->metric;
    std::optional<measurement::TurnsChange> turns;
    if (former) {
        turns = measurement::turnsChange(advice, *design, *former);
    }
    std::vector<Figure> figures = measurement::measurementFigures(measured);
    const std::vector<Figure> compared = measurement::comparisonFigures(advice, metric, turns);
    if (output.json) {
        QJsonObject object;
        for (const std::vector<Figure>* list : {&std::as_const(figures), &compared}) {
            for (const Figure& figure : *list) {
                insertFigure(object, figure);
            }
        }
        writeJson(output.out, object);
        return kSuccess;
    }
    // The lines of the measurement alone without the design; the turns only
    // with the former.
    if (design) {
        for (const Figure& figure : compared) {
            if (former || qstrcmp(figure.form.key, measurement::kTurnsChange) != 0) {
                figures.push_back(figure);
            }
        }
    }
    for (const Figure& figure : figures) {
        writeLine(output.out, (QLatin1String(figure.form.key) + u' ' +
                               figureText(figure, locale, UnitShown::With))
                                  .toUtf8());
    }
    if (design) {
        for (const QString& line :
             measurement::adviceLines(advice, *design, metric, locale, turns)) {
            writeLine(output.out, line.toUtf8());
        }
    }
    return kSuccess;
}

// measured: the file, and the design to compare with given whole or not at
// all; the model's options only with the design.
Work measuredWork(const Words& words) {
    QString feedline = words.value("feedline");
    const ModelWords model = modelWords(words);
    const QString built = words.value("load-inductance");
    if (feedline.isEmpty()) {
        feedline = check::kDefaultFeedline;
    }
    const QLocale& locale = words.locale();
    const QStringList design{u"length"_qs, u"element"_qs, u"position"_qs};
    const auto given = std::count_if(design.begin(), design.end(),
                                     [&](const QString& name) { return words.isSet(name); });
    if (given > 0 && (given < design.size() || !words.isSet("frequency"))) {
        misused(QCoreApplication::translate("querlin-calc",
                                            "measured compares with the design given all of "
                                            "--frequency, --length, --element and --position."));
    }
    if (given == 0) {
        for (const QString& name :
             kModelOptions + kCoilOptions +
                 QStringList{u"load-inductance"_qs, u"shunt-inductance"_qs, u"metric"_qs}) {
            if (words.isSet(name)) {
                misused(
                    QCoreApplication::translate("querlin-calc",
                                                "measured takes --%1 only with the design: "
                                                "--frequency, --length, --element and --position.")
                        .arg(name));
            }
        }
    }
    MeasuredRequest request{.file = words.argument(),
                            .feedline = positiveOption(u"feedline"_qs, feedline, locale),
                            .frequency = {},
                            .antenna = {},
                            .options = {},
                            .built = {},
                            .shunt = {},
                            .plot = plotFile(words),
                            .coil = loadingCoilOf(words)};
    if (given == 0) {
        if (words.isSet("frequency")) {
            request.frequency = positiveOption(u"frequency"_qs, words.value("frequency"), locale);
        }
        return [request](const Output& output) { return runMeasured(request, output); };
    }
    request.antenna =
        Antenna{words.value("frequency"), words.value("length"), words.value("element"),
                position(words.value("position")), words.isSet("metric")};
    request.options = modelOptions(model, request.antenna->metric, locale);
    if (!built.isEmpty()) {
        request.built = positiveOption(u"load-inductance"_qs, built, locale);
    }
    if (words.isSet("shunt-inductance")) {
        request.shunt =
            positiveOption(u"shunt-inductance"_qs, words.value("shunt-inductance"), locale);
    }
    return [request](const Output& output) { return runMeasured(request, output); };
}

}  // namespace

const Command& measuredCommand() {
    static const Command command{
        "measured",
        QT_TRANSLATE_NOOP("querlin-calc", "an analyser's sweep of the antenna, and how to tune it"),
        "querlin-calc measured FILE [--feedline OHMS] [--frequency MHZ]\nquerlin-calc measured "
        "FILE --frequency MHZ --length L --element D --position PCT\n         [--metric] "
        "[--feedline OHMS] [--load-inductance UH [--shunt-inductance UH]]\n         [--segments N] "
        "[--height H]\n         [--conductor copper] [--coil-q Q] [--coil-diameter D --coil-length "
        "L --coil-wire W]\n         [--ground NAME | --ground-permittivity ER "
        "--ground-conductivity S]\n         [--apex-angle DEG] [--insulation T "
        "[--insulation-permittivity ER]]\nquerlin-calc measured FILE ... --plot FILE.png|FILE.svg",
        QT_TRANSLATE_NOOP(
            "querlin-calc",
            "Reads an antenna analyser's sweep of the feed point, a Touchstone version 1 .s1p file "
            "or a CSV file, and prints the resonance, the resistance there, the lowest SWR on the "
            "feed line and the 2:1 bandwidth. Given the design, it also says how much to change "
            "each tip, or instead each coil, to bring the resonance to the design frequency, found "
            "with nec2c, and estimates the coils' Q and the efficiency from the resonance's "
            "sharpness; with the former the coils are wound on, the turns to wind on or unwind. "
            "--plot draws the sweep's SWR, resistance and reactance against frequency, with the "
            "design the model's beside them."),
        option::joined(
            {{
                 {{"frequency", "MHZ",
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "The design frequency, in MHz: the resonance nearest it is "
                                     "read (without it, the one nearest the lowest SWR).")}},
                 {{"length", "L",
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "The design's total length, in feet (metres with --metric); "
                                     "with --frequency, --element and --position.")}},
                 {{"element", "D",
                   QT_TRANSLATE_NOOP(
                       "querlin-calc",
                       "The design's element diameter, in inches (millimetres with --metric).")}},
                 {{"position", "PCT",
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "The design's coil position, per cent, 1 to 99.")}},
                 {{"metric", nullptr,
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "The design's length is in metres and its element diameter in "
                                     "millimetres; the tip change is printed in metres.")}},
                 {option::kFeedline},
                 {{"load-inductance", "UH",
                   QT_TRANSLATE_NOOP("querlin-calc",
                                     "The inductance of each coil as built, in microhenries, in "
                                     "place of the design's.")}},
                 {{"shunt-inductance", "UH",
                   QT_TRANSLATE_NOOP(
                       "querlin-calc",
                       "The matching coil across the feed point while measuring, in microhenries, "
                       "as build gave it: the resonance is then the antenna's own, and the advice "
                       "brings the lowest SWR with that coil to the design frequency.")}},
             },
             option::modelOptions(),
             {{option::kCoilQ},
              {{"coil-diameter", "D",
                QT_TRANSLATE_NOOP(
                    "querlin-calc",
                    "With the design: the diameter, in inches from wire centre to wire centre, of "
                    "the former the coils are wound on, for the turns of the advised change; with "
                    "--coil-length and --coil-wire.")}},
              {option::kCoilLength},
              {option::kCoilWire},
              {{"plot", "FILE",
                QT_TRANSLATE_NOOP("querlin-calc",
                                  "Also draw the sweep's SWR, resistance and reactance against "
                                  "frequency in FILE, and with the design the model's beside them, "
                                  "a PNG or SVG picture by the name's ending (.png or .svg).")}},
              {option::kJson},
              {option::kLocale}}}),
        measuredWork,
        CommandArgument{
            "FILE",
            QT_TRANSLATE_NOOP("querlin-calc",
                              "The analyser's sweep: a Touchstone .s1p file or a CSV file."),
            QT_TRANSLATE_NOOP("querlin-calc",
                              "measured needs the file of the sweep: measured FILE.")}};
    return command;
}

}  // namespace querlin::cli
