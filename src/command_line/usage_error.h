#pragma once

#include <QString>

#include "fault.h"

namespace querlin::cli {

// Words that make no command, and why.
[[noreturn]] inline void misused(const QString& message) {
    throw Fault(FaultStatus::Usage, message);
}

}  // namespace querlin::cli
