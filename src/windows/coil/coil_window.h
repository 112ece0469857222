#pragma once

#include <QWidget>

#include "coil/coil_variables.h"
#include "widget_fields.h"

namespace querlin {

// The coil window, Form2: the turns of a loading coil and the reference tables
// of wire and tubing diameters. It binds CALCULATE to the turns calculation and
// holds the window's variables.
class CoilWindow : public QWidget {
    Q_OBJECT

  public:
    explicit CoilWindow(QWidget* parent = nullptr);

    const CoilVariables& variables() const { return variables_; }

  private:
    // What the winding the window designs does as wound, as querlin-calc
    // coil --details says it, in a message box from the result's menu.
    void showCoilAsWound();

    CoilVariables variables_;
    WidgetFields fields_;
};

}  // namespace querlin
