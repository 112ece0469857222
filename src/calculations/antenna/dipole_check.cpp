#include "antenna/dipole_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "antenna/bilinear.h"
#include "antenna/resonance_search.h"

namespace querlin::antenna {

namespace {

constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();

// The inductance search: a first step of about this many ohms, and at most
// this many runs after the first three loads.
constexpr double kFirstLoadStep = 20;
constexpr int kMostInductanceRuns = 8;

// The coils that make the antenna resonate at the design frequency, and the
// share of the input power it then radiates (over ground into the upper half
// of space, so that the ground's loss counts). NaN for either not found.
struct MadeResonant {
    double inductance = kNotFound;
    double radiated = kNotFound;
};

// The search for the inductance of each coil that makes the reactance at the
// design frequency vanish. The ports there give the feed impedance for every
// load, and so the inductance, without a run. Where the model loses power, a
// run at that inductance tells the efficiency (the ports' five printed digits
// would give it to a few tenths of a per cent), and should the engine's
// reactance there miss the tolerance, the bilinear function through the last
// three inductances tried gives the next. The run rides in the close look's
// deck: each deck costs the engine a start.
class ResonantSearch {
  public:
    ResonantSearch(const LoadedDipole& dipole, const ModelOptions& options,
                   const FeedPoint& atDesign, const CoilPorts& ports)
        : dipole_(dipole), options_(options) {
        if (resonatesAlready(atDesign)) {
            return;
        }
        const double root = ports.resonantInductance(dipole_, options_);
        if (!std::isfinite(root)) {
            return;
        }
        // Nothing lost, everything put in is radiated.
        if (!losesPower(options_)) {
            result_ = {root, 1.0};
            return;
        }
        const double step = std::max(0.1 * std::abs(dipole_.inductance),
                                     kFirstLoadStep / (2 * std::numbers::pi * dipole_.frequency));
        for (const double inductance :
             {dipole_.inductance - step, dipole_.inductance, dipole_.inductance + step}) {
            tried_.push_back({inductance, load(inductance), ports.feed(load(inductance))});
        }
        next_ = root;
    }

    // The run to try next: none when the search is over.
    std::vector<Run> nextRuns() const {
        return next_ ? std::vector<Run>{runOf(*next_, finalRadiation())} : std::vector<Run>{};
    }

    void take(const FeedPoint& feed) {
        const double inductance = *next_;
        next_.reset();
        if (std::abs(feed.impedance.imag()) < kReactanceTolerance) {
            result_ = {inductance, feed.radiated()};
            return;
        }
        tried_.push_back({inductance, load(inductance), feed.impedance});
        if (++rounds_ < kMostInductanceRuns) {
            aim();
        }
    }

    MadeResonant result() const { return result_; }

  private:
    // Where the design's coils resonate it already, they are the result, and
    // over ground the far field is asked for with them.
    bool resonatesAlready(const FeedPoint& atDesign) {
        if (std::abs(atDesign.impedance.imag()) >= kReactanceTolerance) {
            return false;
        }
        next_ = dipole_.inductance;
        if (!farField()) {
            result_ = {dipole_.inductance, atDesign.efficiency};
            next_.reset();
        }
        return true;
    }
    bool farField() const { return options_.height.has_value(); }
    // Over ground the far field is needed for the efficiency; it is asked for
    // only where the search may end, since it costs the engine time.
    Radiation finalRadiation() const {
        return farField() ? Radiation::UpperHalf : Radiation::Budget;
    }
    Run runOf(double inductance, Radiation radiation) const {
        return {inductance, {dipole_.frequency, 0, 1}, std::nullopt, radiation};
    }
    std::complex<double> load(double inductance) const {
        return coilLoad(dipole_, options_, inductance);
    }
    void aim() {
        const std::size_t n = tried_.size();
        const auto f = bilinearThrough(tried_[n - 3], tried_[n - 2], tried_[n - 1]);
        const double root = f ? resonantRoot(*f, dipole_, options_) : kNotFound;
        if (std::isfinite(root)) {
            next_ = root;
        }
    }

    const LoadedDipole& dipole_;
    const ModelOptions& options_;
    std::vector<LoadAndFeed> tried_;
    std::optional<double> next_;
    int rounds_ = 0;
    MadeResonant result_;
};

}  // namespace

double standingWaveRatio(std::complex<double> load, double line) {
    const double reflection = std::abs((load - line) / (load + line));
    return reflection < 1 ? (1 + reflection) / (1 - reflection)
                          : std::numeric_limits<double>::infinity();
}

std::complex<double> withShuntCoil(std::complex<double> feed, double frequency, double inductance) {
    const std::complex<double> coil(0, 2 * std::numbers::pi * frequency * inductance);
    return feed * coil / (feed + coil);
}

DipoleCheck checkDipole(const LoadedDipole& dipole, const ModelOptions& options, double feedline,
                        std::optional<double> matchingCoil, const NecEngine& engine) {
    const Feeds first = firstFeeds(dipole, options, engine);
    const FeedPoint atDesign = first.points[kFirstSide].feed;
    ResonantSearch search(dipole, options, atDesign, first.ports[kFirstSide]);

    DipoleCheck check;
    check.impedance = atDesign.impedance;
    check.swr = standingWaveRatio(atDesign.impedance, feedline);
    check.swrMatched =
        matchingCoil
            ? standingWaveRatio(withShuntCoil(atDesign.impedance, dipole.frequency, *matchingCoil),
                                feedline)
            : kNotFound;
    check.resonance = kNotFound;
    check.bandwidth = kNotFound;
    // The inductance search's next run rides in the close look's first deck.
    const std::vector<Run> runs = search.nextRuns();
    std::vector<FeedPoint> feeds;
    findResonance(dipole, options, engine, first, check, runs, feeds);
    if (!runs.empty() && !feeds.empty()) {
        search.take(feeds.front());
    }
    check.resonanceError = (check.resonance / dipole.frequency - 1) * 100;
    for (std::vector<Run> runs = search.nextRuns(); !runs.empty(); runs = search.nextRuns()) {
        search.take(engine.run(necDeck(dipole, options, runs, {}, Currents::LeftOut), 1).front());
    }
    check.resonantInductance = search.result().inductance;
    check.efficiency = search.result().radiated * 100;
    return check;
}

double resonanceOf(const LoadedDipole& dipole, const ModelOptions& options,
                   const NecEngine& engine) {
    DipoleCheck check;
    check.resonance = kNotFound;
    std::vector<FeedPoint> none;
    findResonance(dipole, options, engine, firstFeeds(dipole, options, engine), check, {}, none);
    return check.resonance;
}

}  // namespace querlin::antenna
