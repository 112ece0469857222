#include "help_text.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "request.h"

namespace querlin::cli {

namespace {

// What a command is for: a line in the list of commands, its ways to be
// called and a paragraph for its own help.
struct CommandText {
    const char* name;
    const char* summary;
    const char* usage;  // one form a line; a line that begins with a blank goes on the one before
    const char* paragraph;
};

constexpr CommandText kCommandTexts[] = {
    {"dipole", "where the two loading coils go and how large they are",
     "querlin-calc dipole --frequency MHZ --length L --element D --position PCT [--metric]\n"
     "querlin-calc dipole --frequency MHZ --length L --element D --sweep [--metric]\n"
     "querlin-calc dipole --frequency MHZ --length L --element D --sweep --check [...]\n"
     "querlin-calc dipole ... --sweep [--check [...]] --plot FILE.png|FILE.svg [--position PCT]",
     "The main window's upper CALCULATE: prints the distance from the centre to each loading "
     "coil (feet, or metres with --metric), the inductance of each coil in microhenries and the "
     "approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from "
     "1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 "
     "engine says of each, and --plot draws the table as a picture in place of printing it."},
    {"match", "the same, and the matching coil across the feed point",
     "querlin-calc match --frequency MHZ --length L --element D --position PCT --feedline OHMS "
     "[--metric]",
     "The main window's lower CALCULATE: prints what dipole prints, then the inductance of the "
     "shunt coil across the feed point that matches the antenna to the feed line, in "
     "microhenries."},
    {"coil", "the turns of a loading coil, and the coil as wound",
     "querlin-calc coil --inductance UH --diameter D --length L --wire W "
     "[--details [--frequency MHZ]]",
     "The coil window's CALCULATE: prints the number of turns of a single-layer air-core coil "
     "for the wanted inductance and the fit message, which begins with a blank as the coil "
     "window shows it. --details adds the coil as wound, its turns spread evenly over the coil "
     "length, one figure and its unit a line: its inductance by Nagaoka's coefficient less "
     "Rosa's round-wire corrections, how far that is from the wanted inductance and the wire "
     "length; with --frequency, its Q, its self-resonance and its reactance there, and a "
     "warning above a third of the self-resonance."},
    {"nec", "the design as a NEC-2 card deck",
     "querlin-calc nec --frequency MHZ --length L --element D --position PCT [--metric]\n"
     "         [--segments N] [--height H] [--wire copper] [--coil-q Q] [--output FILE]",
     "Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a "
     "segment of its own at the centre, each loading coil of the computed inductance a wire of "
     "its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the "
     "computed distance, and a sweep from 10 % below to 10 % above the design frequency, with "
     "comment cards naming the design."},
    {"check", "the design modelled in nec2c: its resonance, impedance and SWR",
     "querlin-calc check --frequency MHZ --length L --element D --position PCT [--metric]\n"
     "         [--feedline OHMS] [--segments N] [--height H] [--wire copper]\n"
     "         [--coil-q Q | --coil-diameter D --coil-length L --coil-wire W]\n"
     "querlin-calc check ... --touchstone FILE.s1p",
     "Runs the design's deck in the NEC-2 engine nec2c and prints the design's texts, then what "
     "the engine says, each after its key: where the antenna resonates and how far that is from "
     "the design frequency, the feed impedance there, the inductance each coil needs for "
     "resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with "
     "--wire copper, --coil-q, a coil to wind or --height, the efficiency: the share of the "
     "power put in that is radiated, over ground into the upper half of space, with coils of "
     "the resonant inductance. A last line, note, says when segments shorter than 8 wire radii "
     "make the figures rough. --coil-diameter, --coil-length and --coil-wire wind "
     "each loading coil as coil --details does and model it with the Q that gives."},
    {"build", "what to build instead: the coils that match the feed line",
     "querlin-calc build --frequency MHZ --length L --element D --position PCT|best\n"
     "         [--metric] [--feedline OHMS] [the model and coil options of check]\n"
     "querlin-calc build --frequency MHZ --length L --element D --sweep [...]\n"
     "querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]\n"
     "querlin-calc build ... --touchstone FILE.s1p",
     "Prints the design's texts, then what to build instead, found by nec2c with the coils' "
     "loss in the model: each loading coil and the matching coil across the feed point with "
     "which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with them, "
     "or in words why no coil across the feed point can match. With a coil to wind it gives "
     "each coil's turns and Q; --position best builds every position and prints the one of "
     "highest efficiency, and --sweep every position, a row each, which --plot draws as a "
     "picture in place of printing it. --touchstone writes the build's feed point for an "
     "analyser's program, as check's does."},
    {"measured", "an analyser's sweep of the antenna, and how to tune it",
     "querlin-calc measured FILE [--feedline OHMS] [--frequency MHZ]\n"
     "querlin-calc measured FILE --frequency MHZ --length L --element D --position PCT\n"
     "         [--metric] [--feedline OHMS] [--load-inductance UH] [--segments N] [--height H]\n"
     "         [--wire copper] [--coil-q Q] [--coil-diameter D --coil-length L --coil-wire W]\n"
     "querlin-calc measured FILE ... --plot FILE.png|FILE.svg",
     "Reads an antenna analyser's sweep of the feed point, a Touchstone version 1 .s1p file or "
     "a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed "
     "line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, "
     "or instead each coil, to bring the resonance to the design frequency, found with nec2c, "
     "and estimates the coils' Q and the efficiency from the resonance's sharpness; with the "
     "former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep's "
     "SWR, resistance and reactance against frequency, with the design the model's beside "
     "them."},
};

// What an option means to the commands of a row, which name them separated
// by blanks. An option may mean one thing to some commands and another to the
// rest, in a row for each.
struct OptionText {
    const char* name;
    const char* commands;
    const char* valueName;  // none for a switch
    const char* description;
};

// In the order each command's help lists them.
constexpr OptionText kOptionTexts[] = {
    {"frequency", "dipole match nec check build", "MHZ", "The operating frequency, in MHz."},
    {"frequency", "measured", "MHZ",
     "The design frequency, in MHz: the resonance nearest it is read (without it, the one "
     "nearest the lowest SWR)."},
    {"length", "dipole match nec check build", "L",
     "The total length of the antenna, tip to tip, in feet (metres with --metric)."},
    {"length", "measured", "L",
     "The design's total length, in feet (metres with --metric); with --frequency, --element "
     "and --position."},
    {"element", "dipole match nec check build", "D",
     "The element diameter, in inches (millimetres with --metric)."},
    {"element", "measured", "D",
     "The design's element diameter, in inches (millimetres with --metric)."},
    {"position", "match nec check", "PCT",
     "The distance from the centre to each coil as a percentage of half the antenna, the "
     "window's % box: a whole number from 1 to 99."},
    {"position", "dipole", "PCT",
     "The distance from the centre to each coil as a percentage of half the antenna, the "
     "window's % box: a whole number from 1 to 99. With --sweep only with --plot, which marks "
     "it."},
    {"position", "build", "PCT",
     "The distance from the centre to each coil as a percentage of half the antenna, a whole "
     "number from 1 to 99; or best, the position of highest efficiency, which needs the coils' "
     "loss. With --sweep only with --plot, which marks it."},
    {"position", "measured", "PCT", "The design's coil position, per cent, 1 to 99."},
    {"metric", "dipole match nec check build", nullptr,
     "The length is in metres and the element diameter in millimetres; the coil distance is "
     "printed in metres."},
    {"metric", "measured", nullptr,
     "The design's length is in metres and its element diameter in millimetres; the tip "
     "change is printed in metres."},
    {"feedline", "match", "OHMS", "The feed line's impedance, in ohms."},
    {"inductance", "coil", "UH", "The wanted inductance, in microhenries."},
    {"diameter", "coil", "D",
     "The coil diameter, in inches, from wire centre to wire centre: a former's diameter plus "
     "one wire diameter."},
    {"length", "coil", "L", "The coil length, in inches."},
    {"wire", "coil", "W", "The wire diameter, in inches."},
    {"details", "coil", nullptr,
     "The coil as wound too: its inductance, its difference from the wanted inductance in per "
     "cent and the wire length, in inches and metres."},
    {"frequency", "coil", "MHZ",
     "With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and "
     "reactance."},
    {"sweep", "dipole", nullptr,
     "Every position from 1 to 99, as CSV with the header row "
     "position,distance,inductance,impedance (with --json, one object per position); without "
     "--position."},
    {"sweep", "build", nullptr, "Build every position, a row each, as CSV; without --position."},
    {"check", "dipole", nullptr,
     "With --sweep: the check's figures of every position too, as further columns; takes the "
     "model and coil options of check."},
    {"plot", "dipole", "FILE",
     "With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the "
     "name's ending (.png or .svg)."},
    {"feedline", "check build measured", "OHMS",
     "The feed line's impedance, in ohms; 50 unless given."},
    {"feedline", "dipole", "OHMS",
     "With --sweep --check: the feed line's impedance, in ohms; 50 unless given."},
    {"load-inductance", "measured", "UH",
     "The inductance of each coil as built, in microhenries, in place of the design's."},
    {"segments", "dipole nec check build measured", "N",
     "No segment of the model is longer than the antenna over N, and those at the source and "
     "the coils are shorter where they must be; 9 to 2001, 81 unless given."},
    {"height", "dipole nec check build measured", "H",
     "The antenna's height over average ground (relative permittivity 13, 0.005 S/m), in feet "
     "(metres with --metric); free space unless given."},
    {"wire", "dipole nec check build measured", "copper",
     "Adds the loss of copper wire to the model; without it the wire has none."},
    {"coil-q", "dipole nec check measured", "Q",
     "The coils' Q, for their loss: a series resistance of their reactance over Q at the "
     "design frequency; lossless unless given."},
    {"coil-q", "build", "Q",
     "The Q of every coil, the matching coil's too, for their loss; lossless unless given."},
    {"coil-diameter", "dipole check", "D",
     "Wind each loading coil on this diameter, in inches from wire centre to wire centre, as "
     "the coil window designs it, and take its Q for the coils' loss; with --coil-length and "
     "--coil-wire, without --coil-q."},
    {"coil-diameter", "build", "D",
     "Wind the loading coils and the matching coil on this diameter, in inches from wire "
     "centre to wire centre, by Nagaoka's coefficient, each with its own Q; with --coil-length "
     "and --coil-wire, without --coil-q."},
    {"coil-diameter", "measured", "D",
     "With the design: the diameter, in inches from wire centre to wire centre, of the former "
     "the coils are wound on, for the turns of the advised change; with --coil-length and "
     "--coil-wire."},
    {"coil-length", "dipole check build measured", "L", "The length of that coil, in inches."},
    {"coil-wire", "dipole check build measured", "W", "The wire diameter of that coil, in inches."},
    {"output", "nec", "FILE", "Write the deck to FILE instead of standard output."},
    {"touchstone", "check", "FILE",
     "Also write the model's feed point from a tenth below to a tenth above the design "
     "frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line."},
    {"touchstone", "build", "FILE",
     "Also write the build's feed point, its loading coils as built with their Q and the "
     "matching coil across it, from a tenth below to a tenth above the design frequency, in "
     "201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep."},
    {"plot", "build", "FILE",
     "With --sweep: draw the builds in FILE instead of printing them, against the position: "
     "each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the "
     "model, the efficiency, the best position ringed; a PNG or SVG picture by the name's "
     "ending (.png or .svg)."},
    {"plot", "measured", "FILE",
     "Also draw the sweep's SWR, resistance and reactance against frequency in FILE, and with "
     "the design the model's beside them, a PNG or SVG picture by the name's ending (.png or "
     ".svg)."},
    {"json", "dipole match coil nec check build measured", nullptr,
     "One compact JSON object per result, texts as strings and figures as numbers."},
    {"locale", "dipole match coil nec check build measured", nullptr,
     "Read and write numbers in the user's locale, as the windows do, instead of the C locale."},
};

// The option of no command: a batch's lines name their own.
constexpr OptionText kBatch = {
    "batch", "", nullptr,
    "Read one command per line from standard input and print one JSON line for each."};

const char* const kGeneralUsage =
    "querlin-calc COMMAND [OPTIONS]\n"
    "querlin-calc help COMMAND\n"
    "querlin-calc --batch [--locale] < commands";

const char* const kDescription =
    "The calculations of QUERLIN's windows from the command line, for scripts and tables. Each "
    "command prints, one per line, the texts that the window's result fields would show; "
    "numbers are read as the windows read them, in the C locale unless --locale is given.";

const char* const kMore =
    "Run 'querlin-calc COMMAND --help' or 'querlin-calc help COMMAND' for a command's usage and "
    "options; the manual page, man querlin-calc, has them all, with the output keys and the "
    "exit statuses.";

// A help's lines are at most as wide as the parser's table of options.
constexpr qsizetype kWidth = 79;

const CommandText* commandText(const QString& name) {
    const auto* text = std::find_if(std::begin(kCommandTexts), std::end(kCommandTexts),
                                    [&](const CommandText& c) { return name == c.name; });
    return text == std::end(kCommandTexts) ? nullptr : text;
}

bool appliesTo(const OptionText& text, const QString& command) {
    return QString::fromLatin1(text.commands).split(u' ').contains(command);
}

QCommandLineOption option(const OptionText& text) {
    return QCommandLineOption(
        QString::fromLatin1(text.name), QString::fromLatin1(text.description),
        text.valueName != nullptr ? QString::fromLatin1(text.valueName) : QString());
}

QCommandLineOption helpOption() {
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              QStringLiteral("Print this help and exit."));
}

QCommandLineOption versionOption() {
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              QStringLiteral("Print the version and exit."));
}

