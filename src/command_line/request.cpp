#include "request.h"

#include <QCoreApplication>

#include "help_text.h"
#include "request_words.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

// The command named by the first word that is not an option, given the
// argument it takes and no more.
const Command& commandGiven(const QCommandLineParser& parser) {
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        misused(QCoreApplication::translate("querlin-calc", "No command given."));
    }
    const Command* command = commandNamed(words.front());
    if (command == nullptr) {
        misused(QCoreApplication::translate("querlin-calc", "Unknown command '%1'.")
                    .arg(words.front()));
    }
    const qsizetype arguments = command->argument ? 1 : 0;
    if (words.size() > 1 + arguments) {
        misused(QCoreApplication::translate("querlin-calc", "Unexpected argument '%1'.")
                    .arg(words.at(1 + arguments)));
    }
    if (words.size() < 1 + arguments) {
        misused(QCoreApplication::translate("querlin-calc", command->argument->missing));
    }
    return *command;
}

// Whether the command lists the option as one it needs, or as one it takes
// beside those.
bool lists(const Command& command, const QString& name, bool needed) {
    return std::ranges::any_of(command.options, [&](const CommandOption& option) {
        return option.needed == needed && name == QLatin1String(option.text.name);
    });
}

// Every option needed is given, and none that the command does not take.
void requireOptions(const Words& words, const Command& command) {
    const bool sweep = words.isSet("sweep");
    const bool plot = sweep && words.isSet("plot");
    const auto needed = [&](const QString& name) {
        return lists(command, name, true) && !(sweep && name == u"position");
    };
    // A plotted sweep takes the position to mark.
    const auto taken = [&](const QString& name) {
        return lists(command, name, false) || (plot && name == u"position");
    };
    for (const QString& name : optionNames()) {
        if (words.isSet(name) && !needed(name) && !taken(name)) {
            misused(sweep && name == u"position"
                        ? QCoreApplication::translate(
                              "querlin-calc", "--sweep takes every position: leave out --position.")
                        : QCoreApplication::translate("querlin-calc", "%1 takes no --%2.")
                              .arg(QLatin1String(command.name), name));
        }
    }
    for (const CommandOption& option : command.options) {
        const QString name = QLatin1String(option.text.name);
        if (needed(name) && !words.isSet(name)) {
            misused(QCoreApplication::translate("querlin-calc", "%1 needs --%2.")
                        .arg(QLatin1String(command.name), name));
        }
    }
}

}  // namespace

QStringList commandNames() {
    QStringList names;
    for (const Command* command : commands()) {
        names += QString::fromLatin1(command->name);
    }
    return names;
}

QStringList commandOptions(const QString& name) {
    const Command* command = commandNamed(name);
    if (command == nullptr) {
        return {};
    }
    // Those it needs, then the output's, which every command takes, then the
    // rest: the order in which the option nearest a mistyped one is found.
    QStringList needed;
    QStringList output;
    QStringList taken;
    for (const CommandOption& option : command->options) {
        const QString name = QString::fromLatin1(option.text.name);
        if (option.needed) {
            needed += name;
        } else if (name == u"json" || name == u"locale") {
            output += name;
        } else {
            taken += name;
        }
    }
    return needed + output + taken;
}

ParsedCommand commandOf(const QCommandLineParser& parser, bool userLocale) {
    const Command& command = commandGiven(parser);
    const bool locale = userLocale || parser.isSet(QStringLiteral("locale"));
    const Words words(parser, localeFor(locale));
    requireOptions(words, command);
    return {&command, command.parse(words), words.isSet("json"), locale};
}

}  // namespace querlin::cli
