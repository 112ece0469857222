#pragma once

#include <span>

#include "dipole/dipole_variables.h"
#include "fields.h"

namespace querlin {

// What the main window's controls run: the upper and lower CALCULATE, the
// slider's change, and METRIC and FEET. The buttons that open the other
// windows run no calculation and are the window's own business.
std::span<const Handler<DipoleVariables>> mainWindowHandlers();

}  // namespace querlin
