#pragma once

#include <QFuture>
#include <QLocale>
#include <optional>
#include <vector>

#include "build/build.h"
#include "fault.h"
#include "positions/position_sweep.h"

namespace querlin {

// The former and wire typed for the loading coil, in inches, read as the
// coil window reads them: a text it cannot read throws its HandlerFault.
build::Former formerOf(const LoadingCoil& coil, const QLocale& locale);

// The model with its coils as wound on the former: each at the former's
// length, from the coil distance out, as the design measures it.
void modelWoundOn(nec::ModelOptions& options, const build::Former& former);

// One design's build, or the calculation's Fault of its coils.
struct RowBuild {
    std::optional<build::DipoleBuild> build;
    std::optional<Fault> fault;
};

// Builds each row's design with the engines' runner for the line of that
// impedance, as checkRows checks them: the future gives each build at its
// row's index, reports its progress in rows and stops the engines when
// cancelled. A fault of the engine ends it, and waiting for it throws that
// Fault.
QFuture<RowBuild> buildRows(const nec::EngineRuns& engines, std::vector<DesignRow> rows,
                            double feedline, build::CoilLoss loss, build::Bandwidth bandwidth);

// The efficiency of positions near the best is within this of it, in dB.
inline constexpr double kNearBest = 0.2;

// Where the coils do best among the rows built: the highest efficiency, the
// positions about it within kNearBest, and the position whose antenna's own
// resistance at resonance is nearest the line's.
struct BestPosition {
    std::size_t best = 0;  // the row
    int nearFrom = 0;      // positions, per cent
    int nearTo = 0;
    std::optional<std::size_t> closest;  // the row
    int leftOut = 0;                     // rows whose coils could not be had
};
// None where no row was built with an efficiency.
std::optional<BestPosition> bestPosition(const std::vector<DesignRow>& rows,
                                         const std::vector<RowBuild>& builds, double feedline);

// Each row's efficiency as built on the plot's point of its position, and the
// best position ringed.
void plotEfficiency(SweepPlot& plot, const std::vector<DesignRow>& rows,
                    const std::vector<RowBuild>& builds, double feedline);

// Each row's loading coil and 2:1 bandwidth as built on the plot's point of
// its position.
void plotBuilds(SweepPlot& plot, const std::vector<DesignRow>& rows,
                const std::vector<RowBuild>& builds);

}  // namespace querlin
