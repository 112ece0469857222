#pragma once

#include <span>

#include "accessible_names.h"
#include "control_table.h"

namespace querlin {

const WindowDescription& mainWindowDescription();

// The main window's forty-three controls, in tab order.
std::span<const ControlRow> mainWindowControls();

// What a screen reader calls the fields, the slider and the pictures.
std::span<const AccessibleCaption> mainWindowCaptions();

}  // namespace querlin
