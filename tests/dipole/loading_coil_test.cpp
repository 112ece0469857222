#include "dipole/loading_coil.h"

#include <gtest/gtest.h>

#include "dipole/main_window_in_memory.h"
#include "numeric/handler_fault.h"
#include "support/fault_of.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

HandlerFault faultOf(MemoryFields& fields, DipoleVariables& v) {
    return testing::faultOf([&] { calculateLoadingCoil(fields, v); });
}

void expectOutputsUntouched(const MemoryFields& fields) {
    EXPECT_EQ(fields.texts.at("Text10"), u"00.0"_qs);
    EXPECT_EQ(fields.texts.at("Text17"), u"00"_qs);
    EXPECT_EQ(fields.texts.at("Text20"), u"00"_qs);
    EXPECT_TRUE(fields.written.isEmpty());
}

TEST(LoadingCoil, ImperialExampleWithCoilsHalfWayOut) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    DipoleVariables v;
    calculateLoadingCoil(fields, v);

    EXPECT_EQ(v.b.value(), 10.0F);
    EXPECT_EQ(v.y.value(), 10.0F);
    EXPECT_EQ(v.dis.value(), 10.0F);
    EXPECT_NEAR(v.x.value(), 32.9577, 5e-5);
    EXPECT_NEAR(v.s1.value(), 73.8946, 5e-5);
    EXPECT_NEAR(v.s2.value(), 0.0908763, 5e-8);
    EXPECT_NEAR(v.s3.value(), -0.0295493, 5e-8);
    EXPECT_NEAR(v.s4.value(), 0.247712, 5e-7);
    EXPECT_NEAR(v.s5.value(), -0.815874, 5e-7);
    EXPECT_NEAR(v.mhy.value(), 14.7358, 5e-5);
    EXPECT_NEAR(v.za.value(), 31.5556, 5e-5);
    EXPECT_EQ(fields.texts["Text10"], u"10"_qs);
    EXPECT_EQ(fields.texts["Text17"], u"14.74"_qs);
    EXPECT_EQ(fields.texts["Text20"], u"31.55556"_qs);
    EXPECT_EQ(fields.written, (QStringList{u"Text10"_qs, u"Text17"_qs, u"Text20"_qs}));
}

TEST(LoadingCoil, SliderEndsUseTheRoundedCoilDistance) {
    MemoryFields nearEnds = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 1);
    DipoleVariables v;
    calculateLoadingCoil(nearEnds, v);
    EXPECT_EQ(v.dis.value(), 19.7999992F);
    EXPECT_NEAR(v.y.value(), 0.2000008, 5e-8);
    EXPECT_NEAR(v.s4.value(), 3.89075, 5e-6);
    EXPECT_NEAR(v.mhy.value(), 282.910, 5e-4);
    EXPECT_EQ(nearEnds.texts["Text10"], u"19.8"_qs);

    MemoryFields nearCentre = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 99);
    calculateLoadingCoil(nearCentre, v);
    EXPECT_NEAR(v.dis.value(), 0.2000008, 5e-8);
    EXPECT_NEAR(v.y.value(), 19.8, 5e-6);
    EXPECT_NEAR(v.mhy.value(), 9.43217, 5e-6);
}

TEST(LoadingCoil, LongAntennasGiveSmallerAndNegativeInductances) {
    struct Case {
        const char16_t* length;
        double mhy;
        double tolerance;
    };
    for (const Case& c :
         {Case{u"66", 2.652, 5e-4}, Case{u"74", -0.077, 5e-4}, Case{u"80", -1.93455, 1e-5}}) {
        MemoryFields fields =
            mainWindowWith(u"7.1"_qs, QString::fromUtf16(c.length), u"0.08"_qs, 50);
        DipoleVariables v;
        calculateLoadingCoil(fields, v);
        EXPECT_NEAR(v.mhy.value(), c.mhy, c.tolerance)
            << QString::fromUtf16(c.length).toStdString();
    }
    MemoryFields halfWave = mainWindowWith(u"7.1"_qs, u"66"_qs, u"0.08"_qs, 50);
    DipoleVariables v;
    calculateLoadingCoil(halfWave, v);
    EXPECT_NEAR(v.za.value(), 52.07, 5e-3);

    MemoryFields eighty = mainWindowWith(u"7.1"_qs, u"80"_qs, u"0.08"_qs, 50);
    calculateLoadingCoil(eighty, v);
    EXPECT_EQ(eighty.texts["Text17"], u"-1.93"_qs);
    EXPECT_NEAR(v.za.value(), 63.1111, 5e-5);
}