// A paragraph broken into lines between its words, a per cent sign kept
// with its number; the parser prints the description as it is given.
QString wrapped(const char* paragraph) {
    QStringList words;
    for (const QString& word : QString::fromLatin1(paragraph).split(u' ')) {
        if (word.startsWith(u'%') && !words.isEmpty()) {
            words.back() += u' ' + word;
        } else {
            words += word;
        }
    }
    QString text;
    qsizetype lineStart = 0;
    for (const QString& word : words) {
        if (text.size() > lineStart && text.size() - lineStart + 1 + word.size() > kWidth) {
            text += u'\n';
            lineStart = text.size();
        } else if (text.size() > lineStart) {
            text += u' ';
        }
        text += word;
    }
    return text;
}

// Usage lines as a usage block shows them: "Usage: " before the first form,
// "  or:  " before each further one, a line that goes on the form before as
// it is.
QString usageBlock(const QStringList& lines) {
    QString block;
    for (const QString& line : lines) {
        if (!line.startsWith(u' ')) {
            block += block.isEmpty() ? QStringLiteral("Usage: ") : QStringLiteral("  or:  ");
        }
        block += line + u'\n';
    }
    return block;
}

QStringList linesOf(const char* usage) {
    return QString::fromLatin1(usage).split(u'\n');
}

