#include "numeric/calculation.h"

#include <gtest/gtest.h>

#include "numeric/condition_flags.h"
#include "numeric/handler_fault.h"
#include "numeric/memory_fields.h"
#include "support/fault_of.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

constexpr Field kInput{"Text5", "INPUT FREQUENCY"};

using testing::faultOf;

TEST(Calculation, EveryControlAccessClearsTheFlags) {
    MemoryFields fields;
    fields.texts = {{"Text5", "7.1"}, {"Text1", ""}};
    fields.values = {{"HScroll1", 50}};
    fields.selected = {{"Option1", false}};
    Calculation c(fields);

    const auto raiseThen = [&](auto access) {
        [[maybe_unused]] Real r = Real(1) / Real(0);
        ASSERT_TRUE(conditionFlags().any());
        access();
        EXPECT_FALSE(conditionFlags().any());
    };
    raiseThen([&] { c.read(kInput); });
    raiseThen([&] { c.value("HScroll1"); });
    raiseThen([&] { c.isSelected("Option1"); });
    raiseThen([&] { c.write("Text1", u"x"_qs); });
    // A failed access clears them too.
    raiseThen([&] { EXPECT_THROW(c.write("Nowhere", u"x"_qs), HandlerFault); });
}

TEST(Calculation, CheckReportsTheGatheredFlagsAndTheStep) {
    MemoryFields fields;
    Calculation c(fields);
    c.step(9, "the quarter wavelength");
    Single x;
    x = Real(1e39);  // narrowing overflow, not checked yet
    [[maybe_unused]] Real r = Real(0) / Real(0);
    const HandlerFault fault = faultOf([&] { c.check(); });
    EXPECT_EQ(fault.kind, FaultKind::FloatingPoint);
    EXPECT_TRUE(fault.flags.overflow);
    EXPECT_TRUE(fault.flags.invalid);
    EXPECT_FALSE(fault.flags.divideByZero);
    EXPECT_EQ(fault.step, 9);
    EXPECT_EQ(fault.where, u"the quarter wavelength"_qs);
}

TEST(Calculation, ReadingFaultNamesTheFieldCaption) {
    MemoryFields fields;
    fields.texts = {{"Text5", "seven"}};
    Calculation c(fields);
    const HandlerFault fault = faultOf([&] { c.read(kInput); });
    EXPECT_EQ(fault.kind, FaultKind::TypeMismatch);
    EXPECT_EQ(fault.where, u"INPUT FREQUENCY"_qs);
    EXPECT_EQ(fields.texts["Text5"], u"seven"_qs);  // the text stays as typed
}

TEST(Calculation, MathFunctionsFaultAtTheirStep) {
    MemoryFields fields;
    Calculation c(fields);
    c.step(12, "the quarter-wave term");
    HandlerFault fault = faultOf([&] { c.log10(-1); });
    EXPECT_EQ(fault.kind, FaultKind::InvalidArgument);
    EXPECT_EQ(fault.step, 12);
    EXPECT_EQ(fault.detail, u"a logarithm"_qs);
    EXPECT_EQ(faultOf([&] { c.naturalLog(0); }).kind, FaultKind::InvalidArgument);
    c.step(4, "the ratio");
    fault = faultOf([&] { c.squareRoot(-0.5); });
    EXPECT_EQ(fault.kind, FaultKind::InvalidArgument);
    EXPECT_EQ(fault.detail, u"a square root"_qs);
    EXPECT_EQ(c.squareRoot(-0.0).value(), 0.0);
    EXPECT_DOUBLE_EQ(c.log10(1000).value(), 3.0);
}

TEST(Calculation, Integer16OverflowsOutsideItsRange) {
    MemoryFields fields;
    Calculation c(fields);
    EXPECT_EQ(c.integer16(100 - 99), 1);
    EXPECT_EQ(c.integer16(-32768), -32768);
    EXPECT_EQ(faultOf([&] { c.integer16(32768); }).kind, FaultKind::Overflow);
    EXPECT_EQ(faultOf([&] { c.integer16(-32769); }).kind, FaultKind::Overflow);
}

TEST(Calculation, WritesUseTheFieldsLocale) {
    MemoryFields fields(QLocale(QLocale::German, QLocale::Germany));
    fields.texts = {{"A", ""}, {"B", ""}, {"C", ""}};
    Calculation c(fields);
    c.writeSingle("A", Single(7.25F));
    c.writeRounded("B", Single(14.7358F), 2);
    c.writeInteger("C", 99);
    EXPECT_EQ(fields.texts["A"], u"7,25"_qs);
    EXPECT_EQ(fields.texts["B"], u"14,74"_qs);
    EXPECT_EQ(fields.texts["C"], u"99"_qs);
}

}  // namespace
}  // namespace querlin
