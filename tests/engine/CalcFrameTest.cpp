#include <gtest/gtest.h>

#include <cmath>

#include "MaterialsFixture.h"
#include "engine/CalcFrame.h"

using Frame = MaterialsTest;

TEST_F(Frame, TooHighBeatsTooLowAndTheLimitsThemselvesPass) {
    // Wool: -50 .. 250 °C
    EXPECT_EQ(CheckMaterialLimits(kWool, 20, 250), MaterialLimits::Ok);
    EXPECT_EQ(CheckMaterialLimits(kWool, -50, 20), MaterialLimits::Ok);
    EXPECT_EQ(CheckMaterialLimits(kWool, 20, 250.01f), MaterialLimits::TooHigh);
    EXPECT_EQ(CheckMaterialLimits(kWool, 251, 20), MaterialLimits::TooHigh);
    EXPECT_EQ(CheckMaterialLimits(kWool, 20, -50.5f), MaterialLimits::TooLow);
    EXPECT_EQ(CheckMaterialLimits(kWool, -51, 20), MaterialLimits::TooLow);
    EXPECT_EQ(CheckMaterialLimits(kWool, -100, 300), MaterialLimits::TooHigh);
    EXPECT_EQ(CheckMaterialLimits(kUser, -200, 200), MaterialLimits::Ok);
}

TEST_F(Frame, ConductivityIsTheUserValueOrTakenAtTheMeanTemperature) {
    EXPECT_FLOAT_EQ(MeanConductivity(false, kWool, 20, 80), 0.037f);
    EXPECT_FLOAT_EQ(MeanConductivity(false, kWool, 80, 20), 0.037f);
    EXPECT_EQ(MeanConductivity(true, kUser, -150, 180), 0.036f);
}

TEST(FrameDefaults, OnlyABareSurfaceWithoutADialogCoefficientTakesTheDefault) {
    EXPECT_TRUE(NeedsDefaultCoefficient(false, 0));
    EXPECT_FALSE(NeedsDefaultCoefficient(true, 0));
    EXPECT_FALSE(NeedsDefaultCoefficient(false, 0.001f));
}

TEST(FrameUnits, MillimetresAndFlowRates) {
    EXPECT_EQ(MillimetresToMetres(1), 0.001f);
    EXPECT_EQ(MillimetresToMetres(500), 0.5f);
    EXPECT_EQ(FlowRateToSI(2, kMetresPerSecond), 2);
    EXPECT_EQ(FlowRateToSI(2, kLitresPerSecond), 2);
    EXPECT_FLOAT_EQ(FlowRateToSI(1, kFeetPerSecond), 0.3048f);
    EXPECT_FLOAT_EQ(FlowRateToSI(10, kGallonsPerMinute), 0.630901964f);
    EXPECT_FALSE(IsVolumeFlow(kMetresPerSecond));
    EXPECT_TRUE(IsVolumeFlow(kLitresPerSecond));
    EXPECT_FALSE(IsVolumeFlow(kFeetPerSecond));
    EXPECT_TRUE(IsVolumeFlow(kGallonsPerMinute));
}

TEST(FrameBounds, InclusiveAndNeverANan) {
    EXPECT_TRUE(TemperatureInRange(-200));
    EXPECT_TRUE(TemperatureInRange(300));
    EXPECT_FALSE(TemperatureInRange(-200.01f));
    EXPECT_FALSE(TemperatureInRange(300.01f));
    EXPECT_FALSE(TemperatureInRange(std::nanf("")));
    EXPECT_TRUE(SurfaceCoefficientInRange(1));
    EXPECT_TRUE(SurfaceCoefficientInRange(50));
    EXPECT_FALSE(SurfaceCoefficientInRange(0.99f));
    EXPECT_FALSE(SurfaceCoefficientInRange(50.01f));
    EXPECT_TRUE(AtLeast(MillimetresToMetres(1), 0.001));
    EXPECT_FALSE(AtLeast(0.01f, 0.01)); // the float just below the double bound
}

TEST(FrameTransmittance, PipeWithAndWithoutInsulation) {
    // 1 / (ln(0.14/0.1)/(6.28318·0.036) + 1/(0.14·8·3.14159))
    EXPECT_NEAR(PipeTransmittance(0.1f, 0.02f, 0.036f, 8), 0.564417, 2e-6);
    EXPECT_NEAR(PipeTransmittance(0.1f, 0, 0.036f, 8), 8 * 3.14159 * 0.1, 2e-6);
}

TEST(FrameTransmittance, ZeroConductivityOrDiameterIsAnError) {
    EXPECT_EQ(FloatErrorOf([] { PipeTransmittance(0.1f, 0.02f, 0, 8); }), kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { PipeTransmittance(0.1f, 0, 0, 8); }), kInvalidOperation);
    EXPECT_EQ(FloatErrorOf([] { PipeTransmittance(0, 0.02f, 0.036f, 8); }), kDivisionByZero);
}
