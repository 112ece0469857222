#pragma once

#include <vector>

#include "check/dipole_check.h"
#include "nec/bilinear.h"
#include "nec/nec_engine.h"
#include "nec/nec_model.h"

namespace querlin::check {

// The search for a design's resonance and its 2:1 bandwidth with the engine,
// shared by the check and the resonance alone.

// The feed point at one frequency.
struct Point {
    double frequency = 0;
    nec::FeedPoint feed;
};
using Points = std::vector<Point>;

// The feed point at every frequency of the sweeps, with the coils at that
// inductance, in the order of the sweeps; and, from the same deck, those of
// the extra runs. Where the sweeps excited the coils too, the ports at each
// of their points.
struct Feeds {
    Points points;
    std::vector<nec::CoilPorts> ports;
    std::vector<nec::FeedPoint> extra;
};
Feeds feedPoints(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                 const nec::NecEngine& engine, const std::vector<nec::FrequencySweep>& sweeps,
                 double inductance, const std::vector<nec::Run>& extra = {},
                 nec::Excitation excitation = nec::Excitation::Feed);

// The first look around the design frequency, the design frequency at index
// kFirstSide, 2 % either way.
inline constexpr int kFirstSide = 1;
nec::FrequencySweep firstLook(const nec::LoadedDipole& dipole);

// The first look, with the coils excited too: its ports.
Feeds firstFeeds(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                 const nec::NecEngine& engine);

// The resonance and its bandwidth into the check, from the first look's
// points: a close look where they aim, and where it finds nothing, the
// coarse search. The extra runs ride in the first close look's deck; their
// feed points go to extraFeeds.
void findResonance(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                   const nec::NecEngine& engine, const Feeds& first, DipoleCheck& check,
                   const std::vector<nec::Run>& extra, std::vector<nec::FeedPoint>& extraFeeds);

}  // namespace querlin::check
