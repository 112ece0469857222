#include "calculation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "condition_flags.h"
#include "handler_fault.h"
#include "memory_fields.h"
#include "support/fault_of.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

using testing::faultOf;

TEST(Calculation, EveryControlAccessClearsTheFlagsEvenWhenItFails) {
    MemoryFields fields;
    fields.texts = {{"Text5", "7.1"}, {"Text1", ""}};
    fields.values = {{"HScroll1", 50}};
    fields.selected = {{"Option1", false}};
    fields.lefts = {{"Picture2", 0}};
    Calculation c(fields);
    const std::vector<std::function<void()>> accesses{
        [&] {
            c.read({"Text5", "INPUT FREQUENCY", "Form1"});
        },
        [&] { c.value("HScroll1"); },
        [&] { c.isSelected("Option1"); },
        [&] { c.writeInteger("Text1", 7); },
        [&] { c.setLeft("Picture2", Single(1.5F)); },
        [&] { EXPECT_THROW(c.write("Nowhere", u"x"_qs), HandlerFault); },
    };
    for (const auto& access : accesses) {
        [[maybe_unused]] const Real r = Real(1) / Real(0);
        access();
        EXPECT_FALSE(conditionFlags().any());
    }
}

// The check reports every flag gathered since the last access, at its step;
// the functions fault on what they cannot take, at theirs.
TEST(Calculation, FaultsNameTheirStep) {
    MemoryFields fields;
    Calculation c(fields);
    c.step(9, "the quarter wavelength");
    EXPECT_EQ(c.checked(Real(2)).value(), 2.0);
    Single x;
    x = Real(1e39);  // the rounding overflows, not checked yet
    [[maybe_unused]] const Real r = Real(0) / Real(0);
    HandlerFault fault = faultOf([&] { c.check(); });
    EXPECT_EQ(fault.cause().step, 9);
    EXPECT_EQ(fault.message,
              u"An invalid operation and an overflow occurred while calculating the quarter "
              "wavelength."_qs);

    EXPECT_DOUBLE_EQ(c.log10(0.001).value(), -3.0);
    EXPECT_DOUBLE_EQ(c.naturalLog(0.05).value(), std::log(0.05));
    EXPECT_EQ(c.squareRoot(2.25).value(), 1.5);
    EXPECT_EQ(c.squareRoot(-0.0).value(), 0.0);
    EXPECT_EQ(c.integer16(-32768), -32768);
    c.step(4, "the ratio");
    for (const auto& run : std::vector<std::function<void()>>{
             [&] { c.naturalLog(0); }, [&] { c.squareRoot(std::nan("")); },
             [&] { c.integer16(32768); }, [&] { c.integer16(-32769); }}) {
        fault = faultOf(run);
        EXPECT_EQ(fault.cause().step, 4);
        EXPECT_NE(fault.cause().kind, FaultKind::FloatingPoint);
    }
}

}  // namespace
}  // namespace querlin
