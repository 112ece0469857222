#include "command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <exception>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "antenna/check_figures.h"
#include "antenna/designs.h"
#include "antenna/dipole_check.h"
#include "antenna/nec_engine.h"
#include "antenna/sweep.h"
#include "coil_details.h"
#include "handler_fault.h"
#include "model_commands.h"
#include "plot.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

const QString kProgram = QStringLiteral("querlin-calc");

// Every way to call it, for the help, the manual page and a usage error.
const char* const kUsageLines =
    "Usage: querlin-calc dipole --frequency MHZ --length L --element D --position PCT [--metric]\n"
    "  or:  querlin-calc dipole --frequency MHZ --length L --element D --sweep [--metric]\n"
    "  or:  querlin-calc match --frequency MHZ --length L --element D --position PCT "
    "--feedline OHMS [--metric]\n"
    "  or:  querlin-calc coil --inductance UH --diameter D --length L --wire W "
    "[--details [--frequency MHZ]]\n"
    "  or:  querlin-calc nec --frequency MHZ --length L --element D --position PCT [--metric]\n"
    "         [--segments N] [--height H] [--wire copper] [--coil-q Q] [--output FILE]\n"
    "  or:  querlin-calc check --frequency MHZ --length L --element D --position PCT [--metric]\n"
    "         [--feedline OHMS] [--segments N] [--height H] [--wire copper]\n"
    "         [--coil-q Q | --coil-diameter D --coil-length L --coil-wire W]\n"
    "  or:  querlin-calc dipole --frequency MHZ --length L --element D --sweep --check [...]\n"
    "  or:  querlin-calc dipole ... --sweep [--check [...]] --plot FILE.png|FILE.svg "
    "[--position PCT]\n"
    "  or:  querlin-calc --batch < commands";

