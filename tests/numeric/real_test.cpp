#include "real.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "condition_flags.h"
#include "support/cases.h"

namespace querlin {
namespace {

double number(const QString& text) {
    return std::strtod(text.toLatin1().constData(), nullptr);
}

// The flags by name, as the cases give them: "divideByZero", "" for none.
ConditionFlags flags(const QString& names) {
    return {.invalid = names.contains(u"invalid"),
            .divideByZero = names.contains(u"divideByZero"),
            .overflow = names.contains(u"overflow")};
}

Real operate(Real a, QChar op, Real b) {
    return op == u'+' ? a + b : op == u'-' ? a - b : op == u'*' ? a * b : a / b;
}

// Each operation of a step gives its double and raises the flags IEEE 754
// gives it; each assignment rounds to the nearest single, ties to even, and
// overflows only a finite value beyond the range.
TEST(Real, OperationsAndAssignmentsRaiseTheirIeeeFlags) {
    for (const QStringList& c : testing::cases("numeric/numeric_cases.json", "operations")) {
        clearConditionFlags();
        const double result = operate(number(c[0]), c[1][0], number(c[2])).value();
        EXPECT_EQ(QString::number(result), QString::number(number(c[3])))
            << c.join(u' ').toStdString();
        EXPECT_EQ(conditionFlags(), flags(c[4])) << c.join(u' ').toStdString();
    }
    for (const QStringList& c : testing::cases("numeric/numeric_cases.json", "assignments")) {
        clearConditionFlags();
        Single s;
        s = Real(number(c[0]));
        EXPECT_EQ(QString::number(s.value(), 'g', 9), c[1]) << c[0].toStdString();
        EXPECT_EQ(conditionFlags(), flags(c[2])) << c[0].toStdString();
    }
    clearConditionFlags();
    EXPECT_EQ((-Real(1e308 * 10)).value(), -number(u"inf"_qs));
    EXPECT_FALSE(conditionFlags().any());
}

}  // namespace
}  // namespace querlin
