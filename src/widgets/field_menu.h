#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace querlin {

// Ends the control's context menu, its own entries first where it has them,
// with an action: where desktop programs put further actions on a field. The
// menu opens from the right button, the Menu key and, as on the Linux
// desktops, Shift+F10 in a box that has the focus.
void addFieldAction(QWidget* control, const QString& text, std::function<void()> action);

}  // namespace querlin
