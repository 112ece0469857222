#include "check/resonance_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "check/feed_line.h"

namespace querlin::check {

namespace {

constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();

// The first look around the design frequency: 2 % either way, the design
// frequency in the middle. Where the zero is not between them, the inductance
// that resonates each of them aims the close look at it, if it lies within
// kAimReach of the design frequency; else the coarse search goes wider.
constexpr double kFirstFactor = 1.02;
constexpr double kAimReach = 1.6;
// An aimed close look widens at most so many times before the coarse search
// takes over.
constexpr int kAimedLooks = 2;
// Then outwards on the side where the resonance lies, in wider steps, as far
// as a fifth and four and a half times the design frequency.
constexpr double kWiderFactors[] = {1.04, 1.08};
constexpr int kWiderCount = 12;
// The look at the resonance: 5 frequencies over 2 estimated half bandwidths
// either way, half a bandwidth apart; widened threefold where that is too
// narrow, and looked at again over the band found where it spans fewer than
// 1.6 steps (2 when the estimate is right). Near a resonance the resistance
// and the reactance are smooth in the frequency, and the cubic through four
// points half a bandwidth apart agrees with sweeps of a few hundred
// frequencies within 0.2 %, so that few frequencies serve: each costs the
// engine a solution. Further apart, beside a parallel resonance close above,
// the cubic errs by several per cent.
constexpr int kCloseCount = 5;
constexpr double kCloseWidth = 2;
constexpr double kStepsAcrossBand = 1.6;
// So many looks at the band found may follow the looks that widen.
constexpr int kMostNarrowings = 2;
constexpr int kCloseLooks = 4;

double reactance(const Point& point) {
    return point.feed.impedance.imag();
}

using Crossing = RisingZero;

// The rising zero of the points, sorted by frequency, nearest the target.
std::optional<Crossing> risingZeroNearest(const Points& sorted, double target) {
    std::vector<Sample> samples;
    samples.reserve(sorted.size());
    for (const Point& point : sorted) {
        samples.push_back({point.frequency, point.feed.impedance});
    }
    return check::risingZeroNearest(samples, target);
}

void sortByFrequency(Points& points) {
    std::sort(points.begin(), points.end(),
              [](const Point& a, const Point& b) { return a.frequency < b.frequency; });
}

// Where the inductance that makes the antenna resonate, known at each point
// of the first look from its ports, is the design's: the quadratic through
// its logarithm against the frequency's, solved nearest the design
// frequency. It bends as the reactance's own slope does not, and so aims
// far better where the resonance lies well away. NaN without ports.
double aimedByInductance(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                         const Feeds& first) {
    constexpr std::size_t kCount = 2 * kFirstSide + 1;
    static_assert(kCount == 3, "the quadratic takes three points");
    if (first.ports.size() != kCount || !(dipole.inductance > 0)) {
        return kNotFound;
    }
    double u[kCount];
    double v[kCount];
    for (std::size_t i = 0; i < kCount; ++i) {
        nec::LoadedDipole at = dipole;
        at.frequency = first.points[i].frequency;
        const double inductance = first.ports[i].resonantInductance(at, options);
        if (!(inductance > 0)) {
            return kNotFound;
        }
        u[i] = std::log(at.frequency / dipole.frequency);
        v[i] = std::log(inductance / dipole.inductance);
    }
    // v = p + q u + r u^2 through the three points, then v = 0.
    const double d01 = (v[1] - v[0]) / (u[1] - u[0]);
    const double d12 = (v[2] - v[1]) / (u[2] - u[1]);
    const double r = (d12 - d01) / (u[2] - u[0]);
    const double q = d01 - r * (u[0] + u[1]);
    const double p = v[0] - q * u[0] - r * u[0] * u[0];
    double best = kNotFound;
    for (const double root : nec::realRoots(r, q, p)) {
        if (std::isfinite(root) && !(std::abs(root) >= std::abs(best))) {
            best = root;
        }
    }
    return dipole.frequency * std::exp(best);
}

// Where the first look's points, sorted, put the zero: between two of them,
// or, where the reactance rises across them, where the inductance the ports
// give, else their slope, reaches zero if that is near the design
// frequency. None otherwise.
std::optional<Crossing> aimedZero(Points points, double design, double byInductance) {
    sortByFrequency(points);
    if (const auto found = risingZeroNearest(points, design)) {
        return found;
    }
    const Point& low = points.front();
    const Point& high = points.back();
    const Point& middle = points[points.size() / 2];
    const double slope = (reactance(high) - reactance(low)) / (high.frequency - low.frequency);
    const double aim =
        std::isfinite(byInductance) ? byInductance : middle.frequency - reactance(middle) / slope;
    if (!(slope > 0) || !(aim > design / kAimReach && aim < design * kAimReach)) {
        return std::nullopt;
    }
    return Crossing{0, aim, middle.feed.impedance.real(), slope};
}

// The coarse zero nearest the design frequency: first around it, then outwards
// on the side or sides towards which the reactance says the zero lies.
std::optional<Crossing> coarseResonance(const nec::LoadedDipole& dipole,
                                        const nec::ModelOptions& options,
                                        const nec::NecEngine& engine, Points points) {
    sortByFrequency(points);
    for (const double factor : kWiderFactors) {
        if (const auto found = risingZeroNearest(points, dipole.frequency)) {
            return found;
        }
        std::vector<nec::FrequencySweep> sweeps;
        if (reactance(points.back()) < 0) {
            sweeps.push_back(
                {points.back().frequency * factor, factor, kWiderCount, nec::Steps::Multiplying});
        }
        if (reactance(points.front()) > 0) {
            sweeps.push_back({points.front().frequency / std::pow(factor, kWiderCount), factor,
                              kWiderCount, nec::Steps::Multiplying});
        }
        const Points more = feedPoints(dipole, options, engine, sweeps, dipole.inductance).points;
        points.insert(points.end(), more.begin(), more.end());
        sortByFrequency(points);
    }
    return risingZeroNearest(points, dipole.frequency);
}

// The resonance and its 2:1 bandwidth from a close look around the coarse
// zero, widened at most so many times; whether it found both. The extra
// runs go into the first look's deck, and their feed points into extra.
bool closeLook(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
               const nec::NecEngine& engine, Crossing coarse, int looks, DipoleCheck& check,
               const std::vector<nec::Run>& extra, std::vector<nec::FeedPoint>& extraFeeds) {
    bool found = false;
    // A series resonant circuit fed with its own resistance R reaches an SWR
    // of 2 where its reactance is R / sqrt(2).
    double half = coarse.resistance / (std::numbers::sqrt2 * coarse.slope);
    if (!(half > 0 && std::isfinite(half))) {
        half = coarse.frequency * 0.01;
    }
    double centre = coarse.frequency;
    double width = std::min(kCloseWidth * half, 0.9 * centre);
    int widenings = 0;
    int narrowings = 0;
    for (int look = 0; widenings < looks && narrowings <= kMostNarrowings; ++look) {
        const double step = 2 * width / (kCloseCount - 1);
        Feeds feeds = feedPoints(dipole, options, engine, {{centre - width, step, kCloseCount}},
                                 dipole.inductance, look == 0 ? extra : std::vector<nec::Run>{});
        if (look == 0 && !extra.empty()) {
            extraFeeds = std::move(feeds.extra);
        }
        Points& points = feeds.points;
        sortByFrequency(points);
        const auto zero = risingZeroNearest(points, centre);
        if (zero) {
            std::vector<Sample> samples;
            for (const Point& point : points) {
                samples.push_back({point.frequency, point.feed.impedance});
            }
            const std::size_t below = zero->below;
            centre = resonanceBetween(samples, below);
            check.resonance = centre;
            const double resistance = cubicBetween(samples, below, centre).real();
            const auto edge = [&](int step) {
                return twoToOneEdge(samples, resistance, below, centre, step, Between::Cubic);
            };
            const double low = edge(-1);
            const double high = edge(1);
            if (std::isfinite(low) && std::isfinite(high)) {
                check.bandwidth = (high - low) * 1000;
                found = true;
                // A band across fewer steps than it should may be misread
                // between the points, or lie between two of them.
                if (high - low >= kStepsAcrossBand * step) {
                    break;
                }
                width = kCloseWidth * (high - low) / 2;
                ++narrowings;
                continue;
            }
        }
        ++widenings;
        width = std::min(3 * width, 0.9 * centre);
    }
    return found;
}

}  // namespace

Feeds feedPoints(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                 const nec::NecEngine& engine, const std::vector<nec::FrequencySweep>& sweeps,
                 double inductance, const std::vector<nec::Run>& extra,
                 nec::Excitation excitation) {
    std::vector<nec::Run> runs;
    int total = 0;
    for (const nec::FrequencySweep& sweep : sweeps) {
        runs.push_back({inductance, sweep, std::nullopt, nec::Radiation::Budget, excitation});
    }
    runs.insert(runs.end(), extra.begin(), extra.end());
    const int coilSegments = nec::coilSegmentsOf(dipole, options);
    for (const nec::Run& run : runs) {
        total += run.solutions(coilSegments);
    }
    const std::vector<nec::FeedPoint> feeds =
        engine.run(nec::necDeck(dipole, options, runs, {}, nec::Currents::LeftOut), total);
    Feeds result;
    auto feed = feeds.begin();
    // The load in the model at each frequency: the inductance's reactance
    // there, the resistance its Q gives at the design frequency.
    const double resistance = nec::coilLoad(dipole, options, inductance).real();
    for (const nec::FrequencySweep& sweep : sweeps) {
        for (int i = 0; i < sweep.count; ++i) {
            const double frequency = sweep.frequency(i);
            result.points.push_back({frequency, *feed++});
            if (excitation == nec::Excitation::FeedThenCoils) {
                const std::complex<double> load(resistance,
                                                2 * std::numbers::pi * frequency * inductance);
                const std::vector<nec::FeedPoint> coils(feed, feed + coilSegments);
                feed += coilSegments;
                result.ports.push_back(nec::CoilPorts::of(load, result.points.back().feed, coils));
            }
        }
    }
    result.extra.assign(feed, feeds.end());
    return result;
}

Feeds firstFeeds(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                 const nec::NecEngine& engine) {
    return feedPoints(dipole, options, engine, {firstLook(dipole)}, dipole.inductance, {},
                      nec::Excitation::FeedThenCoils);
}

void findResonance(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                   const nec::NecEngine& engine, const Feeds& first, DipoleCheck& check,
                   const std::vector<nec::Run>& extra, std::vector<nec::FeedPoint>& extraFeeds) {
    if (const auto aimed =
            aimedZero(first.points, dipole.frequency, aimedByInductance(dipole, options, first));
        aimed &&
        closeLook(dipole, options, engine, *aimed, kAimedLooks, check, extra, extraFeeds)) {
        return;
    }
    const bool ridden = !extraFeeds.empty() || extra.empty();
    if (const auto coarse = coarseResonance(dipole, options, engine, first.points);
        coarse &&
        !closeLook(dipole, options, engine, *coarse, kCloseLooks, check,
                   ridden ? std::vector<nec::Run>{} : extra, extraFeeds) &&
        !std::isfinite(check.resonance)) {
        // Without a close look's zero the coarse one is all there is.
        check.resonance = coarse->frequency;
    }
}

nec::FrequencySweep firstLook(const nec::LoadedDipole& dipole) {
    return {dipole.frequency / std::pow(kFirstFactor, kFirstSide), kFirstFactor, 2 * kFirstSide + 1,
            nec::Steps::Multiplying};
}

}  // namespace querlin::check