// The parser's help with our usage block in place of its usage line, which
// names the program as it was started, path and all.
QString withUsage(const QCommandLineParser& parser, const QStringList& usage) {
    QString help = parser.helpText();
    help.replace(0, help.indexOf(u'\n') + 1, usageBlock(usage) + u'\n');
    return help;
}

// The first row of an option.
const OptionText* firstRow(const QString& name) {
    return std::find_if(std::begin(kOptionTexts), std::end(kOptionTexts),
                        [&](const OptionText& row) { return name == QLatin1String(row.name); });
}

// The first row of each option, in the order of the rows, --batch last.
std::vector<const OptionText*> firstRows() {
    std::vector<const OptionText*> rows;
    for (const OptionText& row : kOptionTexts) {
        if (firstRow(QLatin1String(row.name)) == &row) {
            rows.push_back(&row);
        }
    }
    rows.push_back(&kBatch);
    return rows;
}

}  // namespace

void describe(QCommandLineParser& parser) {
    // An option takes a value for every command or for none: its first row
    // tells which.
    for (const OptionText* row : firstRows()) {
        parser.addOption(option(*row));
    }
    parser.addOption(helpOption());
    parser.addOption(versionOption());
}

QStringList optionNames() {
    QStringList names;
    for (const OptionText* row : firstRows()) {
        names += QString::fromLatin1(row->name);
    }
    return names;
}

