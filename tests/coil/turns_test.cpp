#include "coil/turns.h"

#include <gtest/gtest.h>

#include <cmath>

#include "coil/coil_window_in_memory.h"
#include "handler_fault.h"
#include "support/fault_of.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

// Every operation is a step of its own, rounded to single; what the window
// shows is in windings.txt.
TEST(Turns, EveryOperationIsAStepOfItsOwn) {
    MemoryFields fields = coilWindowWith(u"10"_qs, u"1"_qs, u"2"_qs, u"0.05"_qs);
    CoilVariables v;
    calculateTurns(fields, v);
    const std::vector<std::pair<Single, float>> steps{
        {v.mh, 10},    {v.cd, 0.5},        {v.cl, 2},
        {v.wd, 0.05F}, {v.cd1, 4.5},       {v.cl1, 20},
        {v.co, 24.5},  {v.coi, 0.25},      {v.tu, 98},
        {v.tur, 980},  {v.tl, 1.5652477F}, {v.nt, static_cast<float>(std::sqrt(980.0))},
    };
    for (const auto& [value, expected] : steps) {
        EXPECT_EQ(value.value(), expected);
    }
    EXPECT_EQ(fields.written, (QStringList{u"Text14"_qs, u"Text15"_qs}));
}

// The message box keeps its text after a fault, and after a winding exactly as
// long as the coil only when nothing else stood there; the number of turns is
// shown before the winding length faults.
TEST(Turns, TheMessageAndTheTurnsAfterAFault) {
    const QString kTooSmall = QString::fromLatin1(kTooSmallMessage);
    MemoryFields fields = coilWindowWith(u"10"_qs, u"1"_qs, u"2"_qs, u"3E38"_qs);
    fields.texts["Text15"] = kTooSmall;
    CoilVariables v;
    EXPECT_EQ(testing::faultOf([&] { calculateTurns(fields, v); }).cause().step, 14);
    EXPECT_EQ(fields.texts["Text14"], u"31.30495"_qs);
    EXPECT_EQ(fields.texts["Text15"], kTooSmall);
    EXPECT_TRUE(std::isinf(v.tl.value()));

    fields = coilWindowWith(u"10"_qs, u"1"_qs, u"two"_qs, u"0.05"_qs);
    v.cl = Single(5.0F);
    EXPECT_EQ(testing::faultOf([&] { calculateTurns(fields, v); }).cause().where,
              u"COIL LENGTH"_qs);
    EXPECT_EQ(v.cd.value(), 1.0F);  // read, not yet halved
    EXPECT_EQ(v.cl.value(), 5.0F);

    fields = coilWindowWith(u"16"_qs, u"2"_qs, u"0.7"_qs, u"0.04375"_qs);
    fields.texts["Text15"] = kTooSmall;
    calculateTurns(fields, v);
    EXPECT_EQ(fields.texts["Text15"], QString::fromLatin1(kFitMessage));
}

// A rounding to single that overflows is reported at the check of the step
// after it; each other fault at its own step.
TEST(Turns, EachFaultAtItsStep) {
    const std::vector<std::pair<QStringList, int>> faults{
        {{"10", "1E38", "2", "0.05"}, 7}, {{"10", "1", "3E38", "0.05"}, 8},
        {{"10", "0", "2", "0.05"}, 10},   {{"3E38", "1", "2", "0.05"}, 11},
        {{"-10", "1", "2", "0.05"}, 12},
    };
    for (const auto& [texts, step] : faults) {
        MemoryFields fields = coilWindowWith(texts[0], texts[1], texts[2], texts[3]);
        CoilVariables v;
        EXPECT_EQ(testing::faultOf([&] { calculateTurns(fields, v); }).cause().step, step);
    }
}

}  // namespace
}  // namespace querlin
