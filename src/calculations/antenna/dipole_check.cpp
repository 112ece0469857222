#include "antenna/dipole_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "antenna/bilinear.h"

namespace querlin::antenna {

namespace {

constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();

// The first look around the design frequency: 2 % either way, the design
// frequency in the middle. Where the zero is not between them, their slope
// aims the close look at it, if it lies within kAimReach of the design
// frequency; else the coarse search goes wider.
constexpr double kFirstFactor = 1.02;
constexpr int kFirstSide = 1;
constexpr double kAimReach = 1.2;
// A close look aimed by the slope widens at most so many times before the
// coarse search takes over.
constexpr int kAimedLooks = 2;
// Then outwards on the side where the resonance lies, in wider steps, as far
// as a fifth and four and a half times the design frequency.
constexpr double kWiderFactors[] = {1.04, 1.08};
constexpr int kWiderCount = 12;
// The look at the resonance: 7 frequencies over 2 estimated half bandwidths
// either way, widened threefold where that is too narrow and narrowed where
// the 2:1 band falls between two of them. Near a resonance the resistance and
// the reactance are smooth in the frequency, and the cubic through four
// points a third of a bandwidth apart errs far below the engine's printed digits,
// so that few frequencies serve: each costs the engine a solution.
constexpr int kCloseCount = 7;
constexpr double kCloseWidth = 2;
constexpr int kCloseLooks = 4;
// Halving an interval so many times leaves it below a double's resolution.
constexpr int kHalvings = 60;
// The inductance search: a first step of about this many ohms, and at most
// this many runs after the first three loads.
constexpr double kFirstLoadStep = 20;
constexpr int kMostInductanceRuns = 8;

struct Point {
    double frequency = 0;
    FeedPoint feed;
};
using Points = std::vector<Point>;

double reactance(const Point& point) {
    return point.feed.impedance.imag();
}

// The feed point at every frequency of the sweeps, with the coils at that
// inductance, in the order of the sweeps; and, from the same deck, those of
// the extra runs.
struct Feeds {
    Points points;
    std::vector<FeedPoint> extra;
};
Feeds feedPoints(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine,
                 const std::vector<Sweep>& sweeps, double inductance,
                 const std::vector<Run>& extra = {}) {
    std::vector<Run> runs;
    int total = 0;
    for (const Sweep& sweep : sweeps) {
        runs.push_back({inductance, sweep});
        total += sweep.count;
    }
    for (const Run& run : extra) {
        runs.push_back(run);
        total += run.sweep.count;
    }
    const std::vector<FeedPoint> feeds =
        engine.run(necDeck(dipole, options, runs, {}, Currents::LeftOut), total);
    Feeds result;
    auto feed = feeds.begin();
    for (const Sweep& sweep : sweeps) {
        for (int i = 0; i < sweep.count; ++i) {
            result.points.push_back({sweep.frequency(i), *feed++});
        }
    }
    result.extra.assign(feed, feeds.end());
    return result;
}

// Where the reactance rises through zero between two neighbouring points,
// interpolated, and how steeply it rises there.
struct Crossing {
    std::size_t below = 0;  // the point before the zero
    double frequency = 0;
    double resistance = 0;
    double slope = 0;  // ohms per MHz
};

std::optional<Crossing> risingZeroNearest(const Points& sorted, double target) {
    std::optional<Crossing> nearest;
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
        const Point& a = sorted[i];
        const Point& b = sorted[i + 1];
        std::optional<Crossing> crossing;
        if (reactance(a) < 0 && reactance(b) >= 0) {
            const double t = -reactance(a) / (reactance(b) - reactance(a));
            crossing = Crossing{
                i, a.frequency + t * (b.frequency - a.frequency),
                a.feed.impedance.real() + t * (b.feed.impedance.real() - a.feed.impedance.real()),
                (reactance(b) - reactance(a)) / (b.frequency - a.frequency)};
        }
        if (crossing && (!nearest || std::abs(crossing->frequency - target) <
                                         std::abs(nearest->frequency - target))) {
            nearest = crossing;
        }
    }
    return nearest;
}

void sortByFrequency(Points& points) {
    std::sort(points.begin(), points.end(),
              [](const Point& a, const Point& b) { return a.frequency < b.frequency; });
}

// Where the first look's points, sorted, put the zero: between two of them,
// or, where the reactance rises across them, where their slope reaches zero
// if that is near the design frequency. None otherwise.
std::optional<Crossing> aimedZero(Points points, double design) {
    sortByFrequency(points);
    if (const auto found = risingZeroNearest(points, design)) {
        return found;
    }
    const Point& low = points.front();
    const Point& high = points.back();
    const Point& middle = points[points.size() / 2];
    const double slope = (reactance(high) - reactance(low)) / (high.frequency - low.frequency);
    const double aim = middle.frequency - reactance(middle) / slope;
    if (!(slope > 0) || !(aim > design / kAimReach && aim < design * kAimReach)) {
        return std::nullopt;
    }
    return Crossing{0, aim, middle.feed.impedance.real(), slope};
}

// The coarse zero nearest the design frequency: first around it, then outwards
// on the side or sides towards which the reactance says the zero lies.
std::optional<Crossing> coarseResonance(const LoadedDipole& dipole, const ModelOptions& options,
                                        const NecEngine& engine, Points points) {
    sortByFrequency(points);
    for (const double factor : kWiderFactors) {
        if (const auto found = risingZeroNearest(points, dipole.frequency)) {
            return found;
        }
        std::vector<Sweep> sweeps;
        if (reactance(points.back()) < 0) {
            sweeps.push_back(
                {points.back().frequency * factor, factor, kWiderCount, Steps::Multiplying});
        }
        if (reactance(points.front()) > 0) {
            sweeps.push_back({points.front().frequency / std::pow(factor, kWiderCount), factor,
                              kWiderCount, Steps::Multiplying});
        }
        const Points more = feedPoints(dipole, options, engine, sweeps, dipole.inductance).points;
        points.insert(points.end(), more.begin(), more.end());
        sortByFrequency(points);
    }
    return risingZeroNearest(points, dipole.frequency);
}

// The feed impedance at f between the points below and below + 1, by the
// cubic through the four points around them (at the ends, the nearest four).
std::complex<double> between(const Points& sorted, std::size_t below, double f) {
    const std::size_t count = std::min<std::size_t>(4, sorted.size());
    const std::size_t first = std::min(below > 0 ? below - 1 : 0, sorted.size() - count);
    std::complex<double> sum = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        double weight = 1;
        for (std::size_t j = first; j < first + count; ++j) {
            if (j != i) {
                weight *= (f - sorted[j].frequency) / (sorted[i].frequency - sorted[j].frequency);
            }
        }
        sum += weight * sorted[i].feed.impedance;
    }
    return sum;
}

