#pragma once

#include <vector>

#include "design/designs.h"
#include "positions/position_sweep.h"

namespace querlin {

// The design the check window models, as its panels take it: the antenna as
// the main window calculated it, the formula's design followed by every coil
// position for the plot, and the impedance of the line that feeds it.
struct CheckedDesign {
    Antenna antenna;
    std::vector<DesignRow> rows;  // the design first, then every position
    double feedline = 0;          // ohms

    const DesignRow& design() const { return rows.front(); }
    std::vector<DesignRow> positions() const { return {rows.begin() + 1, rows.end()}; }
};

}  // namespace querlin
