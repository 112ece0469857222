#pragma once

#include <QFont>
#include <QString>
#include <span>

#include "control_table.h"

class QWidget;

namespace querlin {

// Sets up a top-level window from its description: objectName, caption, fixed
// or sizable client area, title-bar buttons and background.
void buildWindow(QWidget* window, const WindowDescription& description);

// Builds the controls of a window from its table. Controls are created in table
// order, so a later one lies above an earlier one, and shapes lie beneath all
// others; the keyboard focus runs in table order and starts at the first
// control that takes it.
void buildControls(QWidget* window, std::span<const ControlRow> table);

QFont controlFont(const Font& font);

// Twips as whole pixels, rounded to the nearest.
int twipsToPixels(int twips);

// The text a multi-line box shows: its stored CR LF line ends as line breaks.
QString shownText(QString stored);

}  // namespace querlin
