#pragma once

#include "real.h"

namespace querlin {

// The main window's variables, in their declared order. Its handlers pass
// values to one another only through these: the loading-coil calculation
// leaves freq and za behind for the matching coil, and every slider change
// stores freq and lth too.
struct DipoleVariables {
    Single freq;   // frequency, MHz
    Single el;     // element diameter, inches
    Single lth;    // total length, feet
    Single dis;    // coil distance as shown, feet or metres
    Single mhy;    // inductance of each loading coil, microhenries
    Single impe;   // declared, never used
    Single match;  // matching-coil inductance, microhenries
    Single x;      // quarter wavelength, feet
    Single y;      // element length from the coil to the end of its half, feet
    Single s1;     // scale factor of the inductance formula
    Single s2;     // quarter-wave term
    Single s3;     // coil-position term
    Single s4;     // outer-section term
    Single s5;     // outer-section length term
    Single b;      // distance from the centre to each coil, feet
    Single mimp;   // feed-line impedance, ohms
    Single zt;     // the line impedance used in the matching formula
    Single za;     // approximate feed-point impedance, ohms
    Single xl;     // reactance of the matching coil, ohms
};

}  // namespace querlin
