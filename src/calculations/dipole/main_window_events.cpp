#include "dipole/main_window_events.h"

#include <array>

#include "dipole/coil_position.h"
#include "dipole/loading_coil.h"
#include "dipole/main_window_fields.h"
#include "dipole/matching_coil.h"
#include "dipole/units.h"

namespace querlin {

namespace {

using namespace mainfields;

constexpr std::array<Handler<DipoleVariables>, 5> kHandlers{{
    {loadingCalculate, calculateLoadingCoil},
    {matchingCalculate, calculateMatchingCoil},
    {slider, showCoilPosition},
    {metric, [](Fields& fields, DipoleVariables&) { selectMetric(fields); }},
    {feet, [](Fields& fields, DipoleVariables&) { selectFeet(fields); }},
}};

}  // namespace

std::span<const Handler<DipoleVariables>> mainWindowHandlers() {
    return kHandlers;
}

}  // namespace querlin
