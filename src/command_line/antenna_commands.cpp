#include "command_line.h"
#include "commands.h"

namespace querlin::cli {

int runDipole(const DipoleRequest& request, const Output& output) {
    printResults(output, designDipole(request.antenna, output.locale));
    return kSuccess;
}

int runMatch(const MatchRequest& request, const Output& output) {
    printResults(output, designMatch(request.antenna, request.feedline, output.locale));
    return kSuccess;
}

}  // namespace querlin::cli