QString generalHelp() {
    QString description = wrapped(kDescription) + QStringLiteral("\n\nCommands:\n");
    for (const CommandText& command : kCommandTexts) {
        description += QStringLiteral("  %1%2\n")
                           .arg(QLatin1String(command.name), -10)
                           .arg(QLatin1String(command.summary));
    }
    description += u'\n' + wrapped(kMore);
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addOption(option(kBatch));
    parser.addOption(option(*firstRow(u"locale"_qs)));
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    return withUsage(parser, linesOf(kGeneralUsage));
}

QString commandHelp(const QString& command) {
    const CommandText* text = commandText(command);
    if (text == nullptr) {
        return {};
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(wrapped(text->paragraph));
    if (command == u"measured") {
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral("The analyser's sweep: a Touchstone .s1p file or a CSV file."));
    }
    // The options the parser's table of commands gives the command; one
    // without a row of its own here is left out, which the help's test finds.
    const QStringList options = commandOptions(command);
    for (const OptionText& row : kOptionTexts) {
        if (options.contains(QLatin1String(row.name)) && appliesTo(row, command)) {
            parser.addOption(option(row));
        }
    }
    parser.addOption(helpOption());
    return withUsage(parser, linesOf(text->usage));
}

QString usage(const QString& command) {
    if (const CommandText* text = commandText(command)) {
        return usageBlock(linesOf(text->usage));
    }
    QStringList lines;
    for (const CommandText& each : kCommandTexts) {
        lines += linesOf(each.usage);
    }
    lines += QStringLiteral("querlin-calc --batch < commands");
    return usageBlock(lines);
}

}  // namespace querlin::cli
