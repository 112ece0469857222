#include "help_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>
#include <vector>

#include "command.h"
#include "option_texts.h"
#include "request.h"

namespace querlin::cli {

namespace {

// Usage lines are looked up for a translation too: those with words in them
// are marked for the translators, the rest read the same in every language.
const char* const kGeneralUsage = QT_TRANSLATE_NOOP("querlin-calc",
                                                    "querlin-calc COMMAND [OPTIONS]\n"
                                                    "querlin-calc help COMMAND\n"
                                                    "querlin-calc --batch [--locale] < commands");

const char* const kDescription = QT_TRANSLATE_NOOP(
    "querlin-calc",
    "The calculations of QUERLIN's windows from the command line, for scripts and tables. Each "
    "command prints, one per line, the texts that the window's result fields would show; "
    "numbers are read as the windows read them, in the C locale unless --locale is given.");

const char* const kMore = QT_TRANSLATE_NOOP(
    "querlin-calc",
    "Run 'querlin-calc COMMAND --help' or 'querlin-calc help COMMAND' for a command's usage and "
    "options; the manual page, man querlin-calc, has them all, with the output keys and the "
    "exit statuses.");

// Every option the parser knows, in the order a command's words are looked
// through for one it does not take. An option takes a value for every
// command or for none.
constexpr OptionText kParserOptions[] = {
    {"frequency", "MHZ", ""},
    {"length", "L", ""},
    {"element", "D", ""},
    {"position", "PCT", ""},
    {"metric", nullptr, ""},
    {"feedline", "OHMS", ""},
    {"inductance", "UH", ""},
    {"diameter", "D", ""},
    {"wire", "W", ""},
    {"details", nullptr, ""},
    {"sweep", nullptr, ""},
    {"check", nullptr, ""},
    {"plot", "FILE", ""},
    {"load-inductance", "UH", ""},
    {"shunt-inductance", "UH", ""},
    {"segments", "N", ""},
    {"height", "H", ""},
    {"ground", "NAME", ""},
    {"ground-permittivity", "ER", ""},
    {"ground-conductivity", "S", ""},
    {"apex-angle", "DEG", ""},
    {"insulation", "T", ""},
    {"insulation-permittivity", "ER", ""},
    {"conductor", "copper", ""},
    {"coil-q", "Q", ""},
    {"coil-diameter", "D", ""},
    {"coil-length", "L", ""},
    {"coil-wire", "W", ""},
    {"output", "FILE", ""},
    {"touchstone", "FILE", ""},
    {"json", nullptr, ""},
    {"locale", nullptr, ""},
};

// The option of no command: a batch's lines name their own.
constexpr OptionText kBatch = {
    "batch", nullptr,
    QT_TRANSLATE_NOOP("querlin-calc",
                      "Read one command per line from standard input and print one JSON line "
                      "for each.")};

// A text of the help in the user's language.
QString translated(const char* text) {
    return QCoreApplication::translate("querlin-calc", text);
}

// A help's lines are at most as wide as the parser's table of options.
constexpr qsizetype kWidth = 79;

QCommandLineOption parserOption(const OptionText& text) {
    return QCommandLineOption(
        QString::fromLatin1(text.name), translated(text.description),
        text.valueName != nullptr ? QString::fromLatin1(text.valueName) : QString());
}

QCommandLineOption helpOption() {
    return QCommandLineOption(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("querlin-calc", "Print this help and exit."));
}

QCommandLineOption versionOption() {
    return QCommandLineOption(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("querlin-calc", "Print the version and exit."));
}

// A paragraph broken into lines between its words, a per cent sign kept
// with its number; the parser prints the description as it is given.
QString wrapped(const char* paragraph) {
    QStringList words;
    for (const QString& word : translated(paragraph).split(u' ')) {
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
            block += block.isEmpty() ? QCoreApplication::translate("querlin-calc", "Usage: ")
                                     : QCoreApplication::translate("querlin-calc", "  or:  ");
        }
        block += line + u'\n';
    }
    return block;
}

QStringList linesOf(const char* usage) {
    return QCoreApplication::translate("querlin-calc", usage).split(u'\n');
}

// The parser's help with our usage block in place of its usage line, which
// names the program as it was started, path and all.
QString withUsage(const QCommandLineParser& parser, const QStringList& usage) {
    QString help = parser.helpText();
    help.replace(0, help.indexOf(u'\n') + 1, usageBlock(usage) + u'\n');
    return help;
}

}  // namespace

void describe(QCommandLineParser& parser) {
    for (const OptionText& text : kParserOptions) {
        parser.addOption(parserOption(text));
    }
    parser.addOption(parserOption(kBatch));
    parser.addOption(helpOption());
    parser.addOption(versionOption());
}

QStringList optionNames() {
    QStringList names;
    for (const OptionText& text : kParserOptions) {
        names += QString::fromLatin1(text.name);
    }
    names += QString::fromLatin1(kBatch.name);
    return names;
}

QString generalHelp() {
    QString description = wrapped(kDescription) + u"\n\n"_qs +
                          QCoreApplication::translate("querlin-calc", "Commands:") + u'\n';
    for (const Command* command : commands()) {
        description += QStringLiteral("  %1%2\n")
                           .arg(QLatin1String(command->name), -10)
                           .arg(translated(command->summary));
    }
    description += u'\n' + wrapped(kMore);
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addOption(parserOption(kBatch));
    parser.addOption(parserOption(option::kLocale));
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    return withUsage(parser, linesOf(kGeneralUsage));
}

QString commandHelp(const QString& name) {
    const Command* command = commandNamed(name);
    if (command == nullptr) {
        return {};
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(wrapped(command->paragraph));
    if (command->argument) {
        parser.addPositionalArgument(QString::fromLatin1(command->argument->name),
                                     translated(command->argument->description));
    }
    for (const CommandOption& each : command->options) {
        parser.addOption(parserOption(each.text));
    }
    parser.addOption(helpOption());
    return withUsage(parser, linesOf(command->usage));
}

QString usage(const QString& command) {
    if (const Command* named = commandNamed(command)) {
        return usageBlock(linesOf(named->usage));
    }
    QStringList lines;
    for (const Command* each : commands()) {
        lines += linesOf(each->usage);
    }
    lines += QCoreApplication::translate("querlin-calc", "querlin-calc --batch < commands");
    return usageBlock(lines);
}

}  // namespace querlin::cli
