#include "reference_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <vector>

#include "command.h"
#include "help_text.h"

namespace querlin::cli {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("querlin-calc", text);
}

// A help text as a table's cell, as the reference writes one: no capital or
// full stop of a sentence of its own, its options set as code, and no bar
// that would end the cell.
QString cell(const char* description) {
    static const QRegularExpression option(QStringLiteral("(--[a-z][a-z-]*)"));
    QString text = translated(description);
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    if (text.size() > 1 && text[1].isLower()) {
        text[0] = text[0].toLower();
    }
    text.replace(u'|', u"\\|"_qs);
    return text.replace(option, QStringLiteral("`\\1`"));
}

QString nameOf(const OptionText& text) {
    QString name = u"`--"_qs + QLatin1String(text.name);
    if (text.valueName != nullptr) {
        name += u' ' + QLatin1String(text.valueName);
    }
    return name + u'`';
}

// Whether a command takes the option with the same meaning.
bool takes(const Command& command, const OptionText& text) {
    return std::ranges::any_of(command.options, [&](const CommandOption& each) {
        return std::strcmp(each.text.name, text.name) == 0 &&
               std::strcmp(each.text.description, text.description) == 0;
    });
}

bool takenByAll(const OptionText& text) {
    return std::ranges::all_of(commands(),
                               [&](const Command* command) { return takes(*command, text); });
}

// Where the reader of another command is sent for an option: the first
// command that cannot do without it or, for one that none needs, the command
// with the fewest options that takes it, the first of them on a tie.
const Command* homeOf(const OptionText& text) {
    const Command* home = nullptr;
    for (const Command* command : commands()) {
        const auto needed = std::ranges::any_of(command->options, [&](const CommandOption& each) {
            return each.needed && std::strcmp(each.text.name, text.name) == 0 &&
                   std::strcmp(each.text.description, text.description) == 0;
        });
        if (needed) {
            return command;
        }
        if (takes(*command, text) &&
            (home == nullptr || command->options.size() < home->options.size())) {
            home = command;
        }
    }
    return home;
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
        text += u"| `"_qs + QLatin1String(command->argument->name) + u"` | "_qs +
                cell(command->argument->description) + u" |\n"_qs;
    }
    // The options of another command, at home there, stand in one row that
    // sends the reader there, as those every command takes do, at the place
    // of the first of them; a single one is as short written out.
    struct Group {
        const Command* home;  // none for the options every command takes
        QStringList names;
    };
    std::vector<Group> groups;
    struct Row {
        QString text;
        std::size_t group = 0;  // with no text, the group that stands here
    };
    std::vector<Row> rows;
    for (const CommandOption& option : command->options) {
        const Command* home = takenByAll(option.text) ? nullptr : homeOf(option.text);
        const auto sharing =
            std::ranges::count_if(command->options, [&](const CommandOption& each) {
                return home != command && homeOf(each.text) == home && !takenByAll(each.text);
            });
        if (!takenByAll(option.text) && sharing < 2) {
            rows.push_back({nameOf(option.text) + u" | "_qs + cell(option.text.description)});
            continue;
        }
        const auto group = std::ranges::find(groups, home, &Group::home);
        if (group == groups.end()) {
            rows.push_back({QString(), groups.size()});
            groups.push_back({home, {nameOf(option.text)}});
        } else {
            group->names += nameOf(option.text);
        }
    }
    for (Row& row : rows) {
        if (row.text.isEmpty()) {
            const Group& group = groups[row.group];
            row.text = group.names.join(u", "_qs) +
                       (group.home == nullptr
                            ? u" | as for [every command](#json-and-the-locale)"_qs
                            : u" | as for [`%1`](#%1)"_qs.arg(QLatin1String(group.home->name)));
        }
    }
    for (const Row& row : rows) {
        text += u"| "_qs + row.text + u" |\n"_qs;
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
