#pragma once

#include "fields.h"

namespace querlin {

// The METRIC and FEET option buttons only change the three unit texts; the
// loading-coil calculation asks METRIC itself each time it runs.
void selectMetric(Fields& fields);
void selectFeet(Fields& fields);

}  // namespace querlin
