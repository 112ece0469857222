#pragma once

#include <span>

class QWidget;

namespace querlin {

// How a screen reader names a field: the texts that stand beside it on the
// window, joined by commas. A part that is the objectName of a control of the
// window stands for that control's current text, so the name follows the unit
// texts when they change; any other part is literal.
struct AccessibleCaption {
    const char* control;
    const char* parts[3];
    const char* description = nullptr;  // what a picture shows
};

void nameControls(QWidget* window, std::span<const AccessibleCaption> captions);

}  // namespace querlin
