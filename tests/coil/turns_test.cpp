#include "coil/turns.h"

#include <gtest/gtest.h>

#include <cmath>

#include "coil/coil_window_in_memory.h"
#include "numeric/handler_fault.h"
#include "numeric/memory_fields.h"
#include "support/fault_of.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

const QString kFit = QString::fromLatin1(kFitMessage);
const QString kTooSmall = QString::fromLatin1(kTooSmallMessage);

HandlerFault faultOf(MemoryFields& fields, CoilVariables& v) {
    return testing::faultOf([&] { calculateTurns(fields, v); });
}

void expectOutputsUntouched(const MemoryFields& fields) {
    EXPECT_EQ(fields.texts.at("Text14"), u"0"_qs);
    EXPECT_EQ(fields.texts.at("Text15"), u""_qs);
    EXPECT_TRUE(fields.written.isEmpty());
}

TEST(Turns, ShortWindingFitsTheCoil) {
    MemoryFields fields = coilWindowWith(u"10"_qs, u"1"_qs, u"2"_qs, u"0.05"_qs);
    CoilVariables v;
    calculateTurns(fields, v);

    EXPECT_EQ(v.mh.value(), 10.0F);
    EXPECT_EQ(v.cd.value(), 0.5F);  // halved in place: the radius
    EXPECT_EQ(v.cl.value(), 2.0F);
    EXPECT_EQ(v.cd1.value(), 4.5F);
    EXPECT_EQ(v.cl1.value(), 20.0F);
    EXPECT_EQ(v.co.value(), 24.5F);
    EXPECT_EQ(v.coi.value(), 0.25F);
    EXPECT_EQ(v.tu.value(), 98.0F);
    EXPECT_EQ(v.tur.value(), 980.0F);
    EXPECT_EQ(v.nt.value(), static_cast<float>(std::sqrt(980.0)));
    EXPECT_NEAR(v.tl.value(), 1.5652477, 1e-7);
    EXPECT_EQ(fields.texts["Text14"], u"31.30495"_qs);
    EXPECT_EQ(fields.texts["Text15"], kFit);
    EXPECT_EQ(fields.written, (QStringList{u"Text14"_qs, u"Text15"_qs}));
}

// The loading coil of the 40-foot dipole on 7.1 MHz, wound with 16 AWG on a 1-inch former.
TEST(Turns, LoadingCoilOfTheWorkedExampleFits) {
    MemoryFields fields = coilWindowWith(u"14.74"_qs, u"1"_qs, u"2"_qs, u".051"_qs);
    CoilVariables v;
    calculateTurns(fields, v);
    EXPECT_EQ(fields.texts["Text14"], u"38.00684"_qs);
    EXPECT_NEAR(v.tl.value(), 1.938349, 5e-7);
    EXPECT_EQ(fields.texts["Text15"], kFit);
}

TEST(Turns, LongWindingIsTooSmallAndReplacesTheWholeMessage) {
    MemoryFields fields = coilWindowWith(u"10"_qs, u"1"_qs, u"2"_qs, u"0.05"_qs);
    CoilVariables v;
    calculateTurns(fields, v);
    ASSERT_EQ(fields.texts["Text15"], kFit);

    fields.texts["Text10"] = u"1"_qs;
    fields.texts["Text12"] = u"0.1"_qs;
    calculateTurns(fields, v);
    EXPECT_EQ(v.tu.value(), 58.0F);
    EXPECT_NEAR(v.tl.value(), 2.408319, 5e-7);
    EXPECT_EQ(fields.texts["Text14"], u"24.08319"_qs);
    EXPECT_EQ(fields.texts["Text15"], kTooSmall);

    // Whatever the user typed into the message box goes as a whole.
    fields.texts["Text15"] = u"typed over a much longer line than either of the two messages"_qs;
    calculateTurns(fields, v);
    EXPECT_EQ(fields.texts["Text15"], kTooSmall);
}

TEST(Turns, WindingExactlyAsLongAsTheCoilFits) {
    MemoryFields fields = coilWindowWith(u"16"_qs, u"2"_qs, u"0.7"_qs, u"0.04375"_qs);
    CoilVariables v;
    calculateTurns(fields, v);
    EXPECT_EQ(v.tl.value(), v.cl.value());
    EXPECT_EQ(fields.texts["Text14"], u"16"_qs);
    EXPECT_EQ(fields.texts["Text15"], kFit);

    // An earlier too-small message does not stay beside the new turns.
    MemoryFields after = coilWindowWith(u"16"_qs, u"2"_qs, u"0.7"_qs, u"0.04375"_qs);
    after.texts["Text15"] = kTooSmall;
    calculateTurns(after, v);
    EXPECT_EQ(after.texts["Text15"], kFit);
}

TEST(Turns, ZeroInductanceGivesNoTurnsThatFit) {
    MemoryFields fields = coilWindowWith(u"0"_qs, u"1"_qs, u"2"_qs, u"0.05"_qs);
    CoilVariables v;
    calculateTurns(fields, v);
    EXPECT_EQ(fields.texts["Text14"], u"0"_qs);
    EXPECT_EQ(v.tl.value(), 0.0F);
    EXPECT_EQ(fields.texts["Text15"], kFit);
}

