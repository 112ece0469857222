#include "numeric/field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/handler_fault.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);

FaultKind readFault(const QString& text, const QLocale& locale = kC) {
    try {
        ReadSingle(text, locale);
    } catch (const HandlerFault& fault) {
        return fault.kind;
    }
    ADD_FAILURE() << "no fault for \"" << text.toStdString() << "\"";
    return FaultKind::ControlAccess;
}

TEST(ReadSingle, ReadsTheAcceptedForms) {
    EXPECT_EQ(ReadSingle(u"7.1", kC), 7.1F);
    EXPECT_EQ(ReadSingle(u"  -40  ", kC), -40.0F);
    EXPECT_EQ(ReadSingle(u"+0.08", kC), 0.08F);
    EXPECT_EQ(ReadSingle(u"1.5E3", kC), 1500.0F);
    EXPECT_EQ(ReadSingle(u"25e-1", kC), 2.5F);
    EXPECT_EQ(ReadSingle(u"5.", kC), 5.0F);
    // The initial texts of the fields read as zero.
    EXPECT_EQ(ReadSingle(u"00.0", kC), 0.0F);
    EXPECT_EQ(ReadSingle(u".00", kC), 0.0F);
    EXPECT_EQ(ReadSingle(u"00", kC), 0.0F);
}

TEST(ReadSingle, CommaLocaleAcceptsItsSeparatorAndThePoint) {
    EXPECT_EQ(ReadSingle(u"7,1", kGerman), 7.1F);
    EXPECT_EQ(ReadSingle(u"7.1", kGerman), 7.1F);
    EXPECT_EQ(ReadSingle(u".00", kGerman), 0.0F);
    EXPECT_EQ(readFault(u"1.000,5"_qs, kGerman), FaultKind::TypeMismatch);
    EXPECT_EQ(readFault(u"7,1"_qs, kC), FaultKind::TypeMismatch);
}

TEST(ReadSingle, RejectsEverythingElseAsTypeMismatch) {
    for (const char16_t* text :
         {u"", u"   ", u"abc", u"7.1 MHz", u"1,000", u"inf", u"nan", u"0x1A", u"--1", u"+-1", u".",
          u"-", u"1e", u"1e+", u"1.2.3", u"1 000", u"\u0661\u0662", u"1\u0301", u"\u202E12"}) {
        EXPECT_EQ(readFault(QString::fromUtf16(text)), FaultKind::TypeMismatch)
            << QString::fromUtf16(text).toStdString();
    }
    EXPECT_EQ(readFault(QString(QChar(0)) + u"1"_qs), FaultKind::TypeMismatch);
}

TEST(ReadSingle, OverflowBeyondTheSingleRange) {
    EXPECT_EQ(readFault(u"1E39"_qs), FaultKind::Overflow);
    EXPECT_EQ(readFault(u"-1E39"_qs), FaultKind::Overflow);
    EXPECT_EQ(readFault(u"1e999999999999999999999"_qs), FaultKind::Overflow);
    EXPECT_EQ(ReadSingle(u"3.4028234E38", kC), std::numeric_limits<float>::max());
}

