#pragma once

#include <cstdint>

namespace querlin {

// Throws HandlerFault InvalidArgument when the argument is zero or negative.
double NaturalLog(double argument);

// Throws HandlerFault InvalidArgument when the argument is negative.
double SquareRoot(double argument);

// 16-bit integer arithmetic: a result outside -32768 to 32767 throws
// HandlerFault Overflow before it is used.
std::int16_t Integer16(int exact);

}  // namespace querlin
