#include "numeric/real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/condition_flags.h"

namespace querlin {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

// Runs one operation on cleared flags and gives the flags it raised.
template <typename Operation>
ConditionFlags raisedBy(Operation operation) {
    clearConditionFlags();
    operation();
    return conditionFlags();
}

constexpr ConditionFlags kNone{};
constexpr ConditionFlags kInvalid{.invalid = true};
constexpr ConditionFlags kDivideByZero{.divideByZero = true};
constexpr ConditionFlags kOverflow{.overflow = true};

TEST(RealFlags, DivisionFollowsIeeeRules) {
    EXPECT_EQ(raisedBy([] { return Real(1) / Real(0); }), kDivideByZero);
    EXPECT_EQ(raisedBy([] { return Real(-3) / Real(-0.0); }), kDivideByZero);
    EXPECT_EQ(raisedBy([] { return Real(0) / Real(0); }), kInvalid);
    EXPECT_EQ(raisedBy([] { return Real(kInf) / Real(kInf); }), kInvalid);
    EXPECT_EQ(raisedBy([] { return Real(kInf) / Real(0); }), kNone);
    EXPECT_EQ(raisedBy([] { return Real(kMax) / Real(0.5); }), kOverflow);
    EXPECT_EQ(raisedBy([] { return Real(1) / Real(kInf); }), kNone);
    EXPECT_EQ(raisedBy([] { return Real(1e-300) / Real(1e300); }), kNone);  // underflow untracked
}

TEST(RealFlags, MultiplicationAdditionAndSubtraction) {
    EXPECT_EQ(raisedBy([] { return Real(0) * Real(kInf); }), kInvalid);
    EXPECT_EQ(raisedBy([] { return Real(kMax) * Real(2); }), kOverflow);
    EXPECT_EQ(raisedBy([] { return Real(kInf) * Real(2); }), kNone);
    EXPECT_EQ(raisedBy([] { return Real(kInf) - Real(kInf); }), kInvalid);
    EXPECT_EQ(raisedBy([] { return Real(kInf) + Real(-kInf); }), kInvalid);
    EXPECT_EQ(raisedBy([] { return Real(kInf) + Real(kInf); }), kNone);
    EXPECT_EQ(raisedBy([] { return Real(kMax) + Real(kMax); }), kOverflow);
    EXPECT_EQ(raisedBy([] { return Real(-kMax) - Real(kMax); }), kOverflow);
    EXPECT_EQ(raisedBy([] { return Real(std::nan("")) + Real(1); }), kNone);  // quiet NaN
    EXPECT_EQ(raisedBy([] { return -Real(kInf); }), kNone);
}

TEST(RealFlags, FlagsAreStickyUntilCleared) {
    clearConditionFlags();
    [[maybe_unused]] Real a = Real(1) / Real(0);
    [[maybe_unused]] Real b = Real(2) + Real(3);
    EXPECT_TRUE(conditionFlags().divideByZero);
    [[maybe_unused]] Real c = Real(0) / Real(0);
    EXPECT_TRUE(conditionFlags().divideByZero);
    EXPECT_TRUE(conditionFlags().invalid);
    clearConditionFlags();
    EXPECT_FALSE(conditionFlags().any());
}

TEST(Single, AssignmentRoundsToNearestEven) {
    clearConditionFlags();
    Single s;
    s = Real(0.1);
    EXPECT_EQ(s.value(), 0.1F);
    s = Real(16777217.0);
    EXPECT_EQ(s.value(), 16777216.0F);
    s = Real(1e-50);  // too small: zero, no fault
    EXPECT_EQ(s.value(), 0.0F);
    EXPECT_FALSE(conditionFlags().any());
}

TEST(Single, NarrowingBeyondTheRangeOverflowsToInfinity) {
    Single s;
    EXPECT_EQ(raisedBy([&] { s = Real(1e39); }), kOverflow);
    EXPECT_EQ(s.value(), std::numeric_limits<float>::infinity());
    EXPECT_EQ(raisedBy([&] { s = Real(-1e39); }), kOverflow);
    EXPECT_EQ(s.value(), -std::numeric_limits<float>::infinity());
    // Just above the largest single still rounds to it.
    EXPECT_EQ(raisedBy([&] { s = Real(3.4028235e38); }), kNone);
    EXPECT_EQ(s.value(), std::numeric_limits<float>::max());
    // An infinity that was already there overflows nothing.
    EXPECT_EQ(raisedBy([&] { s = Real(kInf); }), kNone);
}

TEST(Single, StepsComputeInDoubleAndRoundOnlyTheResult) {
    Single third;
    third = Real(1) / 3;
    Single viaSingles;
    viaSingles = (Single(third) * 3) - 1;
    // In double the product of the rounded third is not exactly 1.
    EXPECT_NE(viaSingles.value(), 0.0F);
    Single direct;
    direct = (Real(1) / 3) * 3 - 1;
    EXPECT_EQ(direct.value(), 0.0F);
}

}  // namespace
}  // namespace querlin
