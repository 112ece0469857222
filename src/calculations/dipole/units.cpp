#include "dipole/units.h"

#include "calculation.h"
#include "dipole/main_window_fields.h"

namespace querlin {

namespace {

void writeUnits(Fields& fields, const char* length, const char* diameter) {
    Calculation c(fields);
    c.write(mainfields::distanceUnit, QString::fromLatin1(length));
    c.write(mainfields::diameterUnit, QString::fromLatin1(diameter));
    c.write(mainfields::lengthUnit, QString::fromLatin1(length));
}

}  // namespace

void selectMetric(Fields& fields) {
    writeUnits(fields, "METERS", "MM");
}

void selectFeet(Fields& fields) {
    writeUnits(fields, "FEET", "INCHES");
}

}  // namespace querlin