const char* const kDescription =
    "The calculations of QUERLIN's windows from the command line. Each command\n"
    "prints, one per line, the texts that the window's result fields would show.\n"
    "dipole prints the distance from the centre to each loading coil (feet, or\n"
    "metres with --metric), the inductance of each coil in microhenries and the\n"
    "approximate feed-point impedance in ohms. match prints the same three and\n"
    "then the matching coil for the feed line, in microhenries. coil prints the\n"
    "number of turns and the fit message, which begins with a blank as the coil\n"
    "window shows it. Every command takes --json, for one JSON object per result\n"
    "instead, and --locale.\n"
    "\n"
    "coil --details then prints, one figure and its unit a line, what the winding\n"
    "does as wound, its turns spread evenly over the coil length: its inductance\n"
    "by Nagaoka's coefficient (Wheeler's formula of 1982, within 0.1 %), how far\n"
    "that is from the wanted inductance, and the wire length; with --frequency,\n"
    "its Q (copper, skin effect and Medhurst's proximity ratios), its\n"
    "self-resonance (Medhurst's self-capacitance) and its reactance, and a\n"
    "warning above a third of the self-resonance. Where the figures cannot be\n"
    "worked out (a winding that does not fit, sizes that are not positive), one\n"
    "line on standard error says why and the status is 1. With --json the\n"
    "figures are numbers under winding_inductance (uH), inductance_difference\n"
    "(per cent), wire_length (inches), wire_length_m, q, self_resonance (MHz)\n"
    "and reactance (ohms); in their place no_details says why.\n"
    "\n"
    "nec writes a NEC-2 card deck of the dipole as designed: the straight wire,\n"
    "the source at the centre, each coil of the computed inductance on a segment\n"
    "of its own centred at the computed distance, and a sweep from 10 % below to\n"
    "10 % above the design frequency. check runs the deck in the NEC-2 engine\n"
    "nec2c (Debian package nec2c; the environment variable QUERLIN_NEC2C names\n"
    "another program) and prints the design's texts and what the engine says,\n"
    "each on a line after its JSON key:\n"
    "resonance (MHz, the rising zero of the feed reactance nearest the design\n"
    "frequency), resonance_error (per cent, positive above), resistance and\n"
    "reactance (ohms, at the design frequency), resonant_inductance (uH in each\n"
    "coil for resonance at the design frequency, found by the engine), swr and\n"
    "swr_matched (against the feed line, without and with the matching coil),\n"
    "bandwidth (kHz of 2:1 SWR around the resonance, fed with its own resistance)\n"
    "and, with --wire copper or --coil-q, efficiency (per cent of the input power\n"
    "radiated). A figure not found is none, null in JSON. dipole --sweep --check\n"
    "adds these columns to the table.\n"
    "\n"
    "dipole --sweep --plot FILE draws the table as a picture in place of printing\n"
    "it: each coil's inductance against its position and, with --check, the\n"
    "inductance NEC-2 needs for resonance and where each design resonates against\n"
    "the design frequency; PNG or SVG by the file's extension. --position marks\n"
    "one position on it. It needs no display.\n"
    "\n"
    "check --coil-diameter D --coil-length L --coil-wire W (inches, all three\n"
    "together and without --coil-q) winds each loading coil as coil --details\n"
    "does for the computed inductance and takes its Q at the design frequency,\n"
    "as --details prints it, for --coil-q: it prints coil_turns (the coil\n"
    "window's turns) and coil_q before the figures, and efficiency. Where the\n"
    "coil cannot be wound or its Q estimated (a winding that does not fit, a\n"
    "fault of the coil window's calculation, a design frequency above a third\n"
    "of the coil's self-resonance), the reason goes to standard error and the\n"
    "status is 1, before the engine runs. dipole --sweep --check winds the coil\n"
    "of each position, with coil_turns and coil_q as columns; the first position\n"
    "whose coil cannot be wound ends the table as a fault does.\n"
    "\n"
    "Numbers are read as the windows read them, in the C locale unless --locale\n"
    "is given. A calculation that faults prints the windows' message on standard\n"
    "error and exits with status 1, before the engine runs; a usage error exits\n"
    "with status 2; a model that nec2c cannot run (nec2c missing or failing, its\n"
    "output unreadable) or a deck that cannot be written exits with status 3.\n"
    "\n"
    "With --batch, every line of standard input is a command with its options,\n"
    "words split at blanks, double quotes around a word with blanks, and\n"
    "--option= for an empty value. Each line gives one JSON line, in order: the\n"
    "results, {\"fault\": message}, {\"usage\": message} or {\"engine\": message}.\n"
    "The batch goes on after each and exits with the highest status of its lines.";

// Each option and what it means to the commands that take it.
struct OptionForm {
    const char* name;
    const char* valueName;  // none for a switch
    const char* description;
};

