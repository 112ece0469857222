#pragma once

#include <span>

class QWidget;

namespace querlin {

// How a screen reader tells a control from the others: its name, made of the
// texts that stand beside it on the window joined by commas, and a
// description. A part that is the objectName of a control of the window stands
// for that control's current text, so the name follows the unit texts when they
// change; any other part is literal. A row without parts keeps the control's
// own name, a button's caption, and only adds the description.
//
// The other controls named among the parts are fixed texts that serve as
// captions. Each stays an editable text box but is named by its own text and
// described as the caption of the first field or slider whose row names it, so
// two alike ("FEET", "mHYs") are told apart by what they label.
struct AccessibleCaption {
    const char* control;
    const char* parts[3];
    const char* description = nullptr;
};

void nameControls(QWidget* window, std::span<const AccessibleCaption> captions);

}  // namespace querlin
