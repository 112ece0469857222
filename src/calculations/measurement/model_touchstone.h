#pragma once

#include <QByteArray>

#include "build/build.h"
#include "nec/nec_engine.h"
#include "positions/position_sweep.h"

namespace querlin::measurement {

// The model's feed point from a tenth below to a tenth above the design
// frequency as a Touchstone file on the feed line of that impedance, its
// comments saying what was modelled: what check --touchstone writes. Runs
// the engine; throws its fault.
QByteArray modelTouchstone(const DesignRow& row, double feedline, const nec::NecEngine& engine);

// The same of the build: its loading coils as built with their Q and the
// matching coil across the feed point, what build --touchstone writes.
QByteArray buildTouchstone(const DesignRow& row, const build::DipoleBuild& build, double feedline,
                           const nec::NecEngine& engine);

}  // namespace querlin::measurement
