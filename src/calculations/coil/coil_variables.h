#pragma once

#include "real.h"

namespace querlin {

// The coil window's variables, in their declared order. They keep their values
// between presses of CALCULATE, but every press assigns each before using it.
struct CoilVariables {
    Single mh;   // wanted inductance, microhenries
    Single cd;   // read as the coil diameter, then halved in place: the radius, inches
    Single cl;   // coil length, inches
    Single cd1;  // nine times the radius
    Single cl1;  // ten times the coil length
    Single wd;   // wire diameter, inches
    Single nt;   // number of turns
    Single co;   // cl1 plus cd1, the denominator of Wheeler's formula
    Single coi;  // the radius squared
    Single tu;   // turns squared per microhenry
    Single tur;  // turns squared
    Single tl;   // winding length, inches
};

}  // namespace querlin
