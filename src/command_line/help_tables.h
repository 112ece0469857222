#pragma once

#include <span>

namespace querlin::cli {

// What a command is for: a line in the list of commands, its ways to be
// called and a paragraph for its own help.
struct CommandText {
    const char* name;
    const char* summary;
    const char* usage;  // one form a line; a line that begins with a blank goes on the one before
    const char* paragraph;
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

// Every command, in the order querlin-calc --help lists them.
std::span<const CommandText> commandTexts();

// Every option's rows, in the order each command's help lists them.
std::span<const OptionText> optionTexts();

// The option of no command: a batch's lines name their own.
const OptionText& batchText();

}  // namespace querlin::cli
