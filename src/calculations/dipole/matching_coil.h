#pragma once

#include "dipole/dipole_variables.h"
#include "fields.h"

namespace querlin {

// The second CALCULATE button: the inductance of the coil that matches the
// antenna impedance za, left by the last loading-coil calculation, to the typed
// feed-line impedance at the last stored frequency. Throws HandlerFault.
void calculateMatchingCoil(Fields& fields, DipoleVariables& v);

}  // namespace querlin
