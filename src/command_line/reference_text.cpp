#include "reference_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "command.h"
#include "help_text.h"

namespace querlin::cli {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("querlin-calc", text);
}

// A help text as a table's cell: its options set as code, and no bar that
// would end the cell.
QString cell(const QString& text) {
    static const QRegularExpression option(QStringLiteral("(--[a-z][a-z-]*)"));
    QString marked = text;
    marked.replace(u'|', u"\\|"_qs);
    return marked.replace(option, QStringLiteral("`\\1`"));
}

QString row(const QString& name, const char* description) {
    return u"| `"_qs + name + u"` | "_qs + cell(translated(description)) + u" |\n"_qs;
}

// The lines that open and close a command's part, which say where it comes
// from so that nobody edits it by hand.
QString opening(const char* command) {
    return QStringLiteral(
               "<!-- The usage and options of %1, made from its description in "
               "src/command_line by cmake --build build --target update_reference -->\n")
        .arg(QLatin1String(command));
}

QString closing(const char* command) {
    return QStringLiteral("<!-- End of the usage and options of %1 -->\n")
        .arg(QLatin1String(command));
}

}  // namespace

QString commandReference(const QString& name) {
    const Command* command = commandNamed(name);
    if (command == nullptr) {
        return {};
    }
    QString text =
        u"```\n"_qs + usage(name) + u"```\n\n| option | what it is |\n| --- | --- |\n"_qs;
    if (command->argument) {
        text += row(QString::fromLatin1(command->argument->name), command->argument->description);
    }
    for (const CommandOption& option : command->options) {
        QString name = u"--"_qs + QLatin1String(option.text.name);
        if (option.text.valueName != nullptr) {
            name += u' ' + QLatin1String(option.text.valueName);
        }
        text += row(name, option.text.description);
    }
    return text;
}

std::optional<QString> withCommandReferences(const QString& reference) {
    QString made = reference;
    qsizetype from = 0;
    for (const Command* command : commands()) {
        const QString open = opening(command->name);
        const qsizetype start = made.indexOf(open, from);
        if (start < 0) {
            return std::nullopt;
        }
        const qsizetype end = made.indexOf(closing(command->name), start);
        if (end < 0) {
            return std::nullopt;
        }
        const qsizetype inside = start + open.size();
        const QString part = commandReference(QString::fromLatin1(command->name));
        made.replace(inside, end - inside, part);
        from = inside + part.size();
    }
    return made;
}

}  // namespace querlin::cli
