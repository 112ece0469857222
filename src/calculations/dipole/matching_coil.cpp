#include "dipole/matching_coil.h"

#include "calculation.h"
#include "dipole/main_window_fields.h"

namespace querlin {

void calculateMatchingCoil(Fields& fields, DipoleVariables& v) {
    Calculation c(fields);

    v.mimp = c.read(mainfields::feedlineImpedance);
    v.zt = v.mimp;

    c.step(3, QT_TRANSLATE_NOOP("Calculation", "the impedance ratio of the matching coil"));
    const Real ratio = c.checked(v.za / (v.mimp - v.za));

    c.step(4, QT_TRANSLATE_NOOP("Calculation", "the impedance ratio of the matching coil"));
    const Real root = c.squareRoot(ratio);

    c.step(5, QT_TRANSLATE_NOOP("Calculation", "the reactance of the matching coil"));
    v.xl = c.checked(v.zt * root);

    // The published formula uses 6.292 here, not 2 pi; the results keep to it.
    c.step(6, QT_TRANSLATE_NOOP("Calculation", "the inductance of the matching coil"));
    v.match = v.xl / (v.freq * 6.292);
    c.check();

    c.writeSingle(mainfields::matchingCoil, v.match);
}

}  // namespace querlin
