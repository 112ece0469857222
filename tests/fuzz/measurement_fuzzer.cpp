#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "measurement/measured.h"

using namespace querlin;
using namespace querlin::fuzzing;
using namespace querlin::measurement;

namespace {

void requireOneLine(const MeasurementError& error) {
    require(error.status == FaultStatus::Calculation && !error.message.isEmpty() &&
                !error.message.contains(u'\n') && !error.message.contains(u'\r'),
            "a measurement that cannot be read gives one line, status 1",
            [&] { return error.message; });
}

// The sweep holds two samples or more, its frequencies positive and rising,
// every number finite.
void requireSound(const OnePort& sweep) {
    require(sweep.size() >= 2 && sweep.size() <= kMostFrequencies,
            "a sweep holds from two to the most frequencies",
            [&] { return QString::number(sweep.size()); });
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const Sample& s = sweep[i];
        require(std::isfinite(s.frequency) && s.frequency > 0 &&
                    std::isfinite(s.impedance.real()) && std::isfinite(s.impedance.imag()) &&
                    (i == 0 || s.frequency > sweep[i - 1].frequency),
                "every sample is finite and the frequencies rise",
                [&] { return QStringLiteral("sample %1").arg(i); });
    }
}

// The figures lie within the sweep, or there is no resonance in it.
void requireFigures(const OnePort& sweep) {
    try {
        const MeasuredFigures f = measuredFigures(sweep, 50, std::nullopt);
        require(f.resonance >= sweep.front().frequency && f.resonance <= sweep.back().frequency &&
                    std::isfinite(f.resistance) && (std::isnan(f.minSwr) || f.minSwr >= 1) &&
                    (std::isnan(f.bandwidth) || f.bandwidth >= 0),
                "the measured figures lie within the sweep",
                [&] { return QStringLiteral("resonance %1").arg(f.resonance); });
    } catch (const MeasurementError& error) {
        requireOneLine(error);
    }
}

// Written as Touchstone and read back: the same frequencies, and the same
// reflection coefficients or the same impedances, whichever the conversion
// between the two keeps (the reflection coefficient near a short circuit,
// the impedance near a reflection coefficient of -1 and beyond), where each
// sample's reflection coefficient is finite and not within a millionth of an
// open circuit's.
void requireRoundTrip(const OnePort& sweep) {
    const auto reflection = [](std::complex<double> z) { return (z - 50.0) / (z + 50.0); };
    for (const Sample& s : sweep) {
        const std::complex<double> r = reflection(s.impedance);
        if (!std::isfinite(r.real()) || !std::isfinite(r.imag()) || std::abs(1.0 - r) < 1e-6) {
            return;
        }
    }
    const QByteArray text = touchstoneOf(sweep, 50, {u"a comment"_qs});
    const OnePort back = readTouchstone(std::string_view(text.constData(), text.size()));
    require(back.size() == sweep.size(), "the sweep written reads back whole",
            [&] { return QString::fromUtf8(text); });
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const std::complex<double> z = sweep[i].impedance;
        const std::complex<double> read = back[i].impedance;
        require(back[i].frequency == sweep[i].frequency &&
                    (std::abs(reflection(read) - reflection(z)) < 1e-9 ||
                     std::abs(read - z) <= 1e-9 * std::abs(z)),
                "the sweep written reads back the same", [&] {
                    return QStringLiteral("sample %1: (%2, %3) ohms read back as (%4, %5)")
                        .arg(i)
                        .arg(z.real(), 0, 'g', 17)
                        .arg(z.imag(), 0, 'g', 17)
                        .arg(read.real(), 0, 'g', 17)
                        .arg(read.imag(), 0, 'g', 17);
                });
    }
}

}  // namespace

// Any bytes as a measurement, once read as Touchstone and once as CSV.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Format format : {Format::Touchstone, Format::Csv}) {
        OnePort sweep;
        try {
            sweep = readOnePort(text, format);
        } catch (const MeasurementError& error) {
            requireOneLine(error);
            continue;
        }
        requireSound(sweep);
        requireFigures(sweep);
        requireRoundTrip(sweep);
    }
    return 0;
}
