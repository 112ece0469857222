#include "nec/bilinear.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace querlin::nec {

// a z + b - c z w = w for each load z and its feed w, solved by Cramer's rule.
std::optional<Bilinear> bilinearThrough(const LoadAndFeed& p, const LoadAndFeed& q,
                                        const LoadAndFeed& r) {
    using C = std::complex<double>;
    const auto det = [](C a1, C b1, C c1, C a2, C b2, C c2, C a3, C b3, C c3) {
        return a1 * (b2 * c3 - b3 * c2) - b1 * (a2 * c3 - a3 * c2) + c1 * (a2 * b3 - a3 * b2);
    };
    const C one(1);
    const C pc = -p.load * p.feed;
    const C qc = -q.load * q.feed;
    const C rc = -r.load * r.feed;
    const C d = det(p.load, one, pc, q.load, one, qc, r.load, one, rc);
    if (std::abs(d) == 0 || !std::isfinite(std::abs(d))) {
        return std::nullopt;
    }
    return Bilinear{det(p.feed, one, pc, q.feed, one, qc, r.feed, one, rc) / d,
                    det(p.load, p.feed, pc, q.load, q.feed, qc, r.load, r.feed, rc) / d,
                    det(p.load, one, p.feed, q.load, one, q.feed, r.load, one, r.feed) / d};
}

namespace {

// The search of the resonant inductance on the ports: the bilinear function
// through the last three loads, until the reactance is this small; with
// coils of one segment the function is the ports' own and the first root is
// exact.
constexpr double kPortReactance = 1e-6;  // ohms
// The first loads lie some this many ohms of reactance either side.
constexpr double kFirstLoadStep = 20;
constexpr int kPortRounds = 30;

using Phasors = std::vector<std::complex<double>>;

// The currents the solution printed on segments of the tag, in order.
Phasors currentsOn(const FeedPoint& solution, int tag) {
    Phasors currents;
    for (const SegmentCurrent& segment : solution.printed) {
        if (segment.tag == tag) {
            currents.push_back(segment.current);
        }
    }
    return currents;
}

// x with a x = b, by Gaussian elimination with partial pivoting; a and b are
// the few coils' segments, and spent.
Phasors solved(std::vector<Phasors> a, Phasors b) {
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < n; ++i) {
            if (std::abs(a[i][k]) > std::abs(a[pivot][k])) {
                pivot = i;
            }
        }
        std::swap(a[k], a[pivot]);
        std::swap(b[k], b[pivot]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const std::complex<double> factor = a[i][k] / a[k][k];
            for (std::size_t j = k; j < n; ++j) {
                a[i][j] -= factor * a[k][j];
            }
            b[i] -= factor * b[k];
        }
    }
    Phasors x(n);
    for (std::size_t k = n; k-- > 0;) {
        std::complex<double> sum = b[k];
        for (std::size_t j = k + 1; j < n; ++j) {
            sum -= a[k][j] * x[j];
        }
        x[k] = sum / a[k][k];
    }
    return x;
}

}  // namespace

CoilPorts CoilPorts::of(std::complex<double> load, const FeedPoint& feed,
                        const std::vector<FeedPoint>& coils) {
    CoilPorts ports;
    ports.load_ = load;
    ports.feedSelf_ = feed.current;
    ports.coilFromFeed_ = currentsOn(feed, kLeftCoilTag);
    bool complete = !coils.empty() && ports.coilFromFeed_.size() == coils.size();
    for (const FeedPoint& coil : coils) {
        const Phasors atFeed = currentsOn(coil, kSourceTag);
        ports.coilSelf_.push_back(currentsOn(coil, kLeftCoilTag));
        complete = complete && atFeed.size() == 1 && ports.coilSelf_.back().size() == coils.size();
        ports.feedFromCoils_.push_back(atFeed.empty() ? 0.0 : atFeed.front());
    }
    if (!complete) {
        throw NecError{QCoreApplication::translate(
            "Antenna", "nec2c's output lacks the currents between feed and coils.")};
    }
    return ports;
}

