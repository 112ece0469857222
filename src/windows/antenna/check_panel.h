#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "antenna/checked_design.h"
#include "antenna/panel_run.h"
#include "check/dipole_check.h"
#include "nec/engine_runs.h"

class QFormLayout;

namespace querlin {

// The check's figures: what the engine says of the design, from one run that
// checks the design first and then every coil position for the plot.
class CheckPanel : public QWidget {
    Q_OBJECT

  public:
    enum class Stage {
        Idle,      // nothing under way: nothing checked yet, stopped, or ended by a fault
        Checking,  // the design and its positions with the engine
        Checked,   // every row checked
    };

    CheckPanel(const nec::EngineRuns& engines, QWidget* parent);

    // Empties the panel and checks the design and every position.
    void check(const CheckedDesign& design);
    void stop();
    // Stops and empties the panel.
    void clear();

    Stage stage() const { return stage_; }
    // The design first, then every position, each with its check once given.
    const std::vector<DesignRow>& rows() const { return rows_; }
    // What the engine said of the design, once it has.
    std::optional<check::DipoleCheck> designCheck() const;

  signals:
    // Rows checked so far, of all there are.
    void progressed(int checked, int rows);
    // What the status line says of the run.
    void said(const QString& status);
    // Every row checked.
    void checked();
    void failed(const QString& message);

  private:
    void take(int index, const check::DipoleCheck& check);
    void showFigures(const check::DipoleCheck& check);

    const nec::EngineRuns& engines_;
    PanelRun<check::DipoleCheck> run_{this};
    Stage stage_ = Stage::Idle;
    std::vector<DesignRow> rows_;
    bool metric_ = false;  // the design's units, for how high the tips hang
    QFormLayout* figureRows_;
};

}  // namespace querlin
