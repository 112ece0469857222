#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "numeric/memory_fields.h"

namespace querlin::fuzzing {

// A control the user can press or move, the handler it runs, and the controls
// that handler may write.
struct Press {
    const char* control;
    // Runs the handler; for a scroll bar, after the user moved it to value.
    std::function<void(int value)> run;
    QStringList numbers{};   // text boxes written with a number
    QStringList words{};     // text boxes written with a fixed text
    QStringList pictures{};  // pictures moved
    // A scroll bar's range; a button has none.
    int minimum = 0;
    int maximum = 0;
};

// The locale a script asks for on its first line, "locale <name>", and the
// rest of the script; the C locale when the line is missing.
std::pair<QLocale, std::string_view> scriptLocale(std::string_view script);

// Runs a script of user actions over a window's controls, one per line:
//   <text box>=<text>     types the rest of the line, any bytes read as UTF-8
//   <button>              presses it (an option button: selects it)
//   <scroll bar>=<n>      moves the scroll bar to n, brought into its range
// Lines naming no control are skipped; at most maxPresses presses run. After
// every press it checks what a handler promises: it ends normally or with one
// listed fault, it writes only its own controls and never an infinite or NaN
// number, every number it writes reads back, and every other text box keeps
// its text byte for byte.
void runScript(MemoryFields& fields, const std::vector<Press>& presses, std::string_view script,
               int maxPresses = 64);

// A window's fuzz target: builds a fresh Window for each input, in the locale
// the script asks for, and runs the script over its fields and presses().
template <typename Window>
int fuzzWindow(const std::uint8_t* data, std::size_t size) {
    const auto [locale, script] = scriptLocale({reinterpret_cast<const char*>(data), size});
    Window window(locale);
    runScript(window.fields, window.presses(), script);
    return 0;
}

}  // namespace querlin::fuzzing
