#pragma once

#include <QtGlobal>

#include "coil/coil_variables.h"
#include "fields.h"

namespace querlin {

// Both messages begin with a blank, as the window shows them.
inline constexpr const char* kFitMessage = QT_TRANSLATE_NOOP(
    "Form2", " THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE");
inline constexpr const char* kTooSmallMessage = QT_TRANSLATE_NOOP(
    "Form2", " THIS COIL IS TOO SMALL YOU MAY WISH TO TRY A LARGER COIL OR SMALLER DIAMETER WIRE");

// The coil window's CALCULATE button: from the wanted inductance, coil diameter,
// coil length and wire diameter, the number of turns of a single-layer air-core
// coil by Wheeler's formula, and whether the close-wound winding fits the coil
// length. Throws HandlerFault; the number of turns is written before the
// winding length is formed, and stays when that step faults.
void calculateTurns(Fields& fields, CoilVariables& v);

}  // namespace querlin
