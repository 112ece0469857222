#pragma once

#include <QStringList>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "memory_fields.h"

namespace querlin::fuzzing {

// What the handler of a control may write: numbers, fixed texts, pictures moved.
struct Writes {
    const char* control;
    QStringList numbers{};
    QStringList words{};
    QStringList pictures{};
};

// A control that runs a handler, bound to a window's fields and variables.
struct Press {
    const char* control;
    std::function<void()> run;
};

// Runs a script of user actions over a window held in memory, one per line:
//   <text box>=<text>     types the rest of the line, any bytes read as UTF-8
//   <scroll bar>=<n>      moves the scroll bar to n, brought into its range;
//                         its handler runs when the value changes
//   <option button>       selects it; its handler runs when it was not selected
//   <button>              runs its handler
// Lines naming no control are skipped. After every handler it checks what a
// handler promises: it ends normally or with one listed fault, writes only its
// own controls and never an infinite or NaN number, every number it writes
// reads back, and every other text box keeps its text byte for byte.
void runScript(MemoryFields& fields, const std::vector<Press>& presses,
               std::span<const Writes> writes, std::string_view script);

// The same over a window's own handler list, with fresh variables.
template <typename Variables>
void runWindow(MemoryFields fields, std::span<const Handler<Variables>> handlers,
               std::span<const Writes> writes, std::string_view script) {
    Variables variables;
    std::vector<Press> presses;
    for (const Handler<Variables>& handler : handlers) {
        presses.push_back({handler.control, [&, handler] { handler.run(fields, variables); }});
    }
    runScript(fields, presses, writes, script);
}

}  // namespace querlin::fuzzing
