#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "command.h"

namespace querlin::cli {

// The command that the words given make: its work, and how its results are
// written.
struct ParsedCommand {
    const Command* command = nullptr;
    Work work;
    bool json = false;
    bool locale = false;
};

// The name of every command.
QStringList commandNames();

// Every option a command takes, those it needs first, then --json and
// --locale; none for a name that is no command.
QStringList commandOptions(const QString& command);

// The command the parsed words make, their numbers read in the user's locale
// with --locale or where the batch reads its lines so. The switches --help,
// --version and --batch are the caller's business; words that make no
// command throw a usage Fault.
ParsedCommand commandOf(const QCommandLineParser& parser, bool userLocale = false);

}  // namespace querlin::cli
