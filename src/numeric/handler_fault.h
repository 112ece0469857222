#pragma once

#include <QString>

#include "condition_flags.h"

namespace querlin {

enum class FaultKind { TypeMismatch, Overflow, FloatingPoint, InvalidArgument, ControlAccess };

// The fault that ends an event handler. It carries what a person needs to
// understand it: its kind, the conditions behind a floating-point fault, and
// where it arose (the caption of the field that could not be read, or what the
// calculation step was computing).
struct HandlerFault {
    FaultKind kind = FaultKind::TypeMismatch;
    ConditionFlags flags{};
    QString where{};   // a field's caption, or what the step calculates
    int step = 0;      // the calculation step, 0 for a field or control
    QString detail{};  // for an invalid argument: the function it was given to

    // The report in plain words, for example
    // "INPUT FREQUENCY" does not hold a number.
    QString message() const;
};

}  // namespace querlin