constexpr OptionForm kOptions[] = {
    {"frequency", "MHZ",
     "dipole, match, nec, check: the operating frequency, in MHz. coil --details: the frequency "
     "the coil works at, in MHz, for its Q, self-resonance and reactance."},
    {"length", "L",
     "dipole, match, nec, check: the total length of the antenna, in feet (metres with "
     "--metric). coil: the coil length, in inches."},
    {"element", "D",
     "dipole, match, nec, check: the element diameter, in inches (millimetres with --metric)."},
    {"position", "PCT",
     "dipole, match, nec, check: the distance from the centre to each coil as a percentage of "
     "half the antenna, the window's % box: a whole number from 1 to 99."},
    {"metric", nullptr,
     "dipole, match, nec, check: the length is in metres and the element diameter in "
     "millimetres; the coil distance is printed in metres."},
    {"feedline", "OHMS",
     "match: the feed-line impedance, in ohms. check: the same, 50 unless given."},
    {"inductance", "UH", "coil: the wanted inductance, in microhenries."},
    {"diameter", "D", "coil: the coil diameter, in inches."},
    {"wire", "W",
     "coil: the wire diameter, in inches. nec, check: copper, for the loss of copper wire "
     "(without it the wire has none)."},
    {"segments", "N",
     "nec, check: the number of segments of the model, about; 81 unless given, 9 to 2001."},
    {"height", "H",
     "nec, check: the antenna's height over average ground (relative permittivity 13, "
     "0.005 S/m), in feet (metres with --metric); free space without."},
    {"coil-q", "Q",
     "nec, check: the coils' Q, for their loss: a series resistance of their reactance over Q "
     "at the design frequency; none without."},
    {"coil-diameter", "D",
     "check, dipole --sweep --check: wind each loading coil on this diameter, in inches, as the "
     "coil window designs it, and take its Q for the coils' loss; with --coil-length and "
     "--coil-wire, without --coil-q."},
    {"coil-length", "L", "check, dipole --sweep --check: the length of that coil, in inches."},
    {"coil-wire", "W", "check, dipole --sweep --check: the wire diameter of that coil, in inches."},
    {"output", "FILE", "nec: write the deck to FILE instead of standard output."},
    {"details", nullptr,
     "coil: also the winding's inductance by Nagaoka's coefficient, its difference from the "
     "wanted inductance in per cent and the wire length, in inches and metres, taking --diameter "
     "as the winding's from wire centre to wire centre."},
    {"sweep", nullptr,
     "dipole: every position from 1 to 99, in ascending order, as CSV with the header row "
     "position,distance,inductance,impedance (with --json, one object per position)."},
    {"check", nullptr,
     "dipole --sweep: the check's figures of every position too, as further columns; takes "
     "the options of check."},
    {"plot", "FILE",
     "dipole --sweep: draw the table in FILE instead of printing it, as a PNG or SVG picture "
     "by the name's ending (.png or .svg); with --position, that position marked."},
    {"json", nullptr, "One compact JSON object per result, its texts as strings."},
    {"locale", nullptr,
     "Read and write numbers in the user's locale, as the windows do, instead of the C locale."},
    {"batch", nullptr,
     "Read one command per line from standard input and print one JSON line for each."},
};

enum class Command { Dipole, Match, Coil, Nec, Check };

// A batch line's key for a fault, by its status.
constexpr const char* kBatchKeys[] = {"", "fault", "usage", "engine"};

// The options of the NEC-2 model, which nec, check and dipole --sweep --check take.
const QStringList kModelOptions{"segments", "height", "wire", "coil-q"};
// The loading coil to wind, which check and dipole --sweep --check take.
const QStringList kCoilOptions{"coil-diameter", "coil-length", "coil-wire"};

// What a command needs and what more it takes.
struct CommandForm {
    const char* name;
    Command command;
    QStringList needs;
    QStringList takes;
};

const CommandForm kCommands[] = {
    {"dipole",
     Command::Dipole,
     {"frequency", "length", "element", "position"},
     QStringList{"metric", "sweep", "json", "locale", "check", "feedline", "plot"} + kModelOptions +
         kCoilOptions},
    {"match",
     Command::Match,
     {"frequency", "length", "element", "position", "feedline"},
     {"metric", "json", "locale"}},
    {"coil",
     Command::Coil,
     {"inductance", "diameter", "length", "wire"},
     {"json", "locale", "details", "frequency"}},
    {"nec",
     Command::Nec,
     {"frequency", "length", "element", "position"},
     QStringList{"metric", "json", "locale", "output"} + kModelOptions},
    {"check",
     Command::Check,
     {"frequency", "length", "element", "position"},
     QStringList{"metric", "json", "locale", "feedline"} + kModelOptions + kCoilOptions},
};

// A command with its inputs, as the words give it.
struct Request {
    const CommandForm* form = nullptr;
    Antenna antenna;
    QString feedline;
    Coil coil;
    bool details = false;
    std::optional<QString> frequency;  // of a coil's details
    bool sweep = false;
    bool check = false;  // the engine's figures too
    bool json = false;
    bool locale = false;
    ModelWords model;
    std::optional<LoadingCoil> loadingCoil;
    QString output;
    QString plot;               // the picture's file, for a sweep drawn
    std::optional<int> worked;  // the position it marks, per cent
};

