#include "dipole/loading_coil.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dipole/main_window_in_memory.h"
#include "handler_fault.h"
#include "support/fault_of.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

// Each step's value, rounded to single before the next step uses it; what the
// window shows is in designs.txt.
TEST(LoadingCoil, StepsOfTheFortyFootDipole) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 1);
    DipoleVariables v;
    calculateLoadingCoil(fields, v);
    EXPECT_EQ(v.b.value(), 19.7999992F);
    EXPECT_EQ(v.y.value(), 20.0F - 19.7999992F);  // from the rounded b, not 0.2
    EXPECT_NEAR(v.s4.value(), 3.89075, 5e-6);

    fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    calculateLoadingCoil(fields, v);
    const std::vector<std::pair<Single, double>> steps{
        {v.x, 32.9577},   {v.s1, 73.8946},   {v.s2, 0.0908763}, {v.s3, -0.0295493},
        {v.s4, 0.247712}, {v.s5, -0.815874}, {v.mhy, 14.7358},  {v.za, 31.5556},
        {v.el, 0.08},     {v.lth, 40},       {v.dis, 10},       {v.y, 10},
    };
    for (const auto& [value, expected] : steps) {
        EXPECT_NEAR(value.value(), expected, std::fabs(expected) * 2e-6);
    }
    fields = mainWindowWith(u"7.1"_qs, u"12.19"_qs, u"2.03"_qs, 50, true);
    calculateLoadingCoil(fields, v);
    EXPECT_NEAR(v.lth.value(), 39.99539, 5e-5);
    EXPECT_NEAR(v.el.value(), 0.079982, 5e-7);
}

// Where each fault is reported: a rounding that overflows at the check of the
// step after it. A fault writes no field and leaves the variables assigned
// before it, za that of the last calculation, and the value of a step that
// assigns before its check.
TEST(LoadingCoil, FaultsKeepWhatWasAssigned) {
    const std::vector<std::tuple<QStringList, bool, int>> faults{
        {{"7.1", "40", ""}, false, 0},         {{"7.1", "3E38", "0.08"}, true, 3},
        {{"0", "40", "0.08"}, false, 9},       {{"7.1", "40", "0"}, false, 12},
        {{"31", "4E20", "0.08"}, false, 13},   {{"7.1", "0", "0.08"}, false, 14},
        {{"7.1", "2E-38", "0.08"}, false, 15}, {{"30", "4E20", "0.08"}, false, 17},
    };
    DipoleVariables v;
    v.za = Single(31.5F);
    for (const auto& [texts, metric, step] : faults) {
        MemoryFields fields = mainWindowWith(texts[0], texts[1], texts[2], 50, metric);
        EXPECT_EQ(testing::faultOf([&] { calculateLoadingCoil(fields, v); }).cause().step, step);
        EXPECT_TRUE(fields.written.isEmpty());
        EXPECT_EQ(v.za.value(), 31.5F);
    }
    EXPECT_TRUE(std::isinf(v.mhy.value()));
    EXPECT_EQ(v.lth.value(), 4E20F);
}

}  // namespace
}  // namespace querlin
