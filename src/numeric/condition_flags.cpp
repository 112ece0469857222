#include "condition_flags.h"

namespace querlin {

ConditionFlags& conditionFlags() {
    thread_local ConditionFlags flags;
    return flags;
}

void clearConditionFlags() {
    conditionFlags() = ConditionFlags{};
}

}  // namespace querlin
