#pragma once

#include <QPoint>
#include <span>

#include "accessible_names.h"
#include "control_table.h"

namespace querlin {

const WindowDescription& webWindowDescription();

// Where the client area's top left corner stands on the screen when the window
// opens, in twips.
QPoint webWindowPosition();

// The two explanations and the link label, in tab order.
std::span<const ControlRow> webWindowControls();

std::span<const AccessibleCaption> webWindowCaptions();

// The pointing hand over the link, its hot spot at the tip of the raised finger.
inline constexpr const char* kHandCursor = "hand.png";
inline constexpr QPoint kHandHotSpot{13, 9};

}  // namespace querlin
