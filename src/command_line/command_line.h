#pragma once

#include <QStringList>
#include <iosfwd>

#include "fault.h"

namespace querlin::cli {

// The exit statuses of querlin-calc.
inline constexpr int kSuccess = 0;
// A calculation faulted; its message went to standard error.
inline constexpr int kFault = static_cast<int>(FaultStatus::Calculation);
// The words given make no command.
inline constexpr int kUsage = static_cast<int>(FaultStatus::Usage);
// The NEC-2 model could not be run, or a deck or plot not written.
inline constexpr int kEngine = static_cast<int>(FaultStatus::Engine);

// Runs querlin-calc over its arguments, the program's name first: prints the
// texts that the windows' result fields would show, reading a batch from in.
// Results go to out, faults and usage to err. Gives the exit status.
int run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace querlin::cli
