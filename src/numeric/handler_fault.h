#pragma once

#include <QString>

#include "condition_flags.h"
#include "fault.h"

namespace querlin {

enum class FaultKind { TypeMismatch, Overflow, FloatingPoint, InvalidArgument, ControlAccess };

// What ended an event handler and where: its kind, the conditions behind a
// floating-point fault, and where it arose (the caption of the field that
// could not be read, or what the calculation step was computing).
struct FaultCause {
    FaultKind kind = FaultKind::TypeMismatch;
    ConditionFlags flags{};
    QString where{};     // a field's caption, or what the step calculates
    int step = 0;        // the calculation step, 0 for a field or control
    QString function{};  // for an invalid argument: the function it was given to
};

// The fault that ends an event handler: a calculation's Fault whose message
// says its cause in plain words, for example
// "INPUT FREQUENCY" does not hold a number.
class HandlerFault : public TypedFault<HandlerFault> {
  public:
    explicit HandlerFault(FaultCause cause);

    const FaultCause& cause() const { return cause_; }

    // Places the fault where it arose, a field's caption or what the step
    // calculates, and says it again there.
    void locate(QString where, int step);

  private:
    FaultCause cause_;
};

}  // namespace querlin
