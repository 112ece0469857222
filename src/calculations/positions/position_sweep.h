#pragma once

#include <QFuture>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

#include "build/build.h"
#include "check/dipole_check.h"
#include "design/designs.h"
#include "design/wound_coil.h"
#include "fault.h"
#include "nec/engine_runs.h"
#include "nec/nec_model.h"
#include "plot.h"

namespace querlin {

// The loading coil to wind for each design: its former and wire as typed,
// in inches; the inductance is the design's.
struct LoadingCoil {
    QString diameter;
    QString length;
    QString wire;
};

// What the model of one design takes: its options and, where the loading coil
// is wound, the coil whose Q then stands for the coils' loss.
struct ModelInputs {
    nec::ModelOptions options;
    QString feedline;  // as typed; empty for a design without the lower CALCULATE
    std::optional<LoadingCoil> loadingCoil;
    // How the design's unit switch is named where the inputs were given.
    QString metricSwitch = QStringLiteral("--metric");
    // Whether the design is to be modelled. A design that needs no loading
    // coil cannot be modelled; a table of the formula's designs alone, with
    // no model, takes any design.
    bool modelled = true;
};

// One design: the formula's at one coil position, its model's options, the
// loading coil as wound and, once checked, what the engine says of it.
struct DesignRow {
    int position = 0;  // per cent of half the antenna
    ModelDesign design;
    nec::ModelOptions options;
    std::optional<WoundCoil> coil;
    std::optional<check::DipoleCheck> check;
    // The loading coil's turns as the build winds them, by Nagaoka's
    // coefficient, for the inductance the coil window read.
    std::optional<build::CoilWound> coilAsWound;
};

// The upper CALCULATE for the antenna as given (and the lower one with the
// feed line), then the loading coil wound for its inductance. A fault of the
// window's calculation throws its HandlerFault; a design to be modelled that
// needs no loading coil and a coil that cannot be wound, a Fault.
DesignRow designRow(const Antenna& antenna, const ModelInputs& inputs, const QLocale& locale);

// Every coil position in ascending order, each a fresh press of CALCULATE
// with the slider there; the first design that faults ends the rows, and its
// fault is given beside them.
struct PositionSweep {
    std::vector<DesignRow> rows;
    std::optional<Fault> fault;
};
PositionSweep designSweep(const Antenna& antenna, const ModelInputs& inputs, const QLocale& locale);

// Checks each row's design with the engines' runner, fed from the line of
// that impedance: the future gives each check at its row's index as it ends,
// reports its progress in rows, and stops the engines at once when
// cancelled. A fault of the engine ends it, and waiting for it throws that
// Fault.
QFuture<check::DipoleCheck> checkRows(const nec::EngineRuns& engines, std::vector<DesignRow> rows,
                                      double feedline);

// The plot's title for the design: "Loaded dipole for 7.1 MHz, 40 ft long,
// element 0.08 in", the numbers as typed.
QString plotTitle(const Antenna& antenna);

// The rows as the plot draws them, checked when every row is. The worked
// position is marked with its inductance as its field shows it and, with
// its check, its resonance as the check prints it.
SweepPlot sweepPlot(const Antenna& antenna, const std::vector<DesignRow>& rows,
                    std::optional<int> worked, const std::optional<check::DipoleCheck>& check,
                    const QLocale& locale);

}  // namespace querlin
