#include "dipole/matching_coil.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dipole/coil_position.h"
#include "dipole/loading_coil.h"
#include "dipole/main_window_in_memory.h"
#include "handler_fault.h"
#include "support/fault_of.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

using testing::faultOf;

// A slider change shows the position, moves the coil symbols and stores the
// frequency and length fields as typed, a bad one faulting after the display
// moved; the matching coil then takes that frequency and the impedance of the
// last loading-coil calculation.
TEST(MatchingCoil, TakesTheFrequencyOfTheLastSliderChange) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    DipoleVariables v;
    calculateLoadingCoil(fields, v);
    const float za = v.za.value();
    fields.texts["Text5"] = u"14.2"_qs;
    fields.texts["Text6"] = u"x"_qs;
    fields.values["HScroll1"] = 99;
    EXPECT_EQ(faultOf([&] { showCoilPosition(fields, v); }).cause().where,
              u"INPUT TOTAL LENGTH"_qs);
    EXPECT_EQ(fields.texts["Text1"], u"1"_qs);
    EXPECT_EQ(fields.lefts["Picture2"], 207.9F);
    EXPECT_EQ(fields.lefts["Picture3"], 312.1F);
    EXPECT_EQ(v.freq.value(), 14.2F);
    fields.texts["Text27"] = u"50"_qs;
    calculateMatchingCoil(fields, v);
    EXPECT_EQ(v.za.value(), za);
    EXPECT_EQ(fields.texts["Text24"], u"0.7319781"_qs);  // half the coil at twice the frequency
    EXPECT_EQ(v.zt.value(), 50.0F);

    // A feed line equal to the antenna divides by zero, one below it takes the
    // root of a negative ratio; a tiny frequency overflows the inductance,
    // assigned before its check.
    fields.texts["Text27"] = QString::number(za, 'g', 9);
    EXPECT_EQ(faultOf([&] { calculateMatchingCoil(fields, v); }).cause().step, 3);
    fields.texts["Text27"] = u"20"_qs;
    EXPECT_EQ(faultOf([&] { calculateMatchingCoil(fields, v); }).cause().step, 4);
    fields.texts["Text5"] = u"1E-38"_qs;
    fields.texts["Text6"] = u"40"_qs;
    showCoilPosition(fields, v);
    fields.texts["Text27"] = u"50"_qs;
    const HandlerFault fault = faultOf([&] { calculateMatchingCoil(fields, v); });
    EXPECT_EQ(fault.cause().step, 6);
    EXPECT_EQ(fault.cause().flags, (ConditionFlags{.overflow = true}));
    EXPECT_TRUE(std::isinf(v.match.value()));
}

// Before any calculation za and freq are 0: 0 / 0 at the inductance, assigned
// before the check; after a slider change with a frequency typed, the
// matching coil is 0.
TEST(MatchingCoil, BeforeAnyCalculation) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 20);
    fields.texts["Text27"] = u"50"_qs;
    DipoleVariables v;
    EXPECT_EQ(faultOf([&] { calculateMatchingCoil(fields, v); }).cause().step, 6);
    EXPECT_TRUE(std::isnan(v.match.value()));
    EXPECT_EQ(fields.texts["Text24"], u"00.0"_qs);
    showCoilPosition(fields, v);
    calculateMatchingCoil(fields, v);
    EXPECT_EQ(fields.texts["Text24"], u"0"_qs);
}

}  // namespace
}  // namespace querlin
