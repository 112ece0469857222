#include "build/build.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "check/dipole_check.h"
#include "check/feed_line.h"
#include "check/resonance_search.h"
#include "fault.h"
#include "nec/bilinear.h"

namespace querlin::build {

namespace {

using Complex = std::complex<double>;
constexpr double kNone = DipoleBuild::kNone;

// The engine is run again, with the function through the last three loads,
// until its SWR is within this; the output's five digits allow it.
constexpr double kSwrAim = 1.003;
constexpr int kMostVerifications = 4;
// The ports' function and the bilinear one through its last three loads
// agree at the coils found to this share; more rounds than a few would be a
// function the three loads do not describe.
constexpr double kPortAgreement = 1e-9;
constexpr int kMostPortRounds = 12;
// Inductance and Q agree when neither moves by more than this share.
constexpr double kAgreement = 1e-7;
constexpr int kMostRounds = 60;
// The reactance's slope over frequency, from this share either side.
constexpr double kSlopeStep = 0.005;
// The bandwidth: 11 frequencies over 2.5 estimated half bandwidths either
// way, read on the cubic through them (as close to a fine sweep's edges as
// 31 on straight lines, and over ground each frequency costs the engine its
// Sommerfeld tables), widened threefold where the SWR does not reach 2
// within them.
constexpr int kBandCount = 11;
constexpr double kBandWidth = 2.5;
constexpr int kBandLooks = 4;

bool same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::abs(a - b) <= kAgreement * std::abs(b);
}

// The loading coils and the matching coil that one bilinear function gives.
struct Coils {
    double load = kNone;
    double loadQ = kNone;
    check::ShuntCoil shunt{kNone, 0, 0};
    double shuntQ = kNone;
    bool matched = false;
    int rounds = 0;
};

// Solves the function for the coils, each coil's Q as the loss gives it.
class Solver {
  public:
    Solver(const nec::LoadedDipole& dipole, const nec::ModelOptions& options, double feedline,
           const CoilLoss& loss)
        : dipole_(dipole), options_(options), feedline_(feedline), loss_(loss) {}

    // A coil's Q for that inductance: the one given, or as wound, NaN
    // without loss. A loading coil must have one; a matching coil whose Q
    // cannot be estimated is taken as lossless.
    double q(double inductance, bool loading) const {
        if (loss_.q) {
            return *loss_.q;
        }
        if (!loss_.former || !(inductance > 0)) {
            return kNone;
        }
        const CoilWound coil = woundFor(*loss_.former, inductance, dipole_.frequency);
        if (loading && !std::isfinite(coil.q)) {
            throw Fault(
                FaultStatus::Calculation,
                QCoreApplication::translate(
                    "Antenna", "The loading coil of %1 µH cannot be wound on that former. %2")
                    .arg(inductance, 0, 'f', 3)
                    .arg(coil.why));
        }
        return coil.q;
    }

    // Each coil's load per microhenry, with that Q.
    Complex perMicrohenry(double q) const {
        nec::ModelOptions coils = options_;
        coils.coilQ = nec::coilQOption(q);
        return nec::coilLoad(dipole_, coils, 1);
    }

    // The loading coils resonant at the design frequency, inductance and Q
    // agreeing; none where no positive inductance resonates.
    Coils resonance(const nec::Bilinear& f) const {
        Coils coils;
        double q = loss_.q.value_or(kNone);
        for (coils.rounds = 1; coils.rounds <= kMostRounds; ++coils.rounds) {
            nec::ModelOptions withQ = options_;
            withQ.coilQ = nec::coilQOption(q);
            const double load = nec::resonantRoot(f, dipole_, withQ);
            if (!(load > 0)) {
                return {};
            }
            const double found = this->q(load, true);
            coils.load = load;
            coils.loadQ = q;
            if (same(found, q)) {
                break;
            }
            q = found;
        }
        return coils;
    }