// The parser knows every option; each command then checks which it was given.
void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("dipole, match, coil, nec or check."));
    for (const OptionForm& option : kOptions) {
        parser.addOption(QCommandLineOption(
            QString::fromLatin1(option.name), QString::fromLatin1(option.description),
            option.valueName != nullptr ? QString::fromLatin1(option.valueName) : QString()));
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Print this help and exit.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Print the version and exit.")));
}

int position(const QString& text) {
    bool whole = false;
    const int percentage = text.toInt(&whole);
    if (!whole || percentage < kFirstPosition || percentage > kLastPosition) {
        misused(QStringLiteral("--position takes a whole percentage from %1 to %2, not '%3'.")
                    .arg(kFirstPosition)
                    .arg(kLastPosition)
                    .arg(text));
    }
    return sliderValueFor(percentage);
}

// The model's options of a request: they go with nec, check and --sweep --check.
void modelRequest(const QCommandLineParser& parser, Request& request) {
    const bool dipole = request.form->command == Command::Dipole;
    if (dipole && request.check && !request.sweep) {
        misused(QStringLiteral("--check goes with --sweep; for one position, use check."));
    }
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"feedline"_qs}) {
        if (dipole && !request.check && parser.isSet(name)) {
            misused(QStringLiteral("dipole takes --%1 only with --sweep --check.").arg(name));
        }
    }
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"output"_qs}) {
        if (parser.isSet(name) && parser.value(name).isEmpty()) {
            misused(QStringLiteral("--%1 needs a value.").arg(name));
        }
    }
    const auto value = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    request.model = {value("segments"), value("height"), value("coil-q"),
                     parser.isSet(QStringLiteral("wire"))};
    request.output = value("output");
    if (request.model.copper && value("wire") != u"copper") {
        misused(QStringLiteral("--wire takes copper, not '%1'.").arg(value("wire")));
    }
    const auto coilSize = std::count_if(kCoilOptions.begin(), kCoilOptions.end(),
                                        [&](const QString& name) { return parser.isSet(name); });
    if (coilSize > 0) {
        if (coilSize < kCoilOptions.size()) {
            misused(QStringLiteral("--coil-diameter, --coil-length and --coil-wire go together."));
        }
        if (!request.model.coilQ.isEmpty()) {
            misused(
                QStringLiteral("--coil-q is the Q of a coil not wound here: give it or "
                               "--coil-diameter, --coil-length and --coil-wire, not both."));
        }
        request.loadingCoil =
            LoadingCoil{value("coil-diameter"), value("coil-length"), value("coil-wire")};
    }
    if (request.check && request.feedline.isEmpty()) {
        request.feedline = QStringLiteral("50");
    }
}

// The picture of a sweep: its file, PNG or SVG by the name's ending.
void plotRequest(const QCommandLineParser& parser, Request& request) {
    if (!parser.isSet(QStringLiteral("plot"))) {
        return;
    }
    if (!request.sweep) {
        misused(QStringLiteral("--plot draws a --sweep."));
    }
    if (request.json) {
        misused(QStringLiteral("--plot draws the table instead of printing it: leave out --json."));
    }
    request.plot = parser.value(QStringLiteral("plot"));
    const QString ending = QFileInfo(request.plot).suffix().toLower();
    if (ending != u"png" && ending != u"svg") {
        misused(QStringLiteral("--plot writes a .png or .svg file, not '%1'.").arg(request.plot));
    }
}

