#include "field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "handler_fault.h"
#include "support/cases.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

const QLocale kC = QLocale::c();

QLocale locale(const QString& name) {
    return name == u"C" ? kC : QLocale(name);
}

// Every single in a text of its own; QString::number drops the sign of zero.
QString exact(float value) {
    return value == 0 && std::signbit(value) ? u"-0"_qs : QString::number(value, 'g', 9);
}

QString read(const QString& text, const QLocale& locale) {
    try {
        return exact(ReadSingle(text, locale));
    } catch (const HandlerFault& fault) {
        return fault.cause().kind == FaultKind::Overflow ? u"Overflow"_qs : u"TypeMismatch"_qs;
    }
}

// The single a decimal names, written as exact() writes it.
QString named(const QString& decimal) {
    return exact(std::strtof(decimal.toLatin1().constData(), nullptr));
}

TEST(ReadSingle, ReadsNumbersAndFaultsOnEverythingElse) {
    for (const QStringList& c : testing::cases("numeric/numeric_cases.json", "reads")) {
        const bool fault = c[2].front().isLetter();
        EXPECT_EQ(read(c[1], locale(c[0])), fault ? c[2] : named(c[2])) << c[1].toStdString();
    }
    EXPECT_EQ(read(QString(1 << 20, u'9'), kC), u"Overflow"_qs);
    EXPECT_EQ(read(u"0."_qs + QString(1 << 20, u'3'), kC), named(u"0.333333343"_qs));
}

TEST(SingleText, WritesSevenSignificantDigitsAndRoundsHalvesAway) {
    for (const QStringList& c : testing::cases("numeric/numeric_cases.json", "writes")) {
        const float value = std::strtof(c[1].toLatin1().constData(), nullptr);
        EXPECT_EQ(SingleText(value, locale(c[0])), c[2]) << c[1].toStdString();
        EXPECT_EQ(RoundedText(value, 2, locale(c[0])), c[3]) << c[1].toStdString();
    }
    EXPECT_EQ(IntegerText(0), u"0"_qs);
    EXPECT_EQ(IntegerText(-32768), u"-32768"_qs);
}

}  // namespace
}  // namespace querlin
