#pragma once

#include <QGroupBox>
#include <optional>

#include "antenna/checked_design.h"
#include "antenna/panel_run.h"
#include "measurement/comparison.h"
#include "nec/engine_runs.h"

class QFormLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace querlin {

// An analyser's sweep of the antenna as built, compared with the design: its
// resonance, what to change, and its SWR against the model's, in a column of
// its own beside the rest once there is one. Its one run reads the file and
// models the design at the sweep's frequencies.
class ComparisonPanel : public QGroupBox {
    Q_OBJECT

  public:
    // The button that asks for a measurement is the window's, which places
    // it under the check's figures; the panel gives it its words and work.
    ComparisonPanel(const nec::EngineRuns& engines, QPushButton* compareButton, QWidget* window);

    // Offers to compare a measurement with the design.
    void offer(const CheckedDesign& design);
    // Stops a comparison under way, whose column then goes; one shown stays.
    void stop();
    // Stops, hides the column and offers nothing to compare.
    void clear();

  private:
    // The file asked for, then read and compared off the main thread.
    void chooseMeasurement();
    void compare(const QString& path);
    void showComparison(const measurement::Comparison& comparison);
    // Empties the column, and shows the note in it; none hides it.
    void empty(const QString& note);

    const nec::EngineRuns& engines_;
    PanelRun<measurement::Comparison> run_{this};
    std::optional<CheckedDesign> design_;
    QString measurementFolder_;  // where the file dialog opens
    QString measurementName_;    // the file compared

    QPushButton* compareButton_;
    QLabel* note_;
    QFormLayout* figureRows_;
    QVBoxLayout* advice_;
    QLabel* plot_;
};

}  // namespace querlin