// The request the parsed words make. The switches --help, --version and
// --batch are the caller's business.
Request request(const QCommandLineParser& parser) {
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        misused(QStringLiteral("No command given."));
    }
    if (words.size() > 1) {
        misused(QStringLiteral("Unexpected argument '%1'.").arg(words.at(1)));
    }
    const auto* form = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CommandForm& c) { return words.front() == c.name; });
    if (form == std::end(kCommands)) {
        misused(QStringLiteral("Unknown command '%1'.").arg(words.front()));
    }
    const bool sweep = parser.isSet(QStringLiteral("sweep"));
    const bool plot = sweep && parser.isSet(QStringLiteral("plot"));
    const auto needed = [&](const QString& name) {
        return form->needs.contains(name) && !(sweep && name == u"position");
    };
    // A plotted sweep takes the position to mark.
    const auto taken = [&](const QString& name) {
        return form->takes.contains(name) || (plot && name == u"position");
    };
    for (const OptionForm& option : kOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (parser.isSet(name) && !needed(name) && !taken(name)) {
            misused(sweep && name == u"position"
                        ? QStringLiteral("--sweep takes every position: leave out --position.")
                        : QStringLiteral("%1 takes no --%2.").arg(QLatin1String(form->name), name));
        }
    }
    for (const QString& name : form->needs) {
        if (needed(name) && !parser.isSet(name)) {
            misused(QStringLiteral("%1 needs --%2.").arg(QLatin1String(form->name), name));
        }
    }

    const auto value = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    Request request;
    request.form = form;
    request.sweep = sweep;
    request.json = parser.isSet(QStringLiteral("json"));
    request.locale = parser.isSet(QStringLiteral("locale"));
    if (form->command == Command::Coil) {
        request.coil = {value("inductance"), value("diameter"), value("length"), value("wire")};
        request.details = parser.isSet(QStringLiteral("details"));
        if (parser.isSet(QStringLiteral("frequency"))) {
            if (!request.details) {
                misused(QStringLiteral("coil takes --frequency with --details only."));
            }
            request.frequency = value("frequency");
        }
        return request;
    }
    request.antenna.frequency = value("frequency");
    request.antenna.length = value("length");
    request.antenna.element = value("element");
    request.antenna.metric = parser.isSet(QStringLiteral("metric"));
    if (!sweep) {
        request.antenna.slider = position(value("position"));
    } else if (parser.isSet(QStringLiteral("position"))) {
        request.worked = coilPercentage(position(value("position")));
    }
    request.feedline = value("feedline");
    request.check = parser.isSet(QStringLiteral("check")) || form->command == Command::Check;
    modelRequest(parser, request);
    plotRequest(parser, request);
    return request;
}

Results design(const Request& request, const QLocale& locale) {
    switch (request.form->command) {
        case Command::Dipole:
            return designDipole(request.antenna, locale);
        case Command::Match:
            return designMatch(request.antenna, request.feedline, locale);
        case Command::Coil:
            return designCoil(request.coil, locale);
        case Command::Nec:
        case Command::Check:
            break;
    }
    return {};
}

QLocale localeFor(bool user) {
    return user ? QLocale() : QLocale::c();
}

void writeLine(std::ostream& out, const QByteArray& line) {
    out.write(line.constData(), line.size());
    out.put('\n');
}

