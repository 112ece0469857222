#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "output.h"

namespace querlin::cli {

class Words;

// What an option means to a command: its help's row.
struct OptionText {
    const char* name;
    const char* valueName;  // none for a switch
    const char* description;
};

// An option of a command, and whether the command cannot do without it.
struct CommandOption {
    OptionText text;
    bool needed = false;
};

// A word after the command's name that is not an option, as measured FILE.
struct CommandArgument {
    const char* name;
    const char* description;
    const char* missing;  // the usage fault when it is not given
};

// What the words given to a command make: the work that writes its results
// and gives the exit status, or throws the Fault that ended it.
using Work = std::function<int(const Output&)>;

// Everything about a command, in the one file of the command: the help, the
// manual page and the parser are all made from it.
struct Command {
    const char* name;
    const char* summary;  // its line in querlin-calc --help
    const char* usage;    // one form a line; a line that begins with a blank goes on the one before
    const char* paragraph;               // what it does, in its own help
    std::vector<CommandOption> options;  // in the order its help lists them
    // Reads the words, whose options the command takes and needs; a usage
    // Fault for words that make no work of it.
    Work (*parse)(const Words& words);
    std::optional<CommandArgument> argument{};
    // Whether a field that does not read is the coil window's, named by the
    // command's own options (--diameter) rather than the loading coil's
    // (--coil-diameter).
    bool coilWindowFields = false;
};

// Every command, in the order querlin-calc --help lists them.
std::span<const Command* const> commands();

// The command of that name; none for a name that is no command.
const Command* commandNamed(const QString& name);

}  // namespace querlin::cli