TEST(Turns, InitialTextsDivideZeroByZero) {
    MemoryFields fields = initialCoilWindow();
    CoilVariables v;
    v.tu = Single(98.0F);
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.invalid);
    EXPECT_FALSE(fault.flags.divideByZero);
    EXPECT_EQ(fault.step, 10);
    EXPECT_EQ(fault.where, u"the turns squared per microhenry"_qs);
    EXPECT_EQ(v.tu.value(), 98.0F);  // checked before it is assigned
    expectOutputsUntouched(fields);

    MemoryFields zeroDiameter = coilWindowWith(u"10"_qs, u"0"_qs, u"2"_qs, u"0.05"_qs);
    const HandlerFault byZero = faultOf(zeroDiameter, v);
    EXPECT_EQ(byZero.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(byZero.flags.divideByZero);
    EXPECT_EQ(byZero.step, 10);
    expectOutputsUntouched(zeroDiameter);
}

TEST(Turns, NegativeInductanceHasNoSquareRoot) {
    MemoryFields fields = coilWindowWith(u"-10"_qs, u"1"_qs, u"2"_qs, u"0.05"_qs);
    CoilVariables v;
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::InvalidArgument);
    EXPECT_EQ(fault.step, 12);
    EXPECT_EQ(fault.detail, u"a square root"_qs);
    EXPECT_EQ(v.tur.value(), -980.0F);
    expectOutputsUntouched(fields);

    // A negative coil length against a positive inductance: the same fault.
    MemoryFields negativeLength = coilWindowWith(u"10"_qs, u"1"_qs, u"-2"_qs, u"0.05"_qs);
    EXPECT_EQ(faultOf(negativeLength, v).kind, FaultKind::InvalidArgument);
    expectOutputsUntouched(negativeLength);
}

TEST(Turns, ReadingFaultKeepsOutputsAndEarlierVariables) {
    MemoryFields fields = coilWindowWith(u"10"_qs, u"1"_qs, u"two"_qs, u"0.05"_qs);
    CoilVariables v;
    v.cl = Single(5.0F);
    HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::TypeMismatch);
    EXPECT_EQ(fault.where, u"COIL LENGTH"_qs);
    EXPECT_EQ(v.mh.value(), 10.0F);
    EXPECT_EQ(v.cd.value(), 1.0F);  // read, but not yet halved
    EXPECT_EQ(v.cl.value(), 5.0F);
    expectOutputsUntouched(fields);

    MemoryFields empty = coilWindowWith(u""_qs, u"1"_qs, u"2"_qs, u"0.05"_qs);
    fault = faultOf(empty, v);
    EXPECT_EQ(fault.kind, FaultKind::TypeMismatch);
    EXPECT_EQ(fault.where, u"MICROHENRYS"_qs);

    MemoryFields huge = coilWindowWith(u"10"_qs, u"1"_qs, u"2"_qs, u"1E39"_qs);
    fault = faultOf(huge, v);
    EXPECT_EQ(fault.kind, FaultKind::Overflow);
    EXPECT_EQ(fault.where, u"WIRE DECIMAL"_qs);
    expectOutputsUntouched(huge);

    MemoryFields letters = coilWindowWith(u"10"_qs, u"1 inch"_qs, u"2"_qs, u"0.05"_qs);
    EXPECT_EQ(faultOf(letters, v).where, u"COIL DIAMETER"_qs);
}

TEST(Turns, TurnsSquaredBeyondSingleNeverShowInfiniteTurns) {
    MemoryFields fields = coilWindowWith(u"3E38"_qs, u"1"_qs, u"2"_qs, u"0.05"_qs);
    CoilVariables v;
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.overflow);
    EXPECT_EQ(fault.step, 11);
    EXPECT_TRUE(std::isinf(v.tur.value()));  // assigned, then checked
    expectOutputsUntouched(fields);
}

TEST(Turns, QuotientOverflowingOnRoundingIsCaughtAtTheNextStep) {
    MemoryFields fields = coilWindowWith(u"10"_qs, u"1E-15"_qs, u"1E10"_qs, u"0.05"_qs);
    CoilVariables v;
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.overflow);
    EXPECT_EQ(fault.step, 11);
    EXPECT_TRUE(std::isinf(v.tu.value()));
    EXPECT_EQ(v.tur.value(), 0.0F);  // the product is checked before it is assigned
    expectOutputsUntouched(fields);
}

TEST(Turns, WindingLengthBeyondSingleKeepsTheNewTurnsAndTheOldMessage) {
    MemoryFields fields = coilWindowWith(u"10"_qs, u"1"_qs, u"2"_qs, u"3E38"_qs);
    fields.texts["Text15"] = kTooSmall;
    CoilVariables v;
    const HandlerFault fault = faultOf(fields, v);
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.overflow);
    EXPECT_EQ(fault.step, 14);
    EXPECT_EQ(fault.where, u"the winding length"_qs);
    EXPECT_TRUE(std::isinf(v.tl.value()));
    EXPECT_EQ(fields.texts["Text14"], u"31.30495"_qs);
    EXPECT_EQ(fields.texts["Text15"], kTooSmall);
    EXPECT_EQ(fields.written, QStringList{u"Text14"_qs});
}

}  // namespace
}  // namespace querlin