void writeJson(std::ostream& out, const QJsonObject& object) {
    writeLine(out, QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject jsonOf(const Results& results) {
    QJsonObject object;
    for (const Result& result : results) {
        object.insert(QLatin1String(result.name), result.text);
    }
    return object;
}

// The frequency of a coil's details, read as the request's numbers are.
std::optional<double> coilFrequency(const Request& request, const QLocale& locale) {
    if (!request.frequency) {
        return {};
    }
    bool number = false;
    const double frequency = locale.toDouble(*request.frequency, &number);
    if (!number) {
        misused(
            QStringLiteral("--frequency takes a number of MHz, not '%1'.").arg(*request.frequency));
    }
    return frequency;
}

// A CSV field: quoted when a locale's decimal comma is in it.
QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"')) {
        return text;
    }
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

double feedlineOhms(const Request& request, const QLocale& locale) {
    return request.check ? positiveOption(u"feedline"_qs, request.feedline, locale) : 0;
}

// The model's inputs of a request, its options read first.
ModelInputs modelInputs(const Request& request, const QLocale& locale) {
    return {modelOptions(request.model, request.antenna.metric, locale),
            request.check ? request.feedline : QString(), request.loadingCoil};
}

// What nec and check give: the design, the loading coil as wound and, for
// check, the engine's figures. The formula runs first, then the coil is
// wound, and only then the engine.
DesignRow modelResults(const Request& request, const QLocale& locale) {
    DesignRow row = designRow(request.antenna, modelInputs(request, locale), locale);
    if (request.form->command == Command::Check) {
        row.check =
            antenna::checkDipole(row.design.dipole, row.options, feedlineOhms(request, locale),
                                 row.design.matchingCoil, antenna::NecEngine());
    }
    return row;
}

// The texts of a model's results, with the wound coil's turns and Q.
Results modelTexts(const DesignRow& row, const Results& results) {
    Results texts = results;
    if (row.coil) {
        texts.push_back({"coil_turns", row.coil->turns});
        texts.push_back({"coil_q", row.coil->q.text});
    }
    return texts;
}

// A model's results as JSON: its texts, the coil's Q and the figures as numbers.
QJsonObject modelJson(const DesignRow& row, const Results& results) {
    QJsonObject object = jsonOf(results);
    if (row.coil) {
        object.insert(QLatin1String("coil_turns"), row.coil->turns);
        object.insert(QLatin1String("coil_q"), row.coil->q.value);
    }
    if (row.check) {
        antenna::insertFigures(object, *row.check, antenna::lossOf(row.options));
    }
    return object;
}

// The coil's texts and its details' figures, or why there are none.
std::pair<QJsonObject, int> coilDetailsJson(const Request& request, const QLocale& locale) {
    const CoilDetails details =
        designCoilDetails(request.coil, coilFrequency(request, locale), locale);
    QJsonObject object = jsonOf(details.results);
    for (auto figure = details.figures.begin(); figure != details.figures.end(); ++figure) {
        object.insert(figure.key(), figure.value());
    }
    return {object, details.whyNot.isEmpty() ? kSuccess : kFault};
}

// The results of a request as one JSON object, for --json and a batch line,
// and the status.
std::pair<QJsonObject, int> jsonResults(const Request& request, const QLocale& locale) {
    if (request.details) {
        return coilDetailsJson(request, locale);
    }
    const Command command = request.form->command;
    if (command != Command::Nec && command != Command::Check) {
        return {jsonOf(design(request, locale)), kSuccess};
    }
    const DesignRow row = modelResults(request, locale);
    QJsonObject object = modelJson(row, row.design.results());
    if (command == Command::Nec) {
        object.insert(QLatin1String("deck"), deckOf(request.antenna, row.design, row.options));
    }
    return {object, kSuccess};
}

// Writes a whole file or none; what could not be written has the engine's
// status, as a deck the engine cannot read has.
void save(const QString& path, const QByteArray& bytes, const QString& what) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        throw Fault(
            FaultStatus::Engine,
            QStringLiteral("Could not write %1 to %2: %3").arg(what, path, file.errorString()));
    }
}

// The sweep's designs as a picture, in the file --plot names, the worked
// position's texts as the table would print them.
void drawSweep(const Request& request, const std::vector<DesignRow>& rows, const QLocale& locale) {
    const SweepPlot plot = sweepPlot(request.antenna, rows, request.worked, {}, locale);
    const bool svg = QFileInfo(request.plot).suffix().toLower() == u"svg";
    save(request.plot, svg ? plotSvg(plot) : plotPng(plot), QStringLiteral("the plot"));
}

