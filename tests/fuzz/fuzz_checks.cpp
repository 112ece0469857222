#include "fuzz_checks.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "field_text.h"

namespace querlin::fuzzing {

namespace {

// Seven significant digits lie within half a unit of the seventh digit, at most
// 5e-7 of the value; reading that decimal back rounds it to the nearest single,
// half a spacing of singles more: 2^-24 of the value, or 2^-150 among the
// denormals, whose spacing is fixed. 5e-7 alone does not hold: over every
// single it fails for 486,501 of them, worst for 1.0000005E-38, which comes
// back 5.6e-7 away.
double roundTripBound(double value, double read) {
    const double magnitude = std::max(std::fabs(value), std::fabs(read));
    return 5e-7 * std::fabs(value) + std::max(std::ldexp(magnitude, -24), std::ldexp(1.0, -150));
}

// A written number whose digits are a one and zeros: 1, 100, 0.001, 1E+28.
bool isPowerOfTen(const QString& text, const QLocale& locale) {
    static const QString pattern = QStringLiteral("-?(10*|0%10*1)(E[+-][0-9]+)?");
    const QRegularExpression powerOfTen(QRegularExpression::anchoredPattern(
        pattern.arg(QRegularExpression::escape(locale.decimalPoint()))));
    return powerOfTen.match(text).hasMatch();
}

}  // namespace

void violated(const char* invariant, const QString& detail) {
    std::fprintf(stderr, "invariant violated: %s\n  %s\n", invariant, qPrintable(detail));
    std::abort();
}

void requireListedFault(const HandlerFault& fault) {
    switch (fault.cause().kind) {
        case FaultKind::TypeMismatch:
        case FaultKind::Overflow:
        case FaultKind::InvalidArgument:
            break;
        case FaultKind::FloatingPoint:
            require(fault.cause().flags.any(), "a floating-point fault names its conditions",
                    [&] { return fault.message; });
            break;
        case FaultKind::ControlAccess:
            violated("no handler faults on a control access", fault.message);
    }
    require(!fault.cause().where.isEmpty(), "a fault says where it arose",
            [&] { return fault.message; });
}

QString readOutcome(QStringView text, const QLocale& locale) {
    try {
        const float value = ReadSingle(text, locale);
        require(std::isfinite(value), "ReadSingle gives a finite single",
                [&] { return text.toString(); });
        return QString::asprintf("%a", static_cast<double>(value));
    } catch (const HandlerFault& fault) {
        require(fault.cause().kind == FaultKind::TypeMismatch ||
                    fault.cause().kind == FaultKind::Overflow,
                "ReadSingle faults only with TypeMismatch or Overflow",
                [&] { return text.toString(); });
        return fault.cause().kind == FaultKind::Overflow ? u"Overflow"_qs : u"TypeMismatch"_qs;
    }
}

std::optional<float> valueOf(const QString& outcome) {
    if (outcome.front().isLetter()) {
        return std::nullopt;
    }
    return std::strtof(outcome.toLatin1().constData(), nullptr);
}

void requireRoundTrip(float value, const QLocale& locale) {
    const QString written = SingleText(value, locale);
    const QString back = readOutcome(written, locale);
    const std::optional<float> read = valueOf(back);
    const auto detail = [&] {
        return QStringLiteral("%1 written as %2, read as %3")
            .arg(QString::number(value, 'g', 9), written, back);
    };
    require(!isNonFiniteText(written), "a finite single is written as a number", detail);
    require(read.has_value(), "what SingleText writes reads back", detail);
    const double error = std::fabs(static_cast<double>(*read) - static_cast<double>(value));
    require(error <= roundTripBound(value, *read),
            "a written single reads back within seven significant digits", detail);

    // The nearest single to a power of ten can lie just below it, in the decade
    // whose seventh digit is finer: 1E+28 reads as 9.99999944E+27, written
    // 9.999999E+27. Everywhere else the text is already the fixed point.
    const QString again = SingleText(*read, locale);
    const auto detailAgain = [&] { return detail() + QStringLiteral(", again as ") + again; };
    require(again == written || isPowerOfTen(written, locale),
            "a written single is written the same after reading it back", detailAgain);
    require(readOutcome(again, locale) == back, "reading and writing again changes nothing",
            detailAgain);
}

bool isNonFiniteText(const QString& text) {
    return text == u"Infinity" || text == u"-Infinity" || text == u"NaN";
}

}  // namespace querlin::fuzzing
