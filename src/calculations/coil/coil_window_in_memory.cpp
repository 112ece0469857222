#include "coil/coil_window_in_memory.h"

#include "coil/coil_window_fields.h"

namespace querlin {

MemoryFields initialCoilWindow(const QLocale& locale) {
    return MemoryFields(coilfields::initialTexts, locale);
}

MemoryFields coilWindowWith(const QString& inductance, const QString& diameter,
                            const QString& length, const QString& wire, const QLocale& locale) {
    using namespace coilfields;
    MemoryFields fields = initialCoilWindow(locale);
    fields.texts[QString::fromLatin1(coilfields::inductance.name)] = inductance;
    fields.texts[QString::fromLatin1(coilDiameter.name)] = diameter;
    fields.texts[QString::fromLatin1(coilLength.name)] = length;
    fields.texts[QString::fromLatin1(wireDiameter.name)] = wire;
    return fields;
}

}  // namespace querlin