// Where between from and to the condition, which holds at one of them and
// not at the other, turns, by halving.
template <typename Condition>
double turning(double from, double to, Condition holds) {
    const bool atTo = holds(to);
    for (int i = 0; i < kHalvings; ++i) {
        const double middle = (from + to) / 2;
        (holds(middle) == atTo ? to : from) = middle;
    }
    return (from + to) / 2;
}

// Where the SWR against that line reaches 2 going from the resonance, which
// lies between the points below and below + 1, one way (step -1 or +1), on
// the cubic between the points; NaN when it does not within them.
double swrOfTwo(const Points& sorted, std::size_t below, double resonance, int step, double line) {
    const auto reached = [&](std::size_t segment) {
        return [&sorted, segment, line](double f) {
            return standingWaveRatio(between(sorted, segment, f), line) >= 2;
        };
    };
    double from = resonance;
    const auto last = static_cast<std::ptrdiff_t>(sorted.size()) - 2;
    for (auto segment = static_cast<std::ptrdiff_t>(below); segment >= 0 && segment <= last;
         segment += step) {
        const auto at = static_cast<std::size_t>(segment);
        const double to = sorted[step > 0 ? at + 1 : at].frequency;
        if (reached(at)(to)) {
            return turning(from, to, reached(at));
        }
        from = to;
    }
    return kNotFound;
}

