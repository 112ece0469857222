#pragma once

#include <QPushButton>
#include <functional>
#include <optional>

#include "build/build.h"
#include "design/designs.h"
#include "nec/engine_runs.h"
#include "plot.h"
#include "positions/position_sweep.h"

namespace querlin {

// What the check window has to save at the moment its menu opens.
struct SavedWork {
    Antenna antenna;       // as the main window calculated it
    DesignRow modelled;    // the design as the check models it
    DesignRow built;       // the design as the build models it, the coils' Q it took included
    build::CoilLoss loss;  // the coils' loss the build took: a Q, or the former
    double feedlineOhms = 0;
    std::optional<DesignRow> checked;         // the design with the engine's check, once given
    std::optional<build::DipoleBuild> build;  // the design's build, once shown
    std::optional<SweepPlot> plot;            // the plot as shown
};

// The check window's Save button: its menu writes what querlin-calc writes
// for the design and the window's options, the NEC-2 deck, the Touchstone
// files of the model and of the build, the plot and the figures as text,
// each offered once the window has it. The Touchstone files run the engine
// off the main thread; a file that cannot be written is said in a message
// naming it, and never left half written.
class CheckSaving : public QPushButton {
    Q_OBJECT

  public:
    // What the window has to save; none while it has no design.
    using Work = std::function<std::optional<SavedWork>()>;

    CheckSaving(const nec::EngineRuns& engines, Work work, QWidget* parent);
    // Stops the engines of the saves under way.
    ~CheckSaving() override;

  private:
    void offerMenu();
    void saveDeck(const SavedWork& work);
    void saveModel(const SavedWork& work);
    void saveBuild(const SavedWork& work);
    void savePlot(const SavedWork& work);
    void saveFigures(const SavedWork& work);
    // Asks for the file in a dialog over the window, then saves there.
    void choose(const QString& caption, const QString& filters, const QString& suffix,
                std::function<void(const QString& path)> chosen);
    // The bytes the engine makes, written once it has made them.
    void run(const QString& path, std::function<QByteArray(const nec::NecEngine&)> make);
    void write(const QString& path, const QByteArray& bytes);
    void refuse(const QString& path, const QString& why);

    const nec::EngineRuns& engines_;
    const Work work_;
    QString folder_;  // where a file was last saved
};

}  // namespace querlin
