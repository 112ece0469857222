#include <QString>
#include <cmath>
#include <complex>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_checks.h"
#include "nec/nec_engine.h"
#include "nec/nec_model.h"

using namespace querlin::nec;
using querlin::fuzzing::require;

// Any bytes as the engine's output file, read as NecEngine reads it. The reader
// either throws NecError or gives one feed point for each input parameters'
// heading, its impedance, efficiency and printed currents finite numbers; it
// throws nothing else, and neither crashes nor hangs (libFuzzer's -timeout).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString output =
        QString::fromLocal8Bit(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<FeedPoint> points;
    try {
        points = feedPointsIn(output);
    } catch (const NecError&) {
        return 0;
    }
    const qsizetype headings = output.count(QStringLiteral("ANTENNA INPUT PARAMETERS"));
    require(static_cast<qsizetype>(points.size()) == headings, "one feed point per heading", [&] {
        return QStringLiteral("%1 feed points, %2 headings").arg(points.size()).arg(headings);
    });
    for (const FeedPoint& point : points) {
        for (const SegmentCurrent& segment : point.printed) {
            require(std::isfinite(std::abs(segment.current)), "a current read is finite", [&] {
                return QStringLiteral("tag %1: %2 %3 A")
                    .arg(segment.tag)
                    .arg(segment.current.real())
                    .arg(segment.current.imag());
            });
        }
        require(std::isfinite(point.impedance.real()) && std::isfinite(point.impedance.imag()) &&
                    std::isfinite(point.efficiency),
                "a feed point read is finite", [&] {
                    return QStringLiteral("%1 %2 ohms, efficiency %3")
                        .arg(point.impedance.real())
                        .arg(point.impedance.imag())
                        .arg(point.efficiency);
                });
    }
    return 0;
}
