#include "help_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>
#include <vector>

#include "help_tables.h"
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

// A text of the help tables in the user's language.
QString translated(const char* text) {
    return QCoreApplication::translate("querlin-calc", text);
}

// A help's lines are at most as wide as the parser's table of options.
constexpr qsizetype kWidth = 79;

const CommandText* commandText(const QString& name) {
    const std::span<const CommandText> texts = commandTexts();
    const auto text =
        std::ranges::find_if(texts, [&](const CommandText& c) { return name == c.name; });
    return text == texts.end() ? nullptr : std::to_address(text);
}

bool appliesTo(const OptionText& text, const QString& command) {
    return QString::fromLatin1(text.commands).split(u' ').contains(command);
}

QCommandLineOption option(const OptionText& text) {
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

// The first row of an option.
const OptionText* firstRow(const QString& name) {
    return std::to_address(std::ranges::find_if(
        optionTexts(), [&](const OptionText& row) { return name == QLatin1String(row.name); }));
}

// The first row of each option, in the order of the rows, --batch last.
std::vector<const OptionText*> firstRows() {
    std::vector<const OptionText*> rows;
    for (const OptionText& row : optionTexts()) {
        if (firstRow(QLatin1String(row.name)) == &row) {
            rows.push_back(&row);
        }
    }
    rows.push_back(&batchText());
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
    QString description = wrapped(kDescription) + u"\n\n"_qs +
                          QCoreApplication::translate("querlin-calc", "Commands:") + u'\n';
    for (const CommandText& command : commandTexts()) {
        description += QStringLiteral("  %1%2\n")
                           .arg(QLatin1String(command.name), -10)
                           .arg(translated(command.summary));
    }
    description += u'\n' + wrapped(kMore);
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addOption(option(batchText()));
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
            translated(QT_TRANSLATE_NOOP("querlin-calc",
                                         "The analyser's sweep: a Touchstone .s1p file or a "
                                         "CSV file.")));
    }
    // The options the parser's table of commands gives the command; one
    // without a row of its own here is left out, which the help's test finds.
    const QStringList options = commandOptions(command);
    for (const OptionText& row : optionTexts()) {
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
    for (const CommandText& each : commandTexts()) {
        lines += linesOf(each.usage);
    }
    lines += QCoreApplication::translate("querlin-calc", "querlin-calc --batch < commands");
    return usageBlock(lines);
}

}  // namespace querlin::cli
