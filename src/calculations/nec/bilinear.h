#pragma once

#include <complex>
#include <optional>
#include <vector>

#include "nec/nec_engine.h"
#include "nec/nec_model.h"

namespace querlin::nec {

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

// The feed point and the coils' segments as the ports of a network, at one
// frequency with the coils' load in place, from the engine's excitations: one
// volt at the feed, then one volt on each segment of the coils in turn, both
// coils alike, the feed shorted. Currents in amperes per volt; the coils' are
// the left coil's, from its outer end, the right coil mirroring it.
class CoilPorts {
  public:
    // The ports from the solutions of the feed's excitation and of each
    // segment's, with the load each coil has in the model.
    static CoilPorts of(std::complex<double> load, const FeedPoint& feed,
                        const std::vector<FeedPoint>& coils);

    // The feed impedance with the load z on each coil, spread over its
    // segments as in the model: each segment's voltage is then minus its
    // share of z - load times its current.
    std::complex<double> feed(std::complex<double> z) const;
    // The inductance of each coil (µH) at which the feed's reactance
    // vanishes with the lowest resistance, at the dipole's frequency; NaN
    // where none does.
    double resonantInductance(const LoadedDipole& dipole, const ModelOptions& options) const;

  private:
    // The coils' currents and the feed's with the load z, per volt at the feed.
    std::vector<std::complex<double>> coilCurrents(std::complex<double> z) const;
    std::complex<double> feedCurrent(std::complex<double> z,
                                     const std::vector<std::complex<double>>& coils) const;

    std::complex<double> load_;                                // each coil's load in the model
    std::complex<double> feedSelf_;                            // at the feed, fed there
    std::vector<std::complex<double>> coilFromFeed_;           // each segment's, fed at the feed
    std::vector<std::complex<double>> feedFromCoils_;          // at the feed, fed at each segment
    std::vector<std::vector<std::complex<double>>> coilSelf_;  // [j][i]: at i, fed at j
};

// How far from an inductance (µH) the first loads of a search for the
// resonant one lie at that frequency (MHz): a tenth of it, or some 20 ohms
// of reactance where that is more.
double firstLoadStep(double inductance, double frequency);

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

}  // namespace querlin::nec
