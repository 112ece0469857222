#pragma once

#include <span>

#include "accessible_names.h"
#include "control_table.h"

namespace querlin {

const WindowDescription& notesWindowDescription();

// The notes window's three text boxes, in tab order.
std::span<const ControlRow> notesWindowControls();

// What a screen reader calls the three notes.
std::span<const AccessibleCaption> notesWindowCaptions();

}  // namespace querlin
