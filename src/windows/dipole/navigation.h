#pragma once

#include <functional>

namespace querlin {

// What the main window's buttons and menus open: each shows its window's one
// instance.
struct Navigation {
    std::function<void()> showCoilWindow;
    std::function<void()> showNotes;
    std::function<void()> showWebLink;
    // The check of the last calculation by the NEC-2 engine, from the context
    // menu of the results and the antenna drawing.
    std::function<void()> showCheckWindow;
};

}  // namespace querlin
