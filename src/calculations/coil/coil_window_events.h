#pragma once

#include <span>

#include "coil/coil_variables.h"
#include "fields.h"

namespace querlin {

// What the coil window's controls run: its CALCULATE, the turns calculation.
std::span<const Handler<CoilVariables>> coilWindowHandlers();

}  // namespace querlin
