#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <optional>
#include <vector>

#include "antenna/dipole_check.h"
#include "antenna/sweep.h"
#include "dipole/last_calculation.h"

class QFormLayout;
class QLabel;
class QProgressBar;
class QPushButton;

namespace querlin {

// What the NEC-2 engine says of the design the main window last calculated:
// the check's figures, then the plot of every coil position, each position
// checked too. The engine runs on Qt's thread pools, so that the windows stay
// responsive; Cancel, another design or closing the window stops it.
class CheckWindow : public QWidget {
    Q_OBJECT

  public:
    explicit CheckWindow(QWidget* parent = nullptr);
    ~CheckWindow() override;

    // Checks that calculation, unless it is the one shown, checked or being
    // checked; says what to do first when there is nothing to check.
    void check(const LastCalculation& calculation);

  private:
    void start();
    void stop();
    void checked(int index);
    void showFigures(const antenna::DipoleCheck& check);
    void showPlot();
    void finished();
    void finish(const QString& status);
    void say(const QString& status);

    LastCalculation shown_;
    bool complete_ = false;  // whether the shown calculation's check ended well
    QFutureWatcher<antenna::DipoleCheck> checks_;
    Antenna antenna_;
    // The design first, then every position of the sweep, as they are checked.
    std::vector<DesignRow> rows_;
    std::optional<antenna::DipoleCheck> figures_;

    QLabel* design_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* cancelButton_;
    QFormLayout* figureRows_;
    QLabel* plot_;
};

}  // namespace querlin
