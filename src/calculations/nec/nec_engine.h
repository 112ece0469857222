#pragma once

#include <QException>
#include <QString>
#include <complex>
#include <functional>
#include <limits>
#include <vector>

namespace querlin::nec {

// The current on one segment as the engine's currents table lists it.
struct SegmentCurrent {
    int tag = 0;
    std::complex<double> current;  // amperes
};

// What the engine computed at one frequency for one excitation, at its first
// source: the feed point, unless the run excited the coils.
struct FeedPoint {
    std::complex<double> impedance;  // ohms
    double efficiency = 0;           // radiated over input power, 0 to 1, from the power budget
    // The power radiated into the solid angle of a run that averages the
    // gain, over the input power, 0 to 1; NaN for a run that does not.
    double radiatedOver = std::numeric_limits<double>::quiet_NaN();
    // The source's current for its one volt, amperes, and the currents on
    // the segments the run printed, in order.
    std::complex<double> current;
    std::vector<SegmentCurrent> printed;

    // The share of the input power that leaves for good: into the upper half
    // of space where the run averaged the gain there, else the power budget's.
    double radiated() const { return std::isnan(radiatedOver) ? efficiency : radiatedOver; }
};

// Thrown by a run that was asked to stop: the engine was ended, and nothing
// it computed is used.
struct NecCancelled : QException {
    void raise() const override { throw *this; }
    NecCancelled* clone() const override { return new NecCancelled(*this); }
};

// The NEC-2 engine, the program named (EngineRuns chooses it). A window's
// check asks, while the engine runs, whether to go on; a run asked to stop
// ends the engine at once.
class NecEngine {
  public:
    using Cancelled = std::function<bool()>;

    explicit NecEngine(QString program, Cancelled cancelled = {});

    const QString& program() const { return program_; }

    // Runs the deck in a private temporary folder, which is removed again,
    // and gives the feed point at each frequency of each run, in order. Throws
    // NecError when the engine is missing or fails, or when its output does
    // not hold the expected number of feed points; throws NecCancelled when
    // asked to stop before or while the engine runs.
    std::vector<FeedPoint> run(const QString& deck, int expectedPoints) const;

  private:
    void stopIfCancelled() const;

    QString program_;
    Cancelled cancelled_;
};

// The feed points in the text of the engine's output file, in order, each
// with the average power gain and the segments' currents printed after it,
// if any. Throws NecError for a
// number that does not read.
std::vector<FeedPoint> feedPointsIn(const QString& output);

}  // namespace querlin::nec
