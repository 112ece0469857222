#include "dipole/units.h"

#include <QCoreApplication>

#include "calculation.h"
#include "dipole/main_window_fields.h"

namespace querlin {

namespace {

void writeUnits(Fields& fields, const mainfields::Disambiguated& length, const char* diameter) {
    Calculation c(fields);
    const QString lengthUnit =
        QCoreApplication::translate("Form1", length.text, length.disambiguation);
    c.write(mainfields::distanceUnit, lengthUnit);
    c.write(mainfields::diameterUnit, QCoreApplication::translate("Form1", diameter));
    c.write(mainfields::lengthUnit, lengthUnit);
}

}  // namespace

void selectMetric(Fields& fields) {
    writeUnits(fields, {QT_TRANSLATE_NOOP("Form1", "METERS"), nullptr},
               QT_TRANSLATE_NOOP("Form1", "MM"));
}

void selectFeet(Fields& fields) {
    writeUnits(fields, mainfields::feetAfterNumber, QT_TRANSLATE_NOOP("Form1", "INCHES"));
}

}  // namespace querlin
