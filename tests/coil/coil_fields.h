#pragma once

#include "support/memory_fields.h"

namespace querlin::testing {

// The coil window as it opens: every field "0" and no message.
inline MemoryFields initialCoilWindow(QLocale locale = QLocale::c()) {
    MemoryFields fields(std::move(locale));
    fields.texts = {{"Text6", "0"},  {"Text8", "0"},  {"Text10", "0"},
                    {"Text12", "0"}, {"Text14", "0"}, {"Text15", ""}};
    return fields;
}

// The coil window with a coil typed in, all lengths in inches.
inline MemoryFields coilWindowWith(const QString& inductance, const QString& diameter,
                                   const QString& length, const QString& wire) {
    MemoryFields fields = initialCoilWindow();
    fields.texts["Text6"] = inductance;
    fields.texts["Text8"] = diameter;
    fields.texts["Text10"] = length;
    fields.texts["Text12"] = wire;
    return fields;
}

}  // namespace querlin::testing