// Every position in ascending order, each a fresh press of CALCULATE with the
// slider there, and its own loading coil wound; the first fault ends the
// table. With --check the engine then runs the designs before the fault,
// several at a time.
void sweep(const Request& request, const QLocale& locale, std::ostream& out) {
    const ModelInputs inputs =
        request.check ? modelInputs(request, locale) : ModelInputs{{}, {}, request.loadingCoil};
    const antenna::Loss loss =
        request.loadingCoil ? antenna::Loss::Lossy : antenna::lossOf(inputs.options);
    const double feedline = feedlineOhms(request, locale);
    const bool drawn = !request.plot.isEmpty();
    if (!request.json && !drawn) {
        QStringList header{u"position,distance,inductance,impedance"_qs};
        if (request.loadingCoil) {
            header << u"coil_turns,coil_q"_qs;
        }
        if (request.check) {
            header << antenna::figureKeys(loss);
        }
        writeLine(out, header.join(u',').toUtf8());
    }
    Sweep designs = designSweep(request.antenna, inputs, locale);
    if (request.check) {
        checkAll(designs.rows, feedline, antenna::NecEngine::defaultProgram());
    }
    if (drawn && !designs.rows.empty()) {
        drawSweep(request, designs.rows, locale);
    }
    for (const DesignRow& row : designs.rows) {
        if (drawn) {
            break;
        }
        // The table shows the upper CALCULATE's three texts.
        const Results upper{{"distance", row.design.distance},
                            {"inductance", row.design.inductance},
                            {"impedance", row.design.impedance}};
        if (request.json) {
            QJsonObject object = modelJson(row, upper);
            object.insert(QLatin1String("position"), row.position);
            writeJson(out, object);
            continue;
        }
        QStringList fields{QString::number(row.position)};
        for (const Result& result : modelTexts(row, upper)) {
            fields << csvField(result.text);
        }
        if (row.check) {
            for (const antenna::FigureForm& form : antenna::figureForms(loss)) {
                fields << csvField(
                    antenna::figureText(form, *row.check, locale, antenna::UnitShown::Without));
            }
        }
        writeLine(out, fields.join(u',').toUtf8());
    }
    if (designs.fault) {
        throw *designs.fault;
    }
}

// One line of a batch: its JSON object, and its status.
std::pair<QJsonObject, int> batchLine(QCommandLineParser& parser, const std::string& line,
                                      bool userLocale) {
    try {
        QStringList words = QProcess::splitCommand(
            QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        words.prepend(kProgram);
        if (!parser.parse(words)) {
            misused(parser.errorText());
        }
        for (const char* whole : {"batch", "sweep", "help", "version", "output", "plot"}) {
            if (parser.isSet(QString::fromLatin1(whole))) {
                misused(
                    QStringLiteral("--%1 cannot be a line of a batch.").arg(QLatin1String(whole)));
            }
        }
        const Request r = request(parser);
        return jsonResults(r, localeFor(userLocale || r.locale));
    } catch (const HandlerFault& fault) {
        return {{{QStringLiteral("fault"), fault.message()}}, kFault};
    } catch (const Fault& fault) {
        return {{{QLatin1String(kBatchKeys[static_cast<int>(fault.status)]), fault.message}},
                static_cast<int>(fault.status)};
    }
}

int batch(QCommandLineParser& parser, bool userLocale, std::istream& in, std::ostream& out) {
    int status = kSuccess;
    std::string line;
    while (std::getline(in, line)) {
        const auto [object, lineStatus] = batchLine(parser, line, userLocale);
        writeJson(out, object);
        status = std::max(status, lineStatus);
    }
    return status;
}

// The deck, to standard output or the file --output names.
void printDeck(const Request& request, const DesignRow& row, std::ostream& out) {
    const QString deck = deckOf(request.antenna, row.design, row.options);
    if (request.output.isEmpty()) {
        writeLine(out, deck.chopped(1).toUtf8());
        return;
    }
    save(request.output, deck.toUtf8(), QStringLiteral("the deck"));
}

// A coil's texts, then its details a line each, or on standard error why
// there are none.
int printCoilDetails(const Request& request, const QLocale& locale, std::ostream& out,
                     std::ostream& err) {
    const CoilDetails details =
        designCoilDetails(request.coil, coilFrequency(request, locale), locale);
    for (const Result& result : details.results) {
        writeLine(out, result.text.toUtf8());
    }
    for (const QString& line : details.lines) {
        writeLine(out, line.toUtf8());
    }
    if (details.whyNot.isEmpty()) {
        return kSuccess;
    }
    out.flush();
    writeLine(err, details.whyNot.toUtf8());
    return kFault;
}

int printResults(const Request& request, const QLocale& locale, std::ostream& out,
                 std::ostream& err) {
    if (request.sweep) {
        sweep(request, locale, out);
        return kSuccess;
    }
    if (request.json) {
        const auto [object, status] = jsonResults(request, locale);
        writeJson(out, object);
        // A script that reads the status and standard error learns why, as
        // for every other failing command; no_details stays for the JSON's reader.
        if (status != kSuccess) {
            out.flush();
            writeLine(err, object.value(QLatin1String("no_details")).toString().toUtf8());
        }
        return status;
    }
    if (request.details) {
        return printCoilDetails(request, locale, out, err);
    }
    if (request.form->command == Command::Nec) {
        printDeck(request, modelResults(request, locale), out);
        return kSuccess;
    }
    if (request.form->command == Command::Check) {
        // Each text and figure on a line of its own, after its JSON key.
        const DesignRow row = modelResults(request, locale);
        for (const Result& result : modelTexts(row, row.design.results())) {
            writeLine(out, (QLatin1String(result.name) + u' ' + result.text).toUtf8());
        }
        for (const antenna::FigureForm& form : antenna::figureForms(antenna::lossOf(row.options))) {
            writeLine(out, (QLatin1String(form.key) + u' ' +
                            antenna::figureText(form, *row.check, locale, antenna::UnitShown::With))
                               .toUtf8());
        }
        return kSuccess;
    }
    for (const Result& result : design(request, locale)) {
        writeLine(out, result.text.toUtf8());
    }
    return kSuccess;
}

}  // namespace

