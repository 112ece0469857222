#pragma once

#include <QString>

#include "design/designs.h"

namespace querlin {

// The design the main window last calculated: the inputs its upper CALCULATE
// read, and the feed line when the lower one matched it since. Inputs typed
// afterwards are not part of it until CALCULATE is pressed again.
struct LastCalculation {
    enum class State {
        None,     // the upper CALCULATE has not been pressed
        Faulted,  // its last press ended in a fault
        Calculated,
    };
    State state = State::None;
    Antenna antenna;
    QString feedline;       // as typed; empty when not matched
    double feedlineOhms{};  // the line the matching coil was computed for

    bool operator==(const LastCalculation&) const = default;
};

}  // namespace querlin
