#include <QLocale>
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "field_text.h"
#include "fuzz_checks.h"

using namespace querlin;
using namespace querlin::fuzzing;

namespace {

const QLocale kC = QLocale::c();
// A locale whose decimal separator is the comma and whose group separator is the point.
const QLocale kComma(QLocale::German, QLocale::Germany);

// RoundedText to two places, as the inductance is shown: it reads back within
// half a hundredth, plus the rounding to single and to seven digits.
void requireRounded(float value, const QLocale& locale) {
    const QString written = RoundedText(value, 2, locale);
    const QString back = readOutcome(written, locale);
    const std::optional<float> read = valueOf(back);
    const double bound =
        0.005 + (5e-7 + std::ldexp(1.0, -23)) * (std::fabs(static_cast<double>(value)) + 0.006);
    require(read.has_value() && std::fabs(static_cast<double>(*read) - value) <= bound,
            "a rounded single reads back within half a hundredth", [&] {
                return QStringLiteral("%1 rounded as %2, read as %3")
                    .arg(QString::number(value, 'g', 9), written, back);
            });
}

void checkText(const QString& text) {
    const QString c = readOutcome(text, kC);
    const QString comma = readOutcome(text, kComma);

    // The comma locale reads its separator where the C locale reads the point,
    // and reads the point as well: with every comma made a point (none in most
    // texts), the C locale must read the same.
    QString pointed = text;
    pointed.replace(QLatin1Char(','), QLatin1Char('.'));
    const QString pointedC = pointed == text ? c : readOutcome(pointed, kC);
    require(comma == pointedC, "the comma locale reads like the C locale with points for commas",
            [&] {
                return QStringLiteral("\"%1\": %2 with commas, %3 with points")
                    .arg(text, comma, pointedC);
            });

    for (const auto& [reading, locale] : {std::pair{c, &kC}, std::pair{comma, &kComma}}) {
        if (const std::optional<float> value = valueOf(reading)) {
            requireRoundTrip(*value, *locale);
            requireRounded(*value, *locale);
        }
    }
    if (const std::optional<float> value = valueOf(c)) {
        QString commaText = SingleText(*value, kComma);
        commaText.replace(QLatin1Char(','), QLatin1Char('.'));
        require(commaText == SingleText(*value, kC), "the two locales write the same digits",
                [&] { return commaText; });
    }
}

}  // namespace

// Any bytes as a field's text, once as UTF-8 and once as UTF-16.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    // Copied, not cast: the bytes need not be aligned for char16_t.
    QString utf16(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    if (!utf16.isEmpty()) {
        std::memcpy(utf16.data(), data, static_cast<std::size_t>(utf16.size()) * 2);
    }
    checkText(utf16);
    return 0;
}
