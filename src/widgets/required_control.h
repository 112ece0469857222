#pragma once

#include <QWidget>

namespace querlin {

// Stops the program with a message naming the window and the control.
[[noreturn]] void missingControl(const QWidget* window, const char* name);

// The control of that name in the window, of the class its use needs. A name
// that the window's table lacks is the program's own mistake, not the user's:
// it stops the window from being built at all, rather than leave a handler or
// a caption bound to nothing without a word.
template <typename Control = QWidget>
Control* requiredControl(const QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        missingControl(window, name);
    }
    return control;
}

}  // namespace querlin