// The resonance and its 2:1 bandwidth from a close look around the coarse
// zero, in at most so many looks; whether it found both. The extra
// runs go into the first look's deck, and their feed points into extra.
bool closeLook(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine,
               Crossing coarse, int looks, DipoleCheck& check, const std::vector<Run>& extra,
               std::vector<FeedPoint>& extraFeeds) {
    bool found = false;
    // A series resonant circuit fed with its own resistance R reaches an SWR
    // of 2 where its reactance is R / sqrt(2).
    double half = coarse.resistance / (std::numbers::sqrt2 * coarse.slope);
    if (!(half > 0 && std::isfinite(half))) {
        half = coarse.frequency * 0.01;
    }
    double centre = coarse.frequency;
    double width = std::min(kCloseWidth * half, 0.9 * centre);
    for (int look = 0; look < looks; ++look) {
        const double step = 2 * width / (kCloseCount - 1);
        Feeds feeds = feedPoints(dipole, options, engine, {{centre - width, step, kCloseCount}},
                                 dipole.inductance, look == 0 ? extra : std::vector<Run>{});
        if (look == 0 && !extra.empty()) {
            extraFeeds = std::move(feeds.extra);
        }
        Points& points = feeds.points;
        sortByFrequency(points);
        const auto zero = risingZeroNearest(points, centre);
        if (zero) {
            const std::size_t below = zero->below;
            centre = turning(points[below].frequency, points[below + 1].frequency,
                             [&](double f) { return between(points, below, f).imag() >= 0; });
            check.resonance = centre;
            const double resistance = between(points, below, centre).real();
            const double low = swrOfTwo(points, below, centre, -1, resistance);
            const double high = swrOfTwo(points, below, centre, 1, resistance);
            if (std::isfinite(low) && std::isfinite(high)) {
                check.bandwidth = (high - low) * 1000;
                found = true;
                // A band narrower than a step may lie between the points.
                if (high - low >= step) {
                    break;
                }
                width = kCloseWidth * (high - low) / 2;
                continue;
            }
        }
        width = std::min(3 * width, 0.9 * centre);
    }
    return found;
}

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

// The resonance and its bandwidth, from the first look's points: a close look
// where they aim, and where it finds nothing, the coarse search. The extra
// runs ride in the first close look's deck; their feed points go to extra.
void findResonance(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine,
                   const Points& first, DipoleCheck& check, const std::vector<Run>& extra,
                   std::vector<FeedPoint>& extraFeeds) {
    if (const auto aimed = aimedZero(first, dipole.frequency);
        aimed &&
        closeLook(dipole, options, engine, *aimed, kAimedLooks, check, extra, extraFeeds)) {
        return;
    }
    const bool ridden = !extraFeeds.empty() || extra.empty();
    if (const auto coarse = coarseResonance(dipole, options, engine, first);
        coarse &&
        !closeLook(dipole, options, engine, *coarse, kCloseLooks, check,
                   ridden ? std::vector<Run>{} : extra, extraFeeds) &&
        !std::isfinite(check.resonance)) {
        // Without a close look's zero the coarse one is all there is.
        check.resonance = coarse->frequency;
    }
}

// The first look around the design frequency and the loads the inductance
// search begins with, in one deck.
Sweep firstLook(const LoadedDipole& dipole) {
    return {dipole.frequency / std::pow(kFirstFactor, kFirstSide), kFirstFactor, 2 * kFirstSide + 1,
            Steps::Multiplying};
}

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
