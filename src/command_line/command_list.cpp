#include <algorithm>

#include "command.h"

namespace querlin::cli {

// Each command is described in a file of its own.
const Command& dipoleCommand();
const Command& matchCommand();
const Command& coilCommand();
const Command& necCommand();
const Command& checkCommand();
const Command& buildCommand();
const Command& measuredCommand();

std::span<const Command* const> commands() {
    static const Command* const list[] = {
        &dipoleCommand(), &matchCommand(), &coilCommand(),     &necCommand(),
        &checkCommand(),  &buildCommand(), &measuredCommand(),
    };
    return list;
}

const Command* commandNamed(const QString& name) {
    const auto found = std::ranges::find_if(
        commands(), [&](const Command* command) { return name == QLatin1String(command->name); });
    return found == commands().end() ? nullptr : *found;
}

}  // namespace querlin::cli
