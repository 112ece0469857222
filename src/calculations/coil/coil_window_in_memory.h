#pragma once

#include "memory_fields.h"

namespace querlin {

// The coil window's fields held in memory as the window opens: every field "0"
// and no message.
MemoryFields initialCoilWindow(const QLocale& locale = QLocale::c());

// The coil window with a coil typed in, all lengths in inches.
MemoryFields coilWindowWith(const QString& inductance, const QString& diameter,
                            const QString& length, const QString& wire,
                            const QLocale& locale = QLocale::c());

}  // namespace querlin
