#include "coil/turns.h"

#include <QCoreApplication>

#include "calculation.h"
#include "coil/coil_window_fields.h"

namespace querlin {

// Every operation is a step of its own, rounded to single before the next one
// uses it. From step 5 on the check comes before the assignment, so a rounding
// to single that overflows is caught by the check of the step after it.
void calculateTurns(Fields& fields, CoilVariables& v) {
    Calculation c(fields);

    v.mh = c.read(coilfields::inductance);
    v.cd = c.read(coilfields::coilDiameter);
    v.cl = c.read(coilfields::coilLength);
    v.wd = c.read(coilfields::wireDiameter);

    c.step(5, QT_TRANSLATE_NOOP("Calculation", "the coil radius"));
    v.cd = c.checked(v.cd / 2);

    c.step(6, QT_TRANSLATE_NOOP("Calculation", "nine times the coil radius"));
    v.cd1 = c.checked(9 * v.cd);

    c.step(7, QT_TRANSLATE_NOOP("Calculation", "ten times the coil length"));
    v.cl1 = c.checked(10 * v.cl);

    c.step(8, QT_TRANSLATE_NOOP("Calculation", "the denominator of the coil formula"));
    v.co = c.checked(v.cl1 + v.cd1);

    c.step(9, QT_TRANSLATE_NOOP("Calculation", "the coil radius squared"));
    v.coi = c.checked(v.cd * v.cd);

    c.step(10, QT_TRANSLATE_NOOP("Calculation", "the turns squared per microhenry"));
    v.tu = c.checked(v.co / v.coi);

    // No later step checks before the next control access, so the rounding of
    // the turns squared is checked here: an overflow must never reach the field
    // as an infinite number of turns.
    c.step(11, QT_TRANSLATE_NOOP("Calculation", "the turns squared"));
    v.tur = c.checked(v.tu * v.mh);
    c.check();

    c.step(12, QT_TRANSLATE_NOOP("Calculation", "the number of turns"));
    v.nt = c.squareRoot(v.tur);

    c.writeSingle(coilfields::turns, v.nt);

    // The same for the winding length, whose rounding no check would see.
    c.step(14, QT_TRANSLATE_NOOP("Calculation", "the winding length"));
    v.tl = c.checked(v.wd * v.nt);
    c.check();

    // A winding exactly as long as the coil fits; every result gets a message,
    // so an older one never stands beside a new number of turns.
    if (v.tl.value() <= v.cl.value()) {
        c.write(coilfields::message, QCoreApplication::translate("Form2", kFitMessage));
    }
    if (v.tl.value() > v.cl.value()) {
        c.write(coilfields::message, QCoreApplication::translate("Form2", kTooSmallMessage));
    }
}

}  // namespace querlin
