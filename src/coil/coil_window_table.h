#pragma once

#include <span>

#include "app/control_table.h"

namespace querlin {

const WindowSpec& coilWindowSpec();

// The coil window's sixteen controls, in tab order.
std::span<const ControlSpec> coilWindowControls();

}  // namespace querlin
