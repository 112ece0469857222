#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "antenna/build_panel.h"
#include "antenna/check_saving.h"
#include "antenna/checked_design.h"
#include "dipole/last_calculation.h"
#include "measurement/comparison.h"
#include "nec/engine_runs.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace querlin {

class CheckPanel;
class ComparisonPanel;
class ModelOptionsPanel;
class PositionPlot;

// What the NEC-2 engine says of the design the main window last calculated:
// the check's figures and beside them what to build instead, then the plot
// of every coil position, each position checked too and, with the coils' Q,
// built for its efficiency. Beside them, an analyser's sweep of the antenna
// as built, compared with the design. Each panel follows its own run of the
// engines, which run off the main thread so that the windows stay
// responsive; the window says how far they are and carries the check from
// one stage to the next. Cancel, another design or closing the window stops
// every run, and so does another model option, which checks the design anew
// with it.
class CheckWindow : public QWidget {
    Q_OBJECT

  public:
    using DesignCoil = BuildPanel::DesignCoil;
    // The former and wire typed into the coil window, in inches; none where
    // the user typed none there.
    using TypedCoil = std::function<std::optional<LoadingCoil>()>;

    explicit CheckWindow(DesignCoil designCoil = {}, TypedCoil typedCoil = {},
                         QWidget* parent = nullptr);
    ~CheckWindow() override;

    // Checks that calculation, unless it is the one shown, checked or being
    // checked; says what to do first when there is nothing to check.
    void check(const LastCalculation& calculation);

    // The options the check models now: the design's, once it is being
    // checked, else those the window's fields give.
    nec::ModelOptions modelOptions() const;

  private:
    // Where the window's work on the design shown stands.
    enum class Stage {
        Stopped,   // nothing under way: nothing to check, cancelled, or ended by a fault
        UnderWay,  // the design and its positions being checked and built
        Done,      // everything the design and the coils' Q ask for shown
    };

    void start();
    // The design checked anew with the options changed.
    void restart();
    // Nothing of the design shown left: its figures, plot and comparison.
    void clearDesign();
    // The coils as wound have a tab of their own while a coil to wind is given.
    void showWoundTab(bool shown);
    // The coils' loss the design's build took: its former, or its Q.
    build::CoilLoss builtLoss() const;
    // The build shown, as a measurement of it is compared with.
    std::optional<measurement::ComparedDesign> builtToCompare() const;
    // The check's and the build's runs done so far carried to the next stage:
    // once every position is checked and the design built, with a Q every
    // position built too, for the plot's efficiency; then the window is done.
    void carryOn();
    void coilQChanged();
    void showPlot();
    void stopEverything();
    void begin(const QString& status);
    // A fault of the check or the build: both stop, and it is said.
    void fail(const QString& message);
    void end(Stage stage, const QString& status);
    void say(const QString& status);
    // What the Save menu saves; none while there is nothing to check.
    std::optional<SavedWork> savedWork() const;

    // The engine's program, chosen once for the window's life.
    const nec::EngineRuns engines_;
    const TypedCoil typedCoil_;
    LastCalculation shown_;
    Stage stage_ = Stage::Stopped;
    std::optional<CheckedDesign> design_;  // none while there is nothing to check

    QLabel* designText_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* cancelButton_;
    CheckPanel* checkPanel_;
    BuildPanel* buildPanel_;
    PositionPlot* plot_;
    QTabWidget* tabs_;
    ComparisonPanel* comparisonPanel_;
    ModelOptionsPanel* modelPanel_;
};

}  // namespace querlin
