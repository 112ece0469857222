#pragma once

namespace querlin {

// The three sticky floating-point conditions a calculation can raise. They are
// modelled here rather than read from the hardware, because compilers fold and
// reorder floating-point code and the hardware flags would not be reproducible.
struct ConditionFlags {
    bool invalid = false;
    bool divideByZero = false;
    bool overflow = false;

    bool any() const { return invalid || divideByZero || overflow; }
    friend bool operator==(const ConditionFlags&, const ConditionFlags&) = default;
};

// The flags of the running thread: every handler runs on the user-interface
// thread, and no condition of one thread may leak into another.
ConditionFlags& conditionFlags();

// Every access to a control property clears the flags.
void clearConditionFlags();

}  // namespace querlin
