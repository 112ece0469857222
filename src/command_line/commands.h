#pragma once

#include "measurement/one_port.h"
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

// Writes a model's sweep of the row's design as a Touchstone file, referred
// to the feed line, its comments saying what was modelled: the design, the
// coils as the words give them ("coils of 14.74 uH 3.048 m from the centre,")
// and where it stands.
void saveTouchstone(const QString& file, const measurement::OnePort& sweep, double feedline,
                    const QString& coils, const DesignRow& row);

}  // namespace querlin::cli
