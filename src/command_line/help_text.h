#pragma once

#include <QCommandLineParser>
#include <span>

namespace querlin::cli {

// Every way to call querlin-calc, for the help, the manual page and a usage
// error.
extern const char* const kUsageLines;

// Each option and what it means to the commands that take it.
struct OptionForm {
    const char* name;
    const char* valueName;  // none for a switch
    const char* description;
};
std::span<const OptionForm> optionForms();

// The parser knows every option; each command then checks which it was given.
void describe(QCommandLineParser& parser);

}  // namespace querlin::cli