int run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    describe(parser);
    try {
        if (!parser.parse(arguments)) {
            misused(parser.errorText());
        }
        if (parser.isSet(QStringLiteral("help"))) {
            // In place of the parser's usage line, which names the program as
            // it was started, path and all: every way to call it.
            QString help = parser.helpText();
            help.replace(0, help.indexOf(u'\n'), QLatin1String(kUsageLines));
            out << help.toStdString();
            return kSuccess;
        }
        if (parser.isSet(QStringLiteral("version"))) {
            writeLine(out, (kProgram + QStringLiteral(" " QUERLIN_VERSION)).toUtf8());
            return kSuccess;
        }
        if (parser.isSet(QStringLiteral("batch"))) {
            const QStringList others = parser.optionNames();
            for (const QString& name : others) {
                if (name != u"batch" && name != u"locale" && name != u"json") {
                    misused(
                        QStringLiteral("--batch takes its commands from standard input, not --%1.")
                            .arg(name));
                }
            }
            if (!parser.positionalArguments().isEmpty()) {
                misused(QStringLiteral("--batch takes its commands from standard input, not '%1'.")
                            .arg(parser.positionalArguments().front()));
            }
            return batch(parser, parser.isSet(QStringLiteral("locale")), in, out);
        }
        const Request r = request(parser);
        return printResults(r, localeFor(r.locale), out, err);
    } catch (const HandlerFault& fault) {
        out.flush();
        writeLine(err, fault.message().toUtf8());
        return kFault;
    } catch (const Fault& fault) {
        out.flush();
        if (fault.status == FaultStatus::Usage) {
            writeLine(err, (kProgram + QStringLiteral(": ") + fault.message).toUtf8());
            err << kUsageLines << "\nTry 'querlin-calc --help' for more.\n";
        } else {
            writeLine(err, fault.message.toUtf8());
        }
        return static_cast<int>(fault.status);
    }
}

}  // namespace querlin::cli
