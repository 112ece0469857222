#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

#include "handler_fault.h"

namespace querlin::fuzzing {

// The invariants the fuzz targets hold the program to. A violation prints what
// failed and aborts, so that libFuzzer keeps the input that caused it.
[[noreturn]] void violated(const char* invariant, const QString& detail);

// Checks an invariant; the detail, a callable giving a QString, is only formed
// when the invariant fails.
template <typename Detail>
void require(bool holds, const char* invariant, Detail&& detail) {
    if (!holds) {
        violated(invariant, detail());
    }
}

// A fault ends a handler normally when it is one of the kinds a calculation
// raises, with its conditions and its place filled in. ControlAccess never
// arises: every control a handler touches exists.
void requireListedFault(const HandlerFault& fault);

// The outcome of reading a text, exact and comparable: the single in C's %a
// form, or the name of the fault; and the single an outcome holds, if any.
QString readOutcome(QStringView text, const QLocale& locale);
std::optional<float> valueOf(const QString& outcome);

// What SingleText writes for a value that ReadSingle gave reads back within
// the rounding to seven significant digits, and reading and writing once more
// reaches a fixed point.
void requireRoundTrip(float value, const QLocale& locale);

// The texts SingleText gives for infinities and NaN, which no field may receive.
bool isNonFiniteText(const QString& text);

}  // namespace querlin::fuzzing
