#include "dipole/loading_coil.h"

#include "calculation.h"
#include "dipole/main_window_fields.h"

namespace querlin {

void calculateLoadingCoil(Fields& fields, DipoleVariables& v) {
    Calculation c(fields);

    v.freq = c.read(mainfields::frequency);
    v.lth = c.read(mainfields::totalLength);
    if (c.isSelected(mainfields::metric)) {
        c.step(3, QT_TRANSLATE_NOOP("Calculation", "the length in feet"));
        v.lth = v.lth * 3.281;
        c.check();
    }
    v.el = c.read(mainfields::elementSize);
    if (c.isSelected(mainfields::metric)) {
        c.step(5, QT_TRANSLATE_NOOP("Calculation", "the element diameter in inches"));
        v.el = v.el * 0.0394;
        c.check();
    }
    const int slider = c.value(mainfields::slider);

    c.step(7, QT_TRANSLATE_NOOP("Calculation", "the length of each half beyond the coil"));
    v.b = c.checked(v.lth / 2) * (slider * 0.01);
    c.check();

    c.step(8, QT_TRANSLATE_NOOP("Calculation", "the distance from the centre to the coil"));
    v.b = c.checked(v.lth / 2 - v.b);

    c.step(9, QT_TRANSLATE_NOOP("Calculation", "the quarter wavelength"));
    v.x = c.checked(234 / v.freq);

    c.step(10, QT_TRANSLATE_NOOP("Calculation", "the length beyond the coil"));
    v.y = v.lth / 2 - v.b;
    c.check();

    c.step(11, QT_TRANSLATE_NOOP("Calculation", "the scale factor of the inductance"));
    v.s1 = 10000000 / (c.checked(v.freq * v.freq) * 1342.27247616 * 2);
    c.check();

    c.step(12, QT_TRANSLATE_NOOP("Calculation", "the quarter-wave term"));
    const Real quarterWaveLog = c.log10(c.checked(v.x * 24 / v.el)) - 1;
    v.s2 = quarterWaveLog * c.checked(1 / v.x);
    c.check();

    c.step(13, QT_TRANSLATE_NOOP("Calculation", "the coil-position term"));
    const Real position = 1 - v.b * v.freq / 234;
    v.s3 = position * position * 2 - 1;
    c.check();

    c.step(14, QT_TRANSLATE_NOOP("Calculation", "the outer-section term"));
    // The logarithm is taken before the reciprocal is formed.
    const Real outerLog = c.log10(c.checked(v.y * 24 / v.el)) - 1;
    v.s4 = c.checked(outerLog * c.checked(1 / v.y));

    c.step(15, QT_TRANSLATE_NOOP("Calculation", "the outer-section length term"));
    const Real outer = v.y * v.freq / 234;
    v.s5 = c.checked(outer * outer * 2 - 1);

    v.dis = v.b;

    c.step(17, QT_TRANSLATE_NOOP("Calculation", "the inductance of each loading coil"));
    v.mhy = (v.s3 * v.s2 - v.s4 * v.s5) * v.s1;
    c.check();

    if (c.isSelected(mainfields::metric)) {
        c.step(18, QT_TRANSLATE_NOOP("Calculation", "the coil distance in metres"));
        v.dis = v.dis * 0.3048;
        c.check();
    }
    c.writeSingle(mainfields::coilDistance, v.dis);
    c.writeRounded(mainfields::loadingInductance, v.mhy, 2);

    c.step(21, QT_TRANSLATE_NOOP("Calculation", "the antenna impedance"));
    v.za = v.lth / (468 / v.freq) * 52;
    c.check();
    c.writeSingle(mainfields::impedance, v.za);
}

}  // namespace querlin
