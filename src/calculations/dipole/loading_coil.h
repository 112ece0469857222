#pragma once

#include "dipole/dipole_variables.h"
#include "fields.h"

namespace querlin {

// The first CALCULATE button: from the frequency, total length, element
// diameter, slider position and unit choice, the coil distance, the inductance
// of each loading coil and the approximate feed-point impedance.
// Throws HandlerFault; what it wrote before the fault stays.
void calculateLoadingCoil(Fields& fields, DipoleVariables& v);

}  // namespace querlin
