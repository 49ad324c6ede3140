#include <gtest/gtest.h>

#include <cfloat>

#include "MaterialsFixture.h"
#include "engine/CheckedMath.h"

using namespace checked;

TEST(CheckedMath, StoreRoundsToFloatAndRefusesWhatFloatCannotHold) {
    EXPECT_EQ(Store(0.1), 0.1f);
    EXPECT_EQ(Store(-1e30), -1e30f);
    EXPECT_EQ(FloatErrorOf([] { Store(1e39); }), kOverflow);
    EXPECT_EQ(FloatErrorOf([] { Store(-2.0 * FLT_MAX); }), kOverflow);
    EXPECT_EQ(FloatErrorOf([] { Store(std::nan("")); }), kInvalidOperation);
}

TEST(CheckedMath, DivisionByZeroIsReportedAndZeroOverZeroIsInvalid) {
    EXPECT_DOUBLE_EQ(Div(1, 4), 0.25);
    EXPECT_EQ(FloatErrorOf([] { Div(1, 0); }), kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { Div(-3, -0.0); }), kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { Div(0, 0); }), kInvalidOperation);
    EXPECT_EQ(FloatErrorOf([] { Div(1e300, 1e-300); }), kOverflow);
}

TEST(CheckedMath, FunctionsOutsideTheirDomainAreReported) {
    EXPECT_DOUBLE_EQ(Ln(1), 0);
    EXPECT_EQ(FloatErrorOf([] { Ln(0); }), kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { Ln(-1); }), kInvalidOperation);
    EXPECT_DOUBLE_EQ(Pow(0, 0.25), 0);
    EXPECT_EQ(FloatErrorOf([] { Pow(-8, 1.0 / 3); }), kInvalidOperation);
    EXPECT_EQ(FloatErrorOf([] { Pow(0, -1); }), kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { Pow(1e200, 2); }), kOverflow);
    EXPECT_EQ(FloatErrorOf([] { Sqrt(-1); }), kInvalidOperation);
    EXPECT_DOUBLE_EQ(Exp(-1e6), 0);
    EXPECT_EQ(FloatErrorOf([] { Exp(1000); }), kOverflow);
}
