#include "check/dipole_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "check/feed_line.h"
#include "check/resonance_search.h"
#include "nec/bilinear.h"

namespace querlin::check {

namespace {

constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();

// The coils that make the antenna resonate at the design frequency, and the
// share of the input power it then radiates (over ground into the upper half
// of space, so that the ground's loss counts). NaN for either not found.
struct MadeResonant {
    double inductance = kNotFound;
    double radiated = kNotFound;
};

// The inductance of each coil that makes the reactance at the design
// frequency vanish: the ports there give the feed impedance for every load,
// and so the inductance, without a run; the design's where its reactance is
// below the tolerance already. Where the model loses power, the share
// radiated is left NaN for a run at that inductance to tell (the ports' five
// printed digits would give it to a few tenths of a per cent only).
MadeResonant madeResonant(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                          const nec::FeedPoint& atDesign, const nec::CoilPorts& ports) {
    const double inductance = std::abs(atDesign.impedance.imag()) < kReactanceTolerance
                                  ? dipole.inductance
                                  : ports.resonantInductance(dipole, options);
    // Nothing lost, everything put in is radiated.
    return {inductance, std::isfinite(inductance) && !nec::losesPower(options) ? 1.0 : kNotFound};
}

// The run that tells the share radiated with coils of that inductance: over
// ground from the far field, so that the ground's loss counts.
nec::Run radiationRun(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                      double inductance) {
    return {inductance,
            {dipole.frequency, 0, 1},
            std::nullopt,
            options.height ? nec::Radiation::UpperHalf : nec::Radiation::Budget};
}

}  // namespace

DipoleCheck checkDipole(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                        double feedline, std::optional<double> matchingCoil,
                        const nec::NecEngine& engine) {
    const Feeds first = firstFeeds(dipole, options, engine);
    const nec::FeedPoint atDesign = first.points[kFirstSide].feed;
    MadeResonant resonant = madeResonant(dipole, options, atDesign, first.ports[kFirstSide]);

    DipoleCheck check;
    check.impedance = atDesign.impedance;
    check.swr = standingWaveRatio(atDesign.impedance, feedline);
    check.swrMatched =
        matchingCoil
            ? standingWaveRatio(
                  withShuntCoil(atDesign.impedance, dipole.frequency, {*matchingCoil}), feedline)
            : kNotFound;
    check.resonance = kNotFound;
    check.bandwidth = kNotFound;
    // The radiation's run rides in the close look's first deck; where no
    // close look took it, it runs alone.
    const bool measured = std::isfinite(resonant.inductance) && std::isnan(resonant.radiated);
    const std::vector<nec::Run> runs =
        measured ? std::vector<nec::Run>{radiationRun(dipole, options, resonant.inductance)}
                 : std::vector<nec::Run>{};
    std::vector<nec::FeedPoint> feeds;
    findResonance(dipole, options, engine, first, check, runs, feeds);
    if (measured) {
        resonant.radiated =
            (feeds.empty()
                 ? engine.run(nec::necDeck(dipole, options, runs, {}, nec::Currents::LeftOut), 1)
                 : feeds)
                .front()
                .radiated();
    }
    check.resonanceError = (check.resonance / dipole.frequency - 1) * 100;
    check.resonantInductance = resonant.inductance;
    check.efficiency = resonant.radiated * 100;
    return check;
}

double resonanceOf(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                   const nec::NecEngine& engine) {
    DipoleCheck check;
    check.resonance = kNotFound;
    std::vector<nec::FeedPoint> none;
    findResonance(dipole, options, engine, firstFeeds(dipole, options, engine), check, {}, none);
    return check.resonance;
}

}  // namespace querlin::check
