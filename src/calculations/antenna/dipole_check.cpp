#include "antenna/dipole_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "antenna/bilinear.h"

namespace querlin::antenna {

namespace {

constexpr double kNotFound = std::numeric_limits<double>::quiet_NaN();

// The first look around the design frequency: 2 % steps, 10 % either way,
// the design frequency in the middle.
constexpr double kFirstFactor = 1.02;
constexpr int kFirstSide = 5;
// Then outwards on the side where the resonance lies, in wider steps, as far
// as a fifth and four and a half times the design frequency.
constexpr double kWiderFactors[] = {1.04, 1.08};
constexpr int kWiderCount = 12;
// The look at the resonance: 21 frequencies over 2.5 estimated half
// bandwidths either way, widened threefold where that is too narrow.
constexpr int kCloseCount = 21;
constexpr double kCloseWidth = 2.5;
constexpr int kCloseLooks = 4;
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
// inductance, in the order of the sweeps.
Points feedPoints(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine,
                  const std::vector<Sweep>& sweeps, double inductance) {
    std::vector<Run> runs;
    int total = 0;
    for (const Sweep& sweep : sweeps) {
        runs.push_back({inductance, sweep});
        total += sweep.count;
    }
    const std::vector<FeedPoint> feeds =
        engine.run(necDeck(dipole, options, runs, {}, Currents::LeftOut), total);
    Points points;
    auto feed = feeds.begin();
    for (const Sweep& sweep : sweeps) {
        for (int i = 0; i < sweep.count; ++i) {
            points.push_back({sweep.frequency(i), *feed++});
        }
    }
    return points;
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
        if (!(reactance(a) < 0 && reactance(b) >= 0)) {
            continue;
        }
        const double t = -reactance(a) / (reactance(b) - reactance(a));
        const Crossing crossing{
            i, a.frequency + t * (b.frequency - a.frequency),
            a.feed.impedance.real() + t * (b.feed.impedance.real() - a.feed.impedance.real()),
            (reactance(b) - reactance(a)) / (b.frequency - a.frequency)};
        if (!nearest ||
            std::abs(crossing.frequency - target) < std::abs(nearest->frequency - target)) {
            nearest = crossing;
        }
    }
    return nearest;
}

void sortByFrequency(Points& points) {
    std::sort(points.begin(), points.end(),
              [](const Point& a, const Point& b) { return a.frequency < b.frequency; });
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
        const Points more = feedPoints(dipole, options, engine, sweeps, dipole.inductance);
        points.insert(points.end(), more.begin(), more.end());
        sortByFrequency(points);
    }
    return risingZeroNearest(points, dipole.frequency);
}

// Where the SWR against that line reaches 2 going from the point at start
// one way (step -1 or +1), interpolated; NaN when it does not within the points.
double swrOfTwo(const Points& sorted, std::size_t start, int step, double line) {
    for (std::size_t i = start; i < sorted.size(); i += step) {
        const std::size_t next = i + step;
        if (next >= sorted.size()) {
            break;
        }
        const double here = standingWaveRatio(sorted[i].feed.impedance, line);
        const double there = standingWaveRatio(sorted[next].feed.impedance, line);
        if (here < 2 && there >= 2) {
            const double t = (2 - here) / (there - here);
            return sorted[i].frequency + t * (sorted[next].frequency - sorted[i].frequency);
        }
    }
    return kNotFound;
}

// The resonance and its 2:1 bandwidth from a close look around the coarse zero.
void closeLook(const LoadedDipole& dipole, const ModelOptions& options, const NecEngine& engine,
               Crossing coarse, DipoleCheck& check) {
    check.resonance = coarse.frequency;
    // A series resonant circuit fed with its own resistance R reaches an SWR
    // of 2 where its reactance is R / sqrt(2).
    double half = coarse.resistance / (std::numbers::sqrt2 * coarse.slope);
    if (!(half > 0 && std::isfinite(half))) {
        half = coarse.frequency * 0.01;
    }
    double centre = coarse.frequency;
    double width = std::min(kCloseWidth * half, 0.9 * centre);
    for (int look = 0; look < kCloseLooks; ++look) {
        const Sweep sweep{centre - width, 2 * width / (kCloseCount - 1), kCloseCount};
        Points points = feedPoints(dipole, options, engine, {sweep}, dipole.inductance);
        sortByFrequency(points);
        const auto zero = risingZeroNearest(points, centre);
        if (zero) {
            check.resonance = zero->frequency;
            centre = zero->frequency;
            const double low = swrOfTwo(points, zero->below + 1, -1, zero->resistance);
            const double high = swrOfTwo(points, zero->below, 1, zero->resistance);
            if (std::isfinite(low) && std::isfinite(high)) {
                check.bandwidth = (high - low) * 1000;
                return;
            }
        }
        width = std::min(3 * width, 0.9 * centre);
    }
}

