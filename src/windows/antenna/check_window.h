#pragma once

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "antenna/check_figures.h"
#include "antenna/designs.h"
#include "dipole/last_calculation.h"

class QFormLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

namespace querlin {

// What the NEC-2 engine says of the design the main window last calculated:
// the check's figures, then the plot of every coil position, each position
// checked too. The engine runs on a thread of its own, so that the windows
// stay responsive; Cancel, another design or closing the window stops it.
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
    // Runs on the engine's thread: everything it finds is posted to the window.
    void work(int run, const ModelDesign& design, std::vector<ModelDesign> sweep, double feedline,
              const std::shared_ptr<std::atomic<bool>>& cancel);
    void post(int run, std::function<void()> change);
    void showFigures(const antenna::Figures& figures);
    void showPlot();
    void finish(const QString& status);
    void say(const QString& status);

    LastCalculation shown_;
    bool complete_ = false;  // whether the shown calculation's check ended well
    int run_ = 0;            // the engine run whose posts are still wanted
    QThread* engine_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancel_;
    Antenna antenna_;
    std::vector<ModelDesign> sweep_;
    std::vector<antenna::Figures> sweepFigures_;
    antenna::Figures figures_;

    QLabel* design_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* cancelButton_;
    QFormLayout* figureRows_;
    QLabel* plot_;
};

}  // namespace querlin
