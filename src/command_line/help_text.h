#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace querlin::cli {

// The parser knows every option of every command; each command then checks
// which it was given.
void describe(QCommandLineParser& parser);

// The name of every option the parser knows, --help and --version aside.
QStringList optionNames();

// querlin-calc --help: the commands, one line each, and the options that go
// with none of them.
QString generalHelp();

// querlin-calc COMMAND --help: the command's usage, what it does and its
// options, as Qt's parser lays out a table of them. Empty for no command.
QString commandHelp(const QString& command);

// The usage lines of a command, or of every command for an empty name, as a
// usage error prints them.
QString usage(const QString& command);

}  // namespace querlin::cli
