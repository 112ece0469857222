#include "antenna/bilinear.h"

#include <cmath>
#include <limits>
#include <vector>

namespace querlin::antenna {

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

}  // namespace querlin::antenna
