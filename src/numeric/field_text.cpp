#include "field_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "handler_fault.h"

namespace querlin {

namespace {

[[noreturn]] void fail(FaultKind kind) {
    throw HandlerFault({.kind = kind});
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Scans a number in the accepted form into plain ASCII that from_chars reads,
// and tells where its first significant digit stands relative to the decimal
// point, so that a value out of range can be told overflow or underflow.
struct Scanned {
    std::string ascii;
    long long magnitude = 0;  // decimal exponent of the leading significant digit, plus one
};

Scanned scan(QStringView text, const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i].isSpace()) {
        ++i;
    }
    while (end > i && text[end - 1].isSpace()) {
        --end;
    }

    Scanned out;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') {
            out.ascii.push_back('-');
        }
        ++i;
    }

    bool point = false;
    bool digits = false;
    bool significant = false;
    long long integerDigits = 0;  // significant digits before the point
    long long leadingZeros = 0;   // zeros after the point before the first significant one
    while (i < end) {
        const QChar c = text[i];
        if (isDigit(c)) {
            digits = true;
            significant = significant || c != u'0';
            if (!point && significant) {
                ++integerDigits;
            } else if (point && !significant) {
                ++leadingZeros;
            }
            out.ascii.push_back(static_cast<char>(c.unicode()));
            ++i;
        } else if (!point && (c == u'.' || text.sliced(i).startsWith(separator))) {
            point = true;
            out.ascii.push_back('.');
            i += c == u'.' ? 1 : separator.size();
        } else {
            break;
        }
    }
    if (!digits) {
        fail(FaultKind::TypeMismatch);
    }
    out.magnitude = integerDigits > 0 ? integerDigits : -leadingZeros;

    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        out.ascii.push_back('e');
        ++i;
        bool negative = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            negative = text[i] == u'-';
            if (negative) {
                out.ascii.push_back('-');
            }
            ++i;
        }
        long long exponent = 0;
        bool exponentDigits = false;
        while (i < end && isDigit(text[i])) {
            exponentDigits = true;
            // Saturate: far beyond any single, and no overflow of the counter.
            exponent = std::min(exponent * 10 + (text[i].unicode() - u'0'), 1'000'000'000LL);
            out.ascii.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
        if (!exponentDigits) {
            fail(FaultKind::TypeMismatch);
        }
        out.magnitude += negative ? -exponent : exponent;
    }
    if (i != end) {
        fail(FaultKind::TypeMismatch);
    }
    return out;
}

QString localised(std::string_view ascii, const QLocale& locale) {
    QString text = QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

}  // namespace

float ReadSingle(QStringView text, const QLocale& locale) {
    const Scanned number = scan(text, locale);
    const char* first = number.ascii.data();
    const char* last = first + number.ascii.size();
    float value = 0.0F;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (number.magnitude > 0) {
            fail(FaultKind::Overflow);
        }
        return number.ascii.front() == '-' ? -0.0F : 0.0F;
    }
    if (result.ec != std::errc{} || result.ptr != last) {
        fail(FaultKind::TypeMismatch);
    }
    return value;
}

QString SingleText(float value, const QLocale& locale) {
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    }
    if (value == 0.0F) {
        return QStringLiteral("0");  // negative zero is not negative: no sign
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<double>(value), std::chars_format::general, 7);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return localised(text, locale);
}

QString IntegerText(std::int16_t value) {
    return QString::number(value);
}

QString RoundedText(float value, int places, const QLocale& locale) {
    if (!std::isfinite(value)) {
        return SingleText(value, locale);
    }
    // 149 fractional digits hold every single exactly, denormals included.
    constexpr int kExact = 149;
    std::array<char, 48 + kExact> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<double>(value), std::chars_format::fixed, kExact);
    std::string exact(buffer.data(), result.ptr);
    const bool negative = exact.front() == '-';
    std::string digits = exact.substr(negative ? 1 : 0);
    const std::size_t point = digits.find('.');
    std::string kept = digits.substr(0, point) + digits.substr(point + 1, places);
    // Half away from zero: the magnitude rounds up whenever the first dropped
    // digit is 5 or more, because the expansion is exact.
    if (digits[point + 1 + static_cast<std::size_t>(places)] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    kept.insert(kept.size() - static_cast<std::size_t>(places), ".");
    if (negative) {
        kept.insert(kept.begin(), '-');
    }
    float rounded = 0.0F;
    std::from_chars(kept.data(), kept.data() + kept.size(), rounded);
    return SingleText(rounded, locale);
}

}  // namespace querlin