// The coils that make the antenna resonate at the design frequency, and the
// share of the input power it then radiates (over ground into the upper half
// of space, so that the ground's loss counts). NaN for either not found.
struct MadeResonant {
    double inductance = kNotFound;
    double radiated = kNotFound;
};

// The inductance of each coil that makes the reactance at the design frequency
// vanish: the bilinear function through the last three inductances tried
// gives the next, until the engine's reactance there is within the tolerance.
MadeResonant madeResonant(const LoadedDipole& dipole, const ModelOptions& options,
                          const NecEngine& engine, const FeedPoint& atDesign) {
    const Sweep design{dipole.frequency, 0, 1};
    // Over ground the far field is needed for the efficiency; it is asked for
    // only where the search may end, since it costs the engine time.
    const Radiation lastRadiation = options.height ? Radiation::UpperHalf : Radiation::Budget;
    const auto run = [&](const std::vector<double>& inductances, Radiation radiation) {
        std::vector<Run> runs;
        for (const double inductance : inductances) {
            runs.push_back({inductance, design, std::nullopt, radiation});
        }
        return engine.run(necDeck(dipole, options, runs, {}, Currents::LeftOut),
                          static_cast<int>(runs.size()));
    };
    if (std::abs(atDesign.impedance.imag()) < kReactanceTolerance) {
        return {dipole.inductance,
                lastRadiation == Radiation::Budget
                    ? atDesign.efficiency
                    : run({dipole.inductance}, lastRadiation).front().radiated()};
    }
    std::vector<LoadAndFeed> tried{
        {dipole.inductance, coilLoad(dipole, options, dipole.inductance), atDesign.impedance}};
    const auto tryInductances = [&](const std::vector<double>& inductances, Radiation radiation) {
        const std::vector<FeedPoint> feeds = run(inductances, radiation);
        for (std::size_t i = 0; i < inductances.size(); ++i) {
            tried.push_back(
                {inductances[i], coilLoad(dipole, options, inductances[i]), feeds[i].impedance});
        }
        return feeds.back();
    };
    // Two more loads either side, some 20 ohms of reactance away.
    const double step = std::max(0.1 * std::abs(dipole.inductance),
                                 kFirstLoadStep / (2 * std::numbers::pi * dipole.frequency));
    tryInductances({dipole.inductance - step, dipole.inductance + step}, Radiation::Budget);
    for (int round = 0; round < kMostInductanceRuns; ++round) {
        const std::size_t n = tried.size();
        const auto f = bilinearThrough(tried[n - 3], tried[n - 2], tried[n - 1]);
        if (!f) {
            return {};
        }
        const double root = resonantRoot(*f, dipole, options);
        if (!std::isfinite(root)) {
            return {};
        }
        const FeedPoint feed = tryInductances({root}, lastRadiation);
        if (std::abs(feed.impedance.imag()) < kReactanceTolerance) {
            return {root, feed.radiated()};
        }
    }
    return {};
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
    const Sweep around{dipole.frequency / std::pow(kFirstFactor, kFirstSide), kFirstFactor,
                       2 * kFirstSide + 1, Steps::Multiplying};
    const Points first = feedPoints(dipole, options, engine, {around}, dipole.inductance);
    const FeedPoint atDesign = first[kFirstSide].feed;

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
    if (const auto coarse = coarseResonance(dipole, options, engine, first)) {
        closeLook(dipole, options, engine, *coarse, check);
    }
    check.resonanceError = (check.resonance / dipole.frequency - 1) * 100;
    const MadeResonant resonant = madeResonant(dipole, options, engine, atDesign);
    check.resonantInductance = resonant.inductance;
    check.efficiency = resonant.radiated * 100;
    return check;
}

double resonanceOf(const LoadedDipole& dipole, const ModelOptions& options,
                   const NecEngine& engine) {
    const Sweep around{dipole.frequency / std::pow(kFirstFactor, kFirstSide), kFirstFactor,
                       2 * kFirstSide + 1, Steps::Multiplying};
    DipoleCheck check;
    check.resonance = kNotFound;
    if (const auto coarse =
            coarseResonance(dipole, options, engine,
                            feedPoints(dipole, options, engine, {around}, dipole.inductance))) {
        closeLook(dipole, options, engine, *coarse, check);
    }
    return check.resonance;
}

}  // namespace querlin::antenna