    // The loading coils at which the antenna's conductance, less the
    // matching coil's, is the line's, short of resonance (the susceptance
    // capacitive, for a coil to cancel), and that coil; the resonant coils
    // where none is.
    Coils match(const nec::Bilinear& f) const {
        Coils coils;
        double loadQ = loss_.q.value_or(kNone);
        double shuntQ = loss_.q.value_or(kNone);
        double shuntConductance = 0;
        for (coils.rounds = 1; coils.rounds <= kMostRounds; ++coils.rounds) {
            const Complex k = perMicrohenry(loadQ);
            const double load = conductanceRoot(f, k, 1 / feedline_ - shuntConductance);
            if (!std::isfinite(load)) {
                return resonance(f);
            }
            const check::ShuntCoil shunt =
                check::shuntCoilFor(f(k * load), dipole_.frequency, shuntQ);
            const double foundLoadQ = q(load, true);
            const double foundShuntQ = q(shunt.inductance, false);
            coils = {load, loadQ, shunt, shuntQ, true, coils.rounds};
            if (same(foundLoadQ, loadQ) && same(foundShuntQ, shuntQ) &&
                same(shunt.conductance, shuntConductance)) {
                break;
            }
            loadQ = foundLoadQ;
            shuntQ = foundShuntQ;
            shuntConductance = shunt.conductance;
        }
        return coils;
    }

  private:
    // The positive inductance at which Re(1 / f(k L)) is the conductance g,
    // with a positive (capacitive) susceptance, the larger where two are;
    // NaN where none is. With
    // Y(L) = (c k L + 1) / (a k L + b), Re((p L + 1) conj(r L + b)) =
    // g |r L + b|^2, p = c k and r = a k, is a quadratic in L.
    static double conductanceRoot(const nec::Bilinear& f, Complex k, double g) {
        const Complex p = f.c * k;
        const Complex r = f.a * k;
        const Complex s = f.b;
        const double qa = (p * std::conj(r)).real() - g * std::norm(r);
        const double qb =
            (p * std::conj(s) + std::conj(r)).real() - 2 * g * (r * std::conj(s)).real();
        const double qc = s.real() - g * std::norm(s);
        const std::vector<double> roots = nec::realRoots(qa, qb, qc);
        double best = kNone;
        for (const double root : roots) {
            if (root > 0 && std::isfinite(root) && (1.0 / f(k * root)).imag() > 0 &&
                !(root < best)) {
                best = root;
            }
        }
        return best;
    }

    const nec::LoadedDipole& dipole_;
    const nec::ModelOptions& options_;
    double feedline_;
    const CoilLoss& loss_;
};

// The loading coils that would resonate the antenna, beside the matched
// ones, for the figures only: coils that cannot be wound on the former leave
// those figures out, not the build.
Coils resonanceFigures(const Solver& solver, const nec::Bilinear& f) {
    try {
        return solver.resonance(f);
    } catch (const Fault&) {
        return {};
    }
}

// What the line sees: the antenna's feed impedance with the coils' matching
// coil across it, at a frequency.
Complex seen(Complex feed, const Coils& coils, double frequency) {
    return coils.matched ? check::withShuntCoil(feed, frequency, coils.shunt) : feed;
}

// The 2:1 SWR bandwidth on the line, in kHz, looked for around the design
// frequency from an estimate of half of it; NaN where the SWR there is 2 or
// more, or where it does not reach 2 within 90 % of the design frequency.
double bandwidthOf(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                   const nec::NecEngine& engine, const Coils& coils, double half, double feedline,
                   int& runs) {
    const double centre = dipole.frequency;
    if (!(half > 0 && std::isfinite(half))) {
        half = centre * 0.01;
    }
    double width = std::min(kBandWidth * half, 0.9 * centre);
    for (int look = 0; look < kBandLooks; ++look) {
        const nec::FrequencySweep sweep{centre - width, 2 * width / (kBandCount - 1), kBandCount};
        const std::vector<nec::FeedPoint> feeds = engine.run(
            nec::necDeck(dipole, options, {{coils.load, sweep, nec::coilQOption(coils.loadQ)}}, {},
                         nec::Currents::LeftOut),
            kBandCount);
        ++runs;
        std::vector<check::Sample> samples;
        for (int i = 0; i < kBandCount; ++i) {
            const double frequency = sweep.frequency(i);
            samples.push_back(
                {frequency, seen(feeds[static_cast<std::size_t>(i)].impedance, coils, frequency)});
        }
        constexpr std::size_t kCentre = kBandCount / 2;
        if (!(check::standingWaveRatio(samples[kCentre].impedance, feedline) < 2)) {
            return kNone;
        }
        const auto edge = [&](int step) {
            return check::twoToOneEdge(samples, feedline, kCentre, samples[kCentre].frequency, step,
                                       check::Between::Cubic);
        };
        const double low = edge(-1);
        const double high = edge(1);
        if (std::isfinite(low) && std::isfinite(high)) {
            // Where the band fills less than a third of the look, the
            // points are too far apart for the cubic: look closer.
            if (high - low >= 2 * width / 3 || look + 1 == kBandLooks) {
                return (high - low) * 1000;
            }
            width = 0.75 * (high - low);
        } else {
            width = std::min(3 * width, 0.9 * centre);
        }
    }
    return kNone;
}

}  // namespace

