#pragma once

#include <span>

#include "app/control_table.h"

namespace querlin {

const WindowSpec& mainWindowSpec();

// The main window's forty-three controls, in tab order.
std::span<const ControlSpec> mainWindowControls();

}  // namespace querlin
