#pragma once

#include <optional>
#include <vector>

#include "build/build.h"
#include "design/designs.h"
#include "positions/position_sweep.h"

namespace querlin {

// The design the check window models, as its panels take it: the antenna as
// the main window calculated it, the formula's design followed by every coil
// position for the plot, and the impedance of the line that feeds it. The
// check models the coils wound for the formula's inductance; the build winds
// its own for the inductance it finds, so that it takes the same positions
// with the former alone in the model.
struct CheckedDesign {
    Antenna antenna;
    std::vector<DesignRow> rows;          // the design first, then every position
    double feedline = 0;                  // ohms
    std::vector<DesignRow> buildRows;     // the same positions, as the build takes them
    std::optional<build::Former> former;  // the coils to wind, none for pure inductances

    const DesignRow& design() const { return rows.front(); }
    std::vector<DesignRow> positions() const { return {rows.begin() + 1, rows.end()}; }
    std::vector<DesignRow> buildPositions() const {
        return {buildRows.begin() + 1, buildRows.end()};
    }
};

}  // namespace querlin