DipoleBuild buildDipole(const nec::LoadedDipole& dipole, const nec::ModelOptions& given,
                        double feedline, const CoilLoss& loss, Bandwidth bandwidth,
                        const nec::NecEngine& engine) {
    // Each run of the engine carries its coils' own Q, none without loss.
    nec::ModelOptions options = given;
    options.coilQ.reset();
    const Solver solver(dipole, options, feedline, loss);
    const double frequency = dipole.frequency;
    const nec::FrequencySweep design{frequency, 0, 1};
    const double step = nec::firstLoadStep(std::max(dipole.inductance, 0.0), frequency);
    const double start = dipole.inductance > 0 ? dipole.inductance : step;
    // One solution at the design frequency, with the Q given if any, tells
    // the feed impedance for every load of the coils (the ports): over
    // ground each solution costs the engine its Sommerfeld tables again, so
    // the coils are found on the ports and the engine is asked only to
    // confirm them. The formula's load just below and above the design
    // frequency gives the slope for the bandwidth's first look.
    nec::ModelOptions firstOptions = options;
    firstOptions.coilQ = loss.q;
    std::vector<nec::Run> slopeRuns;
    if (bandwidth == Bandwidth::Found) {
        slopeRuns.push_back(
            {start, {frequency * (1 - kSlopeStep), 2 * kSlopeStep * frequency, 2}, loss.q});
    }
    const check::Feeds first = check::feedPoints(dipole, firstOptions, engine, {design}, start,
                                                 slopeRuns, nec::Excitation::FeedThenCoils);
    DipoleBuild build;
    build.engineRuns = 1;
    const nec::CoilPorts& ports = first.ports.front();
    const auto onPorts = [&](double inductance, double q) {
        nec::ModelOptions withQ = options;
        withQ.coilQ = nec::coilQOption(q);
        const Complex load = nec::coilLoad(dipole, withQ, inductance);
        return nec::LoadAndFeed{inductance, load, ports.feed(load)};
    };
    std::vector<nec::LoadAndFeed> tried;
    for (const double inductance : {start - step, start, start + step}) {
        tried.push_back(onPorts(inductance, loss.q.value_or(kNone)));
    }
    double half = kNone;
    if (!first.extra.empty()) {
        const double slope = (first.extra[1].impedance.imag() - first.extra[0].impedance.imag()) /
                             (2 * kSlopeStep * frequency);
        half = first.points.front().feed.impedance.real() / (std::numbers::sqrt2 * slope);
    }

    // The function through the last three loads, until the coils it gives
    // are where the ports put them.
    Coils coils;
    Coils resonant;
    std::optional<nec::Bilinear> f;
    const auto solved = [&] {
        const std::size_t n = tried.size();
        f = nec::bilinearThrough(tried[n - 3], tried[n - 2], tried[n - 1]);
        if (!f) {
            return false;
        }
        coils = solver.match(*f);
        return std::isfinite(coils.load);
    };
    for (int round = 0; round < kMostPortRounds; ++round) {
        if (!solved()) {
            return build;
        }
        resonant = coils.matched ? resonanceFigures(solver, *f) : coils;
        std::vector<nec::LoadAndFeed> found;
        if (coils.matched && std::isfinite(resonant.load)) {
            found.push_back(onPorts(resonant.load, resonant.loadQ));
        }
        found.push_back(onPorts(coils.load, coils.loadQ));
        const bool agree = std::all_of(found.begin(), found.end(), [&](const auto& point) {
            return std::abs((*f)(point.load) - point.feed) <= kPortAgreement * std::abs(point.feed);
        });
        if (agree) {
            break;
        }
        tried.insert(tried.end(), found.begin(), found.end());
    }
    if (std::isfinite(resonant.load)) {
        const Complex atResonance = onPorts(resonant.load, resonant.loadQ).feed;
        build.resonantInductance = resonant.load;
        build.resonantResistance = atResonance.real();
        build.resonantSwr = check::standingWaveRatio(atResonance, feedline);
    }

    // The engine's own solution of the coils found; where it does not
    // confirm them, its feed impedance joins the function's loads.
    for (int verification = 0; verification < kMostVerifications; ++verification) {
        if (verification > 0 && !solved()) {
            return build;
        }
        // Over ground the efficiency counts the ground's loss: the far field's
        // share radiated into the upper half of space.
        const nec::Run check{coils.load, design, nec::coilQOption(coils.loadQ),
                             options.height ? nec::Radiation::UpperHalf : nec::Radiation::Budget};
        const nec::FeedPoint built =
            engine.run(nec::necDeck(dipole, options, {check}, {}, nec::Currents::LeftOut), 1)
                .front();
        ++build.engineRuns;
        build.match = coils.matched ? DipoleBuild::Match::ShuntCoil : DipoleBuild::Match::Resonant;
        build.loadInductance = coils.load;
        build.loadQ = coils.loadQ;
        build.shuntInductance = coils.matched ? coils.shunt.inductance : kNone;
        build.shuntQ = coils.matched ? coils.shuntQ : kNone;
        build.rounds = coils.rounds;
        build.impedance = built.impedance;
        build.swr = check::standingWaveRatio(seen(built.impedance, coils, frequency), feedline);
        // The matching coil takes its share of the power the antenna's
        // conductance would otherwise have.
        const double antenna = (1.0 / built.impedance).real();
        const double total = (1.0 / seen(built.impedance, coils, frequency)).real();
        build.efficiency = built.radiated() * antenna / total * 100;
        const bool verified = coils.matched
                                  ? build.swr <= kSwrAim
                                  : std::abs(built.impedance.imag()) < check::kReactanceTolerance;
        if (verified) {
            break;
        }
        nec::ModelOptions withQ = options;
        withQ.coilQ = check.coilQ;
        tried.push_back(
            {check.inductance, nec::coilLoad(dipole, withQ, check.inductance), built.impedance});
    }
    if (loss.former) {
        build.loadCoil = woundFor(*loss.former, build.loadInductance, frequency);
        if (coils.matched) {
            build.shuntCoil = woundFor(*loss.former, build.shuntInductance, frequency);
        }
    }
    if (bandwidth == Bandwidth::Found) {
        build.bandwidth =
            bandwidthOf(dipole, options, engine, coils, half, feedline, build.engineRuns);
    }
    return build;
}

}  // namespace querlin::build
