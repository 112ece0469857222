#pragma once

#include <QGroupBox>
#include <functional>
#include <optional>

#include "antenna/checked_design.h"
#include "antenna/panel_run.h"
#include "measurement/comparison.h"
#include "nec/engine_runs.h"

class QCheckBox;
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
    // The build as the window shows it, its coils as a builder winds them to
    // the figures shown, and its matching coil fitted; none before the design
    // is built with one.
    using Built = std::function<std::optional<measurement::ComparedDesign>()>;

    // The button that asks for a measurement is the window's, which places
    // it under the check's figures; the panel gives it its words and work.
    ComparisonPanel(const nec::EngineRuns& engines, QPushButton* compareButton, Built built,
                    QWidget* window);

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
    // The design the measurement is compared with: the build with its
    // matching coil where that is asked for and built, else the design.
    measurement::ComparedDesign compared() const;
    // Empties the column, and shows the note in it; none hides it.
    void empty(const QString& note);

    const nec::EngineRuns& engines_;
    const Built built_;
    PanelRun<measurement::Comparison> run_{this};
    std::optional<CheckedDesign> design_;
    QString measurementFolder_;  // where the file dialog opens
    QString measurementName_;    // the file compared
    QString measurementPath_;
    std::optional<measurement::ComparedDesign> shown_;  // what the comparison shown is with

    QPushButton* compareButton_;
    QLabel* note_;
    QCheckBox* asBuilt_;
    QFormLayout* figureRows_;
    QVBoxLayout* advice_;
    QLabel* plot_;
};

}  // namespace querlin
