#pragma once

#include <QString>

class QFormLayout;
class QLabel;
class QWidget;

namespace querlin {

// The labels the check window's panels share: the check's, the build's and
// the comparison's.

// The rows of figures a little closer than the style's, so that the window
// with its comparison fits a laptop's screen.
inline constexpr int kFigureSpacing = 4;

// A label of words that wrap, which the user can select and copy.
QLabel* wrappedLabel(const char* name, QWidget* parent);

// A figure's name as its row's caption, the colon set as the language sets it.
QString rowCaption(const QString& label);

// A figure's label, named by what it is and its value.
QLabel* figureLabel(const QString& text, const QString& name, const QString& label);

// Empties a panel of figures.
void clearRows(QFormLayout* rows);

}  // namespace querlin
