#pragma once

#include <QStringList>
#include <iosfwd>

namespace querlin::cli {

// The exit statuses of querlin-calc.
inline constexpr int kSuccess = 0;
inline constexpr int kFault = 1;  // a calculation faulted; its message went to standard error
inline constexpr int kUsage = 2;  // the words given make no command
inline constexpr int kEngine =
    3;  // the NEC-2 model could not be run, or a deck or plot not written

// Runs querlin-calc over its arguments, the program's name first: prints the
// texts that the windows' result fields would show, reading a batch from in.
// Results go to out, faults and usage to err. Gives the exit status.
int run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace querlin::cli
