#pragma once

#include <functional>

namespace querlin {

// What the main window's buttons open: each shows its window's one instance.
struct Navigation {
    std::function<void()> showCoilWindow;
    std::function<void()> showNotes;
    std::function<void()> showWebLink;
};

}  // namespace querlin