TEST(ReadSingle, TooSmallReadsAsZeroOrDenormalWithoutFault) {
    EXPECT_EQ(ReadSingle(u"1e-50", kC), 0.0F);
    EXPECT_TRUE(std::signbit(ReadSingle(u"-1e-50", kC)));
    EXPECT_EQ(ReadSingle(u"1e-45", kC), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(ReadSingle(u"0.00000000000000000000000000000000000000000000000001", kC), 0.0F);
}

TEST(ReadSingle, RoundsTheDecimalOnceToNearestEven) {
    // 16777217 lies halfway between the singles 16777216 and 16777218.
    EXPECT_EQ(ReadSingle(u"16777217", kC), 16777216.0F);
    EXPECT_EQ(ReadSingle(u"16777219", kC), 16777220.0F);
    // A hair above the halfway point rounds up; rounding through double would not.
    EXPECT_EQ(ReadSingle(u"16777217.0000000001", kC), 16777218.0F);
    // 1 + 2^-24 + 2^-60: double rounding first to 1 + 2^-24 would then tie to 1.
    EXPECT_EQ(ReadSingle(u"1.000000059604644776130206819", kC), std::nextafter(1.0F, 2.0F));
}

TEST(ReadSingle, MegabyteOfDigitsIsHandled) {
    const QString digits(1 << 20, u'9');
    EXPECT_EQ(readFault(digits), FaultKind::Overflow);
    const QString fraction = u"0."_qs + QString(1 << 20, u'3');
    EXPECT_EQ(ReadSingle(fraction, kC), 1.0F / 3.0F);
}

TEST(SingleText, WritesSevenSignificantDigitsPlainly) {
    EXPECT_EQ(SingleText(12.0F, kC), u"12"_qs);
    EXPECT_EQ(SingleText(-0.5F, kC), u"-0.5"_qs);
    EXPECT_EQ(SingleText(0.5F, kC), u"0.5"_qs);
    EXPECT_EQ(SingleText(1234567.0F, kC), u"1234567"_qs);
    EXPECT_EQ(SingleText(31.555555F, kC), u"31.55556"_qs);
    EXPECT_EQ(SingleText(0.0F, kC), u"0"_qs);
    EXPECT_EQ(SingleText(-0.0F, kC), u"0"_qs);
}

TEST(SingleText, SwitchesToExponentFormLikePercentG) {
    EXPECT_EQ(SingleText(1e7F, kC), u"1E+07"_qs);
    EXPECT_EQ(SingleText(12345678.0F, kC), u"1.234568E+07"_qs);
    EXPECT_EQ(SingleText(1e-5F, kC), u"1E-05"_qs);
    EXPECT_EQ(SingleText(0.0001F, kC), u"0.0001"_qs);
}

TEST(SingleText, UsesTheLocaleSeparatorAndRoundTrips) {
    EXPECT_EQ(SingleText(7.1F, kGerman), u"7,1"_qs);
    for (float value : {7.1F, -1.93455F, 282.9104F, 3.4e38F, 1.5e-40F, 0.1F}) {
        EXPECT_EQ(ReadSingle(SingleText(value, kGerman), kGerman),
                  ReadSingle(SingleText(value, kC), kC));
    }
}

// Seven digits keep within 5e-7 of the value; reading them back rounds once
// more, to the nearest single, by up to half the spacing of singles (2^-24 of
// the value). Fuzzing found this single coming back 5.3e-7 away.
TEST(SingleText, ReadsBackWithinSevenDigitsAndHalfASpacingOfSingles) {
    const float value = 0.100044549F;
    EXPECT_EQ(SingleText(value, kC), u"0.1000445"_qs);
    const float back = ReadSingle(SingleText(value, kC), kC);
    EXPECT_EQ(back, 0.100044496F);
    const double error = std::fabs(static_cast<double>(back) - value) / value;
    EXPECT_GT(error, 5e-7);
    EXPECT_LE(error, 5e-7 + std::ldexp(1.0, -24));
}

// The single nearest a power of ten can lie just below it, where the seventh
// digit is finer: written again it gives other digits for the same single.
TEST(SingleText, WritingWhatWasReadSettlesAtOnce) {
    const float above = 1.00000006e28F;
    EXPECT_EQ(SingleText(above, kC), u"1E+28"_qs);
    const float nearest = ReadSingle(u"1E+28", kC);
    EXPECT_LT(static_cast<double>(nearest), 1e28);
    EXPECT_EQ(SingleText(nearest, kC), u"9.999999E+27"_qs);
    EXPECT_EQ(ReadSingle(u"9.999999E+27", kC), nearest);
}

TEST(SingleText, NonFiniteValuesReadPlainly) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(SingleText(inf, kC), u"Infinity"_qs);
    EXPECT_EQ(SingleText(-inf, kC), u"-Infinity"_qs);
    EXPECT_EQ(SingleText(std::nanf(""), kC), u"NaN"_qs);
}

TEST(IntegerText, WritesDigitsWithSign) {
    EXPECT_EQ(IntegerText(0), u"0"_qs);
    EXPECT_EQ(IntegerText(99), u"99"_qs);
    EXPECT_EQ(IntegerText(-32768), u"-32768"_qs);
}

TEST(RoundedText, RoundsTheExactSingleHalfAwayFromZero) {
    EXPECT_EQ(RoundedText(2.125F, 2, kC), u"2.13"_qs);
    EXPECT_EQ(RoundedText(-2.125F, 2, kC), u"-2.13"_qs);
    EXPECT_EQ(RoundedText(2.999F, 2, kC), u"3"_qs);
    EXPECT_EQ(RoundedText(4.5F, 2, kC), u"4.5"_qs);
    EXPECT_EQ(RoundedText(14.7358F, 2, kC), u"14.74"_qs);
    EXPECT_EQ(RoundedText(-1.93455F, 2, kC), u"-1.93"_qs);
    // 0.145 as a single lies just below 0.145, so it rounds down.
    EXPECT_EQ(RoundedText(0.145F, 2, kC), u"0.14"_qs);
    EXPECT_EQ(RoundedText(99.995F, 2, kC), u"100"_qs);
    EXPECT_EQ(RoundedText(-0.001F, 2, kC), u"0"_qs);
    EXPECT_EQ(RoundedText(123456.789F, 2, kC), u"123456.8"_qs);
    EXPECT_EQ(RoundedText(14.7358F, 2, kGerman), u"14,74"_qs);
}

}  // namespace
}  // namespace querlin
