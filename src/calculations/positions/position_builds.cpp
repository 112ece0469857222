#include "positions/position_builds.h"

#include <QCoreApplication>

#include <atomic>
#include <cmath>
#include <limits>
#include <memory>

#include "calculation.h"
#include "coil/coil_window_fields.h"
#include "coil/coil_window_in_memory.h"
#include "conversions.h"

namespace querlin {

build::Former formerOf(const LoadingCoil& coil, const QLocale& locale) {
    // The coil window's own reading of each field, so that a text it cannot
    // read fails with the fault the window names for that field. No
    // inductance is wanted yet: the coils' turns come later, for each build.
    MemoryFields fields = coilWindowWith({}, coil.diameter, coil.length, coil.wire, locale);
    Calculation reading(fields);
    const double diameter = reading.read(coilfields::coilDiameter);
    const double length = reading.read(coilfields::coilLength);
    const double wire = reading.read(coilfields::wireDiameter);
    return {diameter, length, wire};
}

void modelWoundOn(nec::ModelOptions& options, const build::Former& former) {
    options.coilLength = former.length * kMetresPerInch;
    options.coilFrom = nec::ModelOptions::CoilFrom::InnerEnd;
}

namespace {

// Whether the coils of a row that cannot be wound fail for their size, not
// for too few turns: then the larger coils farther out cannot be wound
// either. A former on which no coil winds takes none anywhere.
bool tooMuchToWind(const build::CoilLoss& loss, const DesignRow& row) {
    if (!loss.former) {
        return false;
    }
    try {
        return build::turnsFor(*loss.former, row.design.dipole.inductance).turns >= 1;
    } catch (const Fault&) {
        return true;
    }
}

}  // namespace

QFuture<RowBuild> buildRows(const nec::EngineRuns& engines, std::vector<DesignRow> rows,
                            double feedline, build::CoilLoss loss, build::Bandwidth bandwidth) {
    const int count = static_cast<int>(rows.size());
    // Farther out the loading coils need more inductance, so that once one
    // position's coils do not fit the former, none farther out do: those
    // positions are left out without the engine, which over ground spends
    // a good share of every build's time on each.
    auto unwindableFrom = std::make_shared<std::atomic<int>>(std::numeric_limits<int>::max());
    return engines.map<RowBuild>(
        count, [rows = std::move(rows), feedline, loss = std::move(loss), bandwidth,
                unwindableFrom](int i, const nec::NecEngine& engine) {
            const DesignRow& row = rows[static_cast<std::size_t>(i)];
            RowBuild built;
            if (const int from = unwindableFrom->load(); row.position > from) {
                built.fault = Fault(
                    FaultStatus::Calculation,
                    QCoreApplication::translate(
                        "Antenna",
                        "The loading coils at %1 % do not fit the former, nor do any farther out.")
                        .arg(from));
                return built;
            }
            try {
                built.build = build::buildDipole(row.design.dipole, row.options, feedline, loss,
                                                 bandwidth, engine);
            } catch (const nec::NecError&) {
                throw;
            } catch (const Fault& fault) {
                // The coils of one design that cannot be wound leave the
                // other designs' builds standing.
                built.fault = fault;
                if (tooMuchToWind(loss, row)) {
                    int from = unwindableFrom->load();
                    while (row.position < from &&
                           !unwindableFrom->compare_exchange_weak(from, row.position)) {
                    }
                }
            }
            return built;
        });
}

std::optional<BestPosition> bestPosition(const std::vector<DesignRow>& rows,
                                         const std::vector<RowBuild>& builds, double feedline) {
    const auto efficiency = [&](std::size_t i) {
        return builds[i].build ? builds[i].build->efficiency : build::DipoleBuild::kNone;
    };
    std::optional<BestPosition> found;
    int leftOut = 0;
    for (std::size_t i = 0; i < builds.size(); ++i) {
        leftOut += builds[i].build ? 0 : 1;
        if (std::isfinite(efficiency(i)) && (!found || efficiency(i) > efficiency(found->best))) {
            found = BestPosition{i, 0, 0, {}, 0};
        }
    }
    if (!found) {
        return found;
    }
    found->leftOut = leftOut;
    // The rows run in ascending positions: outwards from the best while the
    // efficiency stays near it.
    const auto near = [&](std::size_t i) {
        return 10 * std::log10(efficiency(found->best) / efficiency(i)) <= kNearBest;
    };
    std::size_t from = found->best;
    while (from > 0 && near(from - 1)) {
        --from;
    }
    std::size_t to = found->best;
    while (to + 1 < builds.size() && near(to + 1)) {
        ++to;
    }
    found->nearFrom = rows[from].position;
    found->nearTo = rows[to].position;
    for (std::size_t i = 0; i < builds.size(); ++i) {
        const double resistance =
            builds[i].build ? builds[i].build->resonantResistance : build::DipoleBuild::kNone;
        if (std::isfinite(resistance) &&
            (!found->closest ||
             std::abs(resistance - feedline) <
                 std::abs(builds[*found->closest].build->resonantResistance - feedline))) {
            found->closest = i;
        }
    }
    return found;
}

namespace {

// Each row's figure of its build on the plot's point of its position.
void plotFigure(SweepPlot& plot, const std::vector<DesignRow>& rows,
                const std::vector<RowBuild>& builds, double SweepPoint::*point,
                double build::DipoleBuild::*figure) {
    for (std::size_t i = 0; i < rows.size() && i < builds.size(); ++i) {
        for (SweepPoint& plotted : plot.points) {
            if (plotted.position == rows[i].position && builds[i].build) {
                plotted.*point = (*builds[i].build).*figure;
            }
        }
    }
}

}  // namespace

void plotEfficiency(SweepPlot& plot, const std::vector<DesignRow>& rows,
                    const std::vector<RowBuild>& builds, double feedline) {
    plotFigure(plot, rows, builds, &SweepPoint::efficiency, &build::DipoleBuild::efficiency);
    if (const auto best = bestPosition(rows, builds, feedline)) {
        plot.best = rows[best->best].position;
    }
}

void plotBuilds(SweepPlot& plot, const std::vector<DesignRow>& rows,
                const std::vector<RowBuild>& builds) {
    plotFigure(plot, rows, builds, &SweepPoint::loadInductance,
               &build::DipoleBuild::loadInductance);
    plotFigure(plot, rows, builds, &SweepPoint::bandwidth, &build::DipoleBuild::bandwidth);
}

}  // namespace querlin
