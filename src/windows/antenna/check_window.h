#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "check/dipole_check.h"
#include "dipole/last_calculation.h"
#include "fault.h"
#include "measurement/comparison.h"
#include "nec/engine_runs.h"
#include "plot.h"
#include "positions/position_builds.h"
#include "positions/position_sweep.h"

class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace querlin {

// What the NEC-2 engine says of the design the main window last calculated:
// the check's figures and beside them what to build instead, then the plot
// of every coil position, each position checked too and, with the coils' Q,
// built for its efficiency. Beside them, an analyser's sweep of the antenna
// as built, compared with the design: its resonance, what to change, and its
// SWR against the model's. The engine runs on Qt's thread pools, so that the
// windows stay responsive; Cancel, another design or closing the window stops
// the check; another design, another sweep or closing the window, the
// comparison.
// The rows of figures a little closer than the style's, so that the window
// with its comparison fits a laptop's screen.
inline constexpr int kFigureSpacing = 4;

class CheckWindow : public QWidget {
    Q_OBJECT

  public:
    // Opens the coil window with an inductance, as its field reads it.
    using DesignCoil = std::function<void(const QString& inductance)>;

    explicit CheckWindow(DesignCoil designCoil = {}, QWidget* parent = nullptr);
    ~CheckWindow() override;

    // Checks that calculation, unless it is the one shown, checked or being
    // checked; says what to do first when there is nothing to check.
    void check(const LastCalculation& calculation);

  private:
    void start();
    void stop();
    void checked(int index);
    void showFigures(const check::DipoleCheck& check);
    void showPlot();
    // The plot's context menu: save it as PNG or SVG, or copy it.
    void offerPlotMenu();
    void savePlot(const SweepPlot& plot, bool svg);
    void finished();
    // The panel of what to build instead, the coils' Q field and the button
    // that opens the coil window.
    QGroupBox* makeBuildBox();
    void noteBuild(const QString& note);
    // The build: the design's first, then with a Q every position's.
    void startBuilds();
    void built(int index);
    void buildsFinished();
    void qEdited();
    void completeIfDone();
    void begin(const QString& status);
    void finish(const QString& status);
    void say(const QString& status);
    // Stops the run watched, if it runs, and lets nothing it computed or
    // reported through, not even what is still on its way.
    template <typename Result>
    static void stopRun(QFutureWatcher<Result>& run) {
        if (!run.isRunning()) {
            return;
        }
        run.cancel();
        try {
            run.waitForFinished();
        } catch (const Fault&) {
            // Stopped, its fault tells nobody anything.
        }
        run.setFuture({});
    }
    // Whether the run watched has ended by itself: not the end of a run since
    // replaced (the run now watched ends on its own), not stopped, and
    // without a fault, which it says and which ends the window's work.
    template <typename Result>
    bool endedWell(QFutureWatcher<Result>& run) {
        if (run.isRunning()) {
            return false;
        }
        try {
            run.waitForFinished();
        } catch (const Fault& fault) {
            finish(fault.message);
            return false;
        }
        return !run.isCanceled();
    }
    // The button that asks for a measurement, and the comparison's column.
    void makeComparison();
    // The comparison with a measurement: the file asked for, then read and
    // compared off the main thread.
    void chooseMeasurement();
    void compare(const QString& path);
    void compared();
    void showComparison(const measurement::Comparison& comparison);
    void stopComparing();
    // Empties the comparison, and shows the note in its column; none hides it.
    void clearComparison(const QString& note);

    // The engine's program, chosen once for the window's life.
    const nec::EngineRuns engines_;
    LastCalculation shown_;
    bool complete_ = false;  // whether the shown calculation's check ended well
    // Whether its check or builds are at work: from their start until they
    // end or stop, which the news of may reach the window after their runs
    // have ended.
    bool underWay_ = false;
    QFutureWatcher<check::DipoleCheck> checks_;
    Antenna antenna_;
    // The design first, then every position of the sweep, as they are checked.
    std::vector<DesignRow> rows_;
    std::optional<check::DipoleCheck> figures_;
    bool checked_ = false;  // whether every row is checked

    DesignCoil designCoil_;
    std::optional<double> q_;  // the coils' Q; none: lossless
    double feedline_ = 0;
    QFutureWatcher<RowBuild> builds_;
    bool buildingSweep_ = false;
    bool sweepBuilt_ = false;
    // Whether the design's build has been shown. Its run may have ended while
    // the news of its result is still on its way; the positions' builds,
    // which replace the run watched, wait for it, or it would be lost.
    bool designShown_ = false;
    std::optional<build::DipoleBuild> build_;  // the design's
    std::vector<RowBuild> sweepBuilds_;        // every position's, with a Q

    QLabel* design_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* cancelButton_;
    QFormLayout* figureRows_;
    QFormLayout* buildRows_;
    QLabel* buildNote_;
    QLineEdit* coilQ_;
    QPushButton* designCoilButton_;
    QLabel* plot_;
    std::optional<SweepPlot> plotShown_;  // what plot_ shows, none when empty
    QString plotFolder_;                  // where the plot was last saved

    QFutureWatcher<measurement::Comparison> comparisons_;
    QString measurementFolder_;  // where the file dialog opens
    QString measurementName_;    // the file compared
    QPushButton* compareButton_;
    QGroupBox* compareBox_;
    QLabel* compareNote_;
    QFormLayout* compareRows_;
    QVBoxLayout* compareAdvice_;
    QLabel* comparePlot_;
};

}  // namespace querlin
