#pragma once

#include <QString>

#include "design/designs.h"
#include "nec/nec_model.h"

namespace querlin {

// The design as a NEC-2 card deck, as querlin-calc nec writes it: comments
// naming the design (the antenna's texts as typed), its geometry and loads,
// and a sweep of the design frequency and 10 % either way.
QString designDeck(const Antenna& antenna, const ModelDesign& design,
                   const nec::ModelOptions& options);

}  // namespace querlin
