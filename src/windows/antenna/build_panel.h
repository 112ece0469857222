#pragma once

#include <QGroupBox>
#include <functional>
#include <optional>
#include <vector>

#include "antenna/checked_design.h"
#include "antenna/panel_run.h"
#include "nec/engine_runs.h"
#include "positions/position_builds.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace querlin {

// What to build instead: the coils that match the line, and each as wound
// where there is a coil to wind, the design's cut list, the coils' Q field and the
// button that opens the coil window. Its one run builds the design and then,
// with the coils' loss, every coil position for the plot's efficiency.
class BuildPanel : public QGroupBox {
    Q_OBJECT

  public:
    // Opens the coil window with an inductance, as its field reads it.
    using DesignCoil = std::function<void(const QString& inductance)>;

    enum class Stage {
        Idle,               // nothing under way: nothing built yet, stopped, or ended by a fault
        BuildingDesign,     // the design's coils with the engine
        DesignBuilt,        // the design's build shown
        BuildingPositions,  // every position's coils, with the Q typed
        PositionsBuilt,     // every position built with that Q
    };

    BuildPanel(const nec::EngineRuns& engines, DesignCoil designCoil, QWidget* parent);

    // Empties the panel's figures and builds the design with the Q typed.
    void build(const CheckedDesign& design);
    // Builds every position of the design built, with the Q typed.
    void buildPositions();
    void stop();
    // Stops and empties the panel; the Q typed stays.
    void clear();

    Stage stage() const { return stage_; }
    // Whether the coils lose power, by the Q typed or as wound, so that every
    // position's build tells its efficiency.
    bool coilsLose() const;
    // Every position's build, once all are built; none before.
    const std::vector<RowBuild>* positionBuilds() const;
    // The design's build once shown, and the coils' Q it was built with.
    const std::optional<build::DipoleBuild>& designBuild() const { return designBuild_; }
    const std::optional<double>& builtQ() const { return builtQ_; }
    // Each wound coil's figures, shown where the window puts them: beside the
    // build's they would make the window taller than a laptop's screen.
    QWidget* woundFigures() const { return woundFigures_; }

  signals:
    void designBuilt();
    // Positions built so far, of all there are.
    void progressed(int built, int positions);
    // What the status line says of the run.
    void said(const QString& status);
    void positionsBuilt();
    void failed(const QString& message);
    // Another Q typed, which what is built from now on takes.
    void coilQChanged();

  private:
    // The coils' loss the build takes: wound on the former, or the Q typed.
    build::CoilLoss coilLoss() const;
    void showDesignBuild(const RowBuild& result);
    // Each coil's turns on the former, what an LCR meter reads of it, its Q,
    // self-resonance and whether it fits.
    void showWound(const build::DipoleBuild& built, const build::Former& former);
    void takePositionBuild(int index, const RowBuild& result);
    void fail(const Fault& fault);
    void note(const QString& text);
    void qEdited();

    const nec::EngineRuns& engines_;
    const DesignCoil designCoil_;
    PanelRun<RowBuild> run_{this};
    Stage stage_ = Stage::Idle;
    std::optional<double> coilQ_;
    std::optional<CheckedDesign> design_;
    std::optional<build::DipoleBuild> designBuild_;
    std::optional<double> builtQ_;
    std::vector<RowBuild> positionBuilds_;

    QFormLayout* buildRows_;
    QWidget* woundFigures_;
    QFormLayout* woundRows_;
    QLabel* note_;
    QLineEdit* coilQField_;
    QPushButton* designCoilButton_;
};

}  // namespace querlin
