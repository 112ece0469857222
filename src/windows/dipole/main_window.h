#pragma once

#include <QKeySequence>
#include <QWidget>

#include "dipole/dipole_variables.h"
#include "dipole/last_calculation.h"
#include "dipole/navigation.h"
#include "widget_fields.h"

namespace querlin {

// The main window, Form1: the loaded-dipole designer. It binds its controls to
// the handlers and holds the window's variables.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(Navigation navigation, QWidget* parent = nullptr);

    const DipoleVariables& variables() const { return variables_; }
    const LastCalculation& lastCalculation() const { return last_; }
    // The keys that open the check of the last calculation.
    static QKeySequence checkShortcut();

  private:
    template <typename Action>
    void on(const char* control, Action action);
    void recordCalculation(const char* control, bool succeeded);
    void offerCheck(QWidget* control);
    void takeTypedPosition();

    Navigation navigation_;
    DipoleVariables variables_;
    WidgetFields fields_;
    LastCalculation last_;
};

}  // namespace querlin
