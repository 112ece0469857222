#include "coil/coil_window_events.h"

#include <array>

#include "coil/coil_window_fields.h"
#include "coil/turns.h"

namespace querlin {

namespace {

constexpr std::array<Handler<CoilVariables>, 1> kHandlers{{
    {coilfields::calculate, calculateTurns},
}};

}  // namespace

std::span<const Handler<CoilVariables>> coilWindowHandlers() {
    return kHandlers;
}

}  // namespace querlin
