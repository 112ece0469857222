#pragma once

#include <complex>
#include <optional>
#include <vector>

#include "antenna/nec_model.h"

namespace querlin::antenna {

// The feed impedance as a function of the coils' load impedance z: with both
// coils alike and the antenna symmetric, the engine's linear equations make it
// a bilinear (Moebius) function (a z + b) / (c z + 1), known from three loads.
struct Bilinear {
    std::complex<double> a;
    std::complex<double> b;
    std::complex<double> c;

    std::complex<double> operator()(std::complex<double> z) const {
        return (a * z + b) / (c * z + 1.0);
    }
};

// An inductance tried, the load it made and the feed impedance the engine gave.
struct LoadAndFeed {
    double inductance;
    std::complex<double> load;
    std::complex<double> feed;
};

// The function through three loads and their feeds; none when the three do
// not determine it.
std::optional<Bilinear> bilinearThrough(const LoadAndFeed& p, const LoadAndFeed& q,
                                        const LoadAndFeed& r);

// The inductance at which the function's feed reactance vanishes with the
// lowest feed resistance (the series resonance, not the parallel one), NaN
// when none does. A coil's load is L times k, k depending on the sign of L.
// The real roots of qa x^2 + qb x + qc, or of the linear equation where qa
// is zero.
std::vector<double> realRoots(double qa, double qb, double qc);

double resonantRoot(const Bilinear& f, const LoadedDipole& dipole, const ModelOptions& options);

}  // namespace querlin::antenna
