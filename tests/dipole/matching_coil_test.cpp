#include "dipole/matching_coil.h"

#include <gtest/gtest.h>

#include "dipole/loading_coil.h"
#include "dipole/main_window_in_memory.h"
#include "numeric/handler_fault.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

// The main window after the 40-foot dipole on 7.1 MHz with the coils half-way out.
struct AfterImperialExample : ::testing::Test {
    void SetUp() override {
        fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        calculateLoadingCoil(fields, v);
        fields.written.clear();
    }

    HandlerFault faultFor(const QString& feedline) {
        fields.texts["Text27"] = feedline;
        try {
            calculateMatchingCoil(fields, v);
        } catch (const HandlerFault& fault) {
            return fault;
        }
        ADD_FAILURE() << "no fault for " << feedline.toStdString();
        return {};
    }

    MemoryFields fields;
    DipoleVariables v;
};

TEST_F(AfterImperialExample, MatchesFiftyAndSeventyFiveOhmLines) {
    fields.texts["Text27"] = u"50"_qs;
    calculateMatchingCoil(fields, v);
    EXPECT_NEAR(v.xl.value(), 65.3996, 5e-5);
    EXPECT_NEAR(v.match.value(), 1.46396, 5e-6);
    EXPECT_EQ(fields.texts["Text24"], u"1.463956"_qs);
    EXPECT_EQ(v.mimp.value(), 50.0F);
    EXPECT_EQ(v.zt.value(), 50.0F);

    fields.texts["Text27"] = u"75"_qs;
    calculateMatchingCoil(fields, v);
    EXPECT_NEAR(v.xl.value(), 63.9193, 5e-5);
    EXPECT_NEAR(v.match.value(), 1.43082, 5e-6);
}

TEST_F(AfterImperialExample, FeedlineEqualToTheAntennaDividesByZero) {
    // Nine digits name the single exactly.
    const HandlerFault fault = faultFor(QString::number(v.za.value(), 'g', 9));
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.divideByZero);
    EXPECT_EQ(fault.step, 3);
    EXPECT_EQ(fields.texts["Text24"], u"00.0"_qs);
}

TEST_F(AfterImperialExample, FeedlineBelowTheAntennaIsAnInvalidSquareRoot) {
    const HandlerFault fault = faultFor(u"00"_qs);
    EXPECT_EQ(fault.kind, FaultKind::InvalidArgument);
    EXPECT_EQ(fault.detail, u"a square root"_qs);
    EXPECT_EQ(fault.step, 4);
    EXPECT_EQ(v.mimp.value(), 0.0F);
    EXPECT_EQ(fields.texts["Text24"], u"00.0"_qs);
    EXPECT_TRUE(fields.written.isEmpty());
}

TEST_F(AfterImperialExample, UnreadableFeedlineWritesNothing) {
    const HandlerFault fault = faultFor(u"fifty"_qs);
    EXPECT_EQ(fault.kind, FaultKind::TypeMismatch);
    EXPECT_EQ(fault.where, u"INPUT FEEDLINE IMPEDANCE"_qs);
    EXPECT_TRUE(fields.written.isEmpty());
}

TEST(MatchingCoil, BeforeAnyCalculationIsAnInvalidOperation) {
    MemoryFields fields = initialMainWindow();
    DipoleVariables v;
    fields.texts["Text27"] = u"50"_qs;
    try {
        calculateMatchingCoil(fields, v);
        ADD_FAILURE() << "expected 0 / 0";
    } catch (const HandlerFault& fault) {
        EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
        EXPECT_TRUE(fault.flags.invalid);
        EXPECT_EQ(fault.step, 6);
    }
    EXPECT_TRUE(std::isnan(v.match.value()));  // assigned before the check
    EXPECT_EQ(fields.texts["Text24"], u"00.0"_qs);

    fields.texts["Text27"] = u"0"_qs;  // both zero: 0 / 0 at the ratio
    try {
        calculateMatchingCoil(fields, v);
        ADD_FAILURE() << "expected 0 / 0";
    } catch (const HandlerFault& fault) {
        EXPECT_TRUE(fault.flags.invalid);
        EXPECT_EQ(fault.step, 3);
    }
}

}  // namespace
}  // namespace querlin
