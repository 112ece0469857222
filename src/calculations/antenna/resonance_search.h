#pragma once

#include <vector>

#include "antenna/bilinear.h"
#include "antenna/dipole_check.h"
#include "antenna/nec_engine.h"
#include "antenna/nec_model.h"

namespace querlin::antenna {

// The search for a design's resonance and its 2:1 bandwidth with the engine,
// shared by the check and the resonance alone.

// The feed point at one frequency.
struct Point {
    double frequency = 0;
    FeedPoint feed;
};
using Points = std::vector<Point>;

// The feed point at every frequency of the sweeps, with the coils at that
// inductance, in the order of the sweeps; and, from the same deck, those of
// the extra runs. Where the sweeps excited the coils too, the ports at each
// of their points.
struct Feeds {
    Points points;
    std::vector<CoilPorts> ports;
    std::vector<FeedPoint> extra;
};
Feeds feedPoints(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine,
                 const std::vector<Sweep>& sweeps, double inductance,
                 const std::vector<Run>& extra = {}, Excitation excitation = Excitation::Feed);

// The first look around the design frequency, the design frequency at index
// kFirstSide, 2 % either way.
inline constexpr int kFirstSide = 1;
Sweep firstLook(const LoadedDipole& dipole);

// The first look, with the coils excited too: its ports.
Feeds firstFeeds(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine);

// The resonance and its bandwidth into the check, from the first look's
// points: a close look where they aim, and where it finds nothing, the
// coarse search. The extra runs ride in the first close look's deck; their
// feed points go to extraFeeds.
void findResonance(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine,
                   const Feeds& first, DipoleCheck& check, const std::vector<Run>& extra,
                   std::vector<FeedPoint>& extraFeeds);

}  // namespace querlin::antenna
