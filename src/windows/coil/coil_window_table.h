#pragma once

#include <span>

#include "accessible_names.h"
#include "control_table.h"

namespace querlin {

const WindowDescription& coilWindowDescription();

// The coil window's sixteen controls, in tab order.
std::span<const ControlRow> coilWindowControls();

// What a screen reader calls the fields and the tables.
std::span<const AccessibleCaption> coilWindowCaptions();

}  // namespace querlin
