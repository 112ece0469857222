#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace querlin {

// A field's whole text as a single, in the given locale. Accepted: blanks
// around the number, an optional sign, ASCII digits with at most one decimal
// separator (the locale's, or '.' in every locale), at least one digit, and an
// optional exponent. The decimal text is rounded once, correctly, to single.
// Throws HandlerFault: TypeMismatch for anything else, Overflow when the value
// lies beyond the single range. A value too small for single reads as zero or
// a denormal.
float ReadSingle(QStringView text, const QLocale& locale);

// At most seven significant digits, no trailing zeros, exponent form where
// printf's %.7G would use it ("1.234568E+07", "1E-05").
QString SingleText(float value, const QLocale& locale);

QString IntegerText(std::int16_t value);

// The exact value of the single rounded half away from zero to the given
// number of decimal places, written like SingleText.
QString RoundedText(float value, int places, const QLocale& locale);

}  // namespace querlin
