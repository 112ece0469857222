#pragma once

#include "memory_fields.h"

namespace querlin {

// The main window's controls that its handlers touch, held in memory as the
// window opens: the initial texts, FEET selected, the slider at its minimum
// and the coil symbols where that value puts them.
MemoryFields initialMainWindow(const QLocale& locale = QLocale::c());

// The main window with an antenna typed in, the slider set to a value and the
// unit chosen, and no handler run yet.
MemoryFields mainWindowWith(const QString& frequency, const QString& length, const QString& element,
                            int slider, bool metric = false, const QLocale& locale = QLocale::c());

}  // namespace querlin