TEST(LoadingCoil, MetricConvertsOnReadingAndShowsMetres) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"12.19"_qs, u"2.03"_qs, 50, true);
    DipoleVariables v;
    calculateLoadingCoil(fields, v);
    EXPECT_NEAR(v.lth.value(), 39.99539, 5e-5);
    EXPECT_NEAR(v.el.value(), 0.079982, 5e-7);
    EXPECT_NEAR(v.dis.value(), 3.04765, 5e-6);
    EXPECT_NEAR(v.mhy.value(), 14.7392, 5e-5);
    EXPECT_NEAR(v.za.value(), 31.5519, 5e-5);
    EXPECT_EQ(fields.texts["Text17"], u"14.74"_qs);

    // The same typed numbers under FEET are a different antenna.
    MemoryFields feet = mainWindowWith(u"7.1"_qs, u"12.19"_qs, u"2.03"_qs, 50, false);
    calculateLoadingCoil(feet, v);
    EXPECT_NE(feet.texts["Text17"], fields.texts["Text17"]);
    EXPECT_NE(feet.texts["Text10"], fields.texts["Text10"]);
}

TEST(LoadingCoil, InitialTextsDivideByZeroForTheQuarterWave) {
    MemoryFields fields = initialMainWindow();
    DipoleVariables v;
    v.za = Single(31.5F);
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.divideByZero);
    EXPECT_EQ(fault.step, 9);
    expectOutputsUntouched(fields);
    EXPECT_EQ(v.za.value(), 31.5F);  // za keeps its previous value
}

TEST(LoadingCoil, ElementDiameterFaultsAtTheQuarterWaveTerm) {
    MemoryFields zero = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0"_qs, 50);
    DipoleVariables v;
    HandlerFault fault = faultOf(zero, v);
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.divideByZero);
    EXPECT_EQ(fault.step, 12);
    expectOutputsUntouched(zero);

    MemoryFields negative = mainWindowWith(u"7.1"_qs, u"40"_qs, u"-0.08"_qs, 50);
    fault = faultOf(negative, v);
    EXPECT_EQ(fault.kind, FaultKind::InvalidArgument);
    EXPECT_EQ(fault.step, 12);

    MemoryFields negativeFrequency = mainWindowWith(u"-7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    fault = faultOf(negativeFrequency, v);
    EXPECT_EQ(fault.kind, FaultKind::InvalidArgument);
    EXPECT_EQ(fault.step, 12);
    expectOutputsUntouched(negativeFrequency);
}

TEST(LoadingCoil, ZeroLengthFaultsAtTheLogarithmBeforeTheReciprocal) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"0"_qs, u"0.08"_qs, 50);
    DipoleVariables v;
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::InvalidArgument);
    EXPECT_EQ(fault.step, 14);
    EXPECT_EQ(fault.detail, u"a logarithm"_qs);
    EXPECT_EQ(v.y.value(), 0.0F);
    expectOutputsUntouched(fields);
}

TEST(LoadingCoil, ReadingFaultKeepsOutputsAndEarlierVariables) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u""_qs, 50);
    DipoleVariables v;
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::TypeMismatch);
    EXPECT_EQ(fault.where, u"INPUT ELEMENT SIZE"_qs);
    EXPECT_EQ(v.freq.value(), 7.1F);
    EXPECT_EQ(v.lth.value(), 40.0F);
    EXPECT_EQ(v.el.value(), 0.0F);
    expectOutputsUntouched(fields);

    MemoryFields huge = mainWindowWith(u"7.1"_qs, u"1E39"_qs, u"0.08"_qs, 50);
    EXPECT_EQ(faultOf(huge, v).kind, FaultKind::Overflow);
}

TEST(LoadingCoil, MetricOverflowAssignsBeforeTheCheck) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"3E38"_qs, u"0.08"_qs, 50, true);
    DipoleVariables v;
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.overflow);
    EXPECT_EQ(fault.step, 3);
    EXPECT_TRUE(std::isinf(v.lth.value()));
    expectOutputsUntouched(fields);
}

}  // namespace
}  // namespace querlin
