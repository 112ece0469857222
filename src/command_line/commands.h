#pragma once

#include "output.h"
#include "request.h"

namespace querlin::cli {

// Each command runs over its request and writes its results; each gives the
// exit status, or throws the Fault or HandlerFault that ended it.
int runDipole(const DipoleRequest& request, const Output& output);
int runMatch(const MatchRequest& request, const Output& output);
int runCoil(const CoilRequest& request, const Output& output);
int runNec(const NecRequest& request, const Output& output);
int runCheck(const CheckRequest& request, const Output& output);
int runSweep(const SweepRequest& request, const Output& output);
int runBuild(const BuildRequest& request, const Output& output);
int runMeasured(const MeasuredRequest& request, const Output& output);

// Runs the engine over the design's sweep and writes the feed point as a
// Touchstone file, referred to the feed line: what check --touchstone writes.
void saveModelSweep(const QString& file, const DesignRow& row, double feedline);

}  // namespace querlin::cli
