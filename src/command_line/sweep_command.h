#pragma once

#include <QString>
#include <optional>

#include "model_commands.h"
#include "output.h"

namespace querlin::cli {

// dipole --sweep: every position, with the engine's figures with --check.
struct SweepRequest {
    Antenna antenna;
    std::optional<CheckInputs> check;  // with the engine's figures
    QString plot;                      // the picture's file, for a sweep drawn
    std::optional<int> worked;         // the position it marks, per cent
};

int runSweep(const SweepRequest& request, const Output& output);

}  // namespace querlin::cli
