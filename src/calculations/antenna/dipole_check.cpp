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
// design frequency vanish: the bilinear function through the last three
// inductances tried gives the next, until the engine's reactance there is
// within the tolerance. Its runs ride in the decks of the resonance's search
// where they can: each deck costs the engine a start.
class ResonantSearch {
  public:
    ResonantSearch(const LoadedDipole& dipole, const ModelOptions& options)
        : dipole_(dipole), options_(options) {}

    // Two more loads beside the design's, some 20 ohms of reactance away.
    std::vector<Run> firstRuns() const {
        const double step = std::max(0.1 * std::abs(dipole_.inductance),
                                     kFirstLoadStep / (2 * std::numbers::pi * dipole_.frequency));
        return {runOf(dipole_.inductance - step, Radiation::Budget),
                runOf(dipole_.inductance + step, Radiation::Budget)};
    }

    // The design's feed and those of the first runs; the design's coils may
    // resonate it already.
    void takeFirst(const FeedPoint& atDesign, const std::vector<FeedPoint>& first) {
        const std::vector<Run> runs = firstRuns();
        if (std::abs(atDesign.impedance.imag()) < kReactanceTolerance) {
            next_ = dipole_.inductance;
            if (!farField()) {
                result_ = {dipole_.inductance, atDesign.efficiency};
                next_.reset();
            }
            return;
        }
        tried_.push_back({dipole_.inductance, load(dipole_.inductance), atDesign.impedance});
        for (std::size_t i = 0; i < runs.size(); ++i) {
            tried_.push_back({runs[i].inductance, load(runs[i].inductance), first[i].impedance});
        }
        aim();
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
    ResonantSearch search(dipole, options);
    const Feeds first = feedPoints(dipole, options, engine, {firstLook(dipole)}, dipole.inductance,
                                   search.firstRuns());
    const FeedPoint atDesign = first.points[kFirstSide].feed;
    search.takeFirst(atDesign, first.extra);

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
    findResonance(dipole, options, engine, first.points, check, runs, feeds);
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
    findResonance(
        dipole, options, engine,
        feedPoints(dipole, options, engine, {firstLook(dipole)}, dipole.inductance).points, check,
        {}, none);
    return check.resonance;
}

}  // namespace querlin::antenna