// With each segment's voltage -d times its current for the load d added to
// each segment, the coils' currents x per feed volt satisfy
// x = coilFromFeed - d coilSelf x, and the feed's is feedSelf - d
// feedFromCoils . x.
std::vector<std::complex<double>> CoilPorts::coilCurrents(std::complex<double> z) const {
    const std::size_t n = coilFromFeed_.size();
    const std::complex<double> d = (z - load_) / static_cast<double>(n);
    std::vector<Phasors> a(n, Phasors(n));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            a[i][j] = (i == j ? 1.0 : 0.0) + d * coilSelf_[j][i];
        }
    }
    return solved(std::move(a), coilFromFeed_);
}

std::complex<double> CoilPorts::feedCurrent(std::complex<double> z, const Phasors& coils) const {
    const std::complex<double> d = (z - load_) / static_cast<double>(coils.size());
    std::complex<double> current = feedSelf_;
    for (std::size_t j = 0; j < coils.size(); ++j) {
        current -= d * feedFromCoils_[j] * coils[j];
    }
    return current;
}

std::complex<double> CoilPorts::feed(std::complex<double> z) const {
    return 1.0 / feedCurrent(z, coilCurrents(z));
}

double CoilPorts::resonantInductance(const LoadedDipole& dipole,
                                     const ModelOptions& options) const {
    const double step = firstLoadStep(dipole.inductance, dipole.frequency);
    std::vector<LoadAndFeed> tried;
    for (const double inductance :
         {dipole.inductance - step, dipole.inductance, dipole.inductance + step}) {
        const std::complex<double> z = coilLoad(dipole, options, inductance);
        tried.push_back({inductance, z, feed(z)});
    }
    for (int round = 0; round < kPortRounds; ++round) {
        const std::size_t n = tried.size();
        const auto f = bilinearThrough(tried[n - 3], tried[n - 2], tried[n - 1]);
        const double root =
            f ? resonantRoot(*f, dipole, options) : std::numeric_limits<double>::quiet_NaN();
        if (!std::isfinite(root)) {
            break;
        }
        const std::complex<double> z = coilLoad(dipole, options, root);
        const std::complex<double> w = feed(z);
        if (std::abs(w.imag()) < kPortReactance) {
            return root;
        }
        tried.push_back({root, z, w});
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double firstLoadStep(double inductance, double frequency) {
    return std::max(0.1 * std::abs(inductance),
                    kFirstLoadStep / (2 * std::numbers::pi * frequency));
}

std::vector<double> realRoots(double qa, double qb, double qc) {
    if (qa == 0) {
        return {-qc / qb};
    }
    const double disc = qb * qb - 4 * qa * qc;
    if (disc < 0) {
        return {};
    }
    return {(-qb + std::sqrt(disc)) / (2 * qa), (-qb - std::sqrt(disc)) / (2 * qa)};
}

double resonantRoot(const Bilinear& f, const LoadedDipole& dipole, const ModelOptions& options) {
    double best = std::numeric_limits<double>::quiet_NaN();
    double bestResistance = std::numeric_limits<double>::infinity();
    for (const double sign : {1.0, -1.0}) {
        const std::complex<double> k = sign * coilLoad(dipole, options, sign);
        // Im((a k L + b)(conj(c k) L + 1)) = 0, a quadratic in L.
        const std::complex<double> ak = f.a * k;
        const std::complex<double> ck = std::conj(f.c * k);
        const double qa = (ak * ck).imag();
        const double qb = (ak + f.b * ck).imag();
        const double qc = f.b.imag();
        const std::vector<double> roots = realRoots(qa, qb, qc);
        for (const double root : roots) {
            if (!std::isfinite(root) || root * sign < 0) {
                continue;
            }
            const double resistance = f(coilLoad(dipole, options, root)).real();
            if (resistance > 0 && resistance < bestResistance) {
                best = root;
                bestResistance = resistance;
            }
        }
    }
    return best;
}

}  // namespace querlin::nec
