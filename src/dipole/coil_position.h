#pragma once

#include "dipole/dipole_variables.h"
#include "numeric/fields.h"

namespace querlin {

// Where the coil symbols stand on the antenna drawing for a slider value, in
// the drawing's pixels: they move 2.1 pixels per unit, symmetrically.
Real leftCoilSymbol(int sliderValue);
Real rightCoilSymbol(int sliderValue);

// The slider's Change: shows the coil position as a percentage of the
// half-length, moves the two coil symbols, and stores the frequency and length
// fields, as typed, in freq and lth. Throws HandlerFault.
void showCoilPosition(Fields& fields, DipoleVariables& v);

}  // namespace querlin
