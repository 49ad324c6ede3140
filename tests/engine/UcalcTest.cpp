#include <gtest/gtest.h>

#include <cmath>

#include "MaterialsFixture.h"
#include "engine/Ucalc.h"

namespace {
// Convection part of h: the whole coefficient less its radiation part, which an
// arrangement outside 0-3 returns alone.
float Convection(float t1, float t2, float d, float v, int arrangement) {
    return HeatTransferCoefficient(t1, t2, 0.93f, d, v, arrangement) -
           HeatTransferCoefficient(t1, t2, 0.93f, d, v, 99);
}

// The largest float not above x.
float FloatAtOrBelow(double x) {
    float f = static_cast<float>(x);
    return f > x ? std::nextafter(f, 0.0f) : f;
}
} // namespace

using Conductivity = MaterialsTest;

TEST_F(Conductivity, FollowsTheLinearLawAndStopsFallingBelowMinus160) {
    EXPECT_FLOAT_EQ(ConductivityAt(kWool, 50), 0.037f);
    EXPECT_FLOAT_EQ(ConductivityAt(kWool, -150), 0.017f);
    EXPECT_FLOAT_EQ(ConductivityAt(kWool, -160), 0.016f);
    EXPECT_EQ(ConductivityAt(kWool, -200), ConductivityAt(kWool, -160));
    EXPECT_EQ(ConductivityAt(kWool, -1000), ConductivityAt(kWool, -160));
}

TEST_F(Conductivity, KFactorIsTheUserValueAtEveryTemperature) {
    EXPECT_EQ(ConductivityAt(kUser, -250), 0.036f);
    EXPECT_EQ(ConductivityAt(kUser, 0), 0.036f);
    EXPECT_EQ(ConductivityAt(kUser, 500), 0.036f);
    Shared().WorkingValues.KFactor = 0.051f;
    EXPECT_EQ(ConductivityAt(kUser, 20), 0.051f);
}

TEST_F(Conductivity, MaterialLimitsComeFromTheList) {
    EXPECT_EQ(MaterialMinTemp(kWool), -50);
    EXPECT_EQ(MaterialMaxTemp(kWool), 250);
    EXPECT_EQ(MaterialMinTemp(kUser), -200);
    EXPECT_EQ(MaterialMaxTemp(kUser), 200);
}

using Layer = MaterialsTest;

TEST_F(Layer, CylinderTakesLambdaAtTheMeanOfItsFaces) {
    // λ(50 °C) = 0.037; 6.28318·0.037 / ln(140/100)
    EXPECT_NEAR(LayerConductance(0, 100, 0.1f, 0.14f, kWool, kCylinder), 0.690927, 2e-6);
    EXPECT_NEAR(LayerConductance(100, 0, 0.1f, 0.14f, kWool, kCylinder), 0.690927, 2e-6);
}

TEST_F(Layer, PlaneIsLambdaOverThickness) {
    EXPECT_FLOAT_EQ(LayerConductance(0, 100, 0.02f, 0, kWool, kPlane), 1.85f);
    EXPECT_FLOAT_EQ(LayerConductance(10, 30, 0.02f, 0, kUser, kPlane), 1.8f);
}

TEST_F(Layer, NoThicknessMeansNoInsulation) {
    EXPECT_EQ(LayerConductance(0, 100, 0.1f, 0.1f, kWool, kCylinder), 0);
    EXPECT_EQ(LayerConductance(0, 100, 0, 0, kWool, kPlane), 0);
    EXPECT_EQ(LayerConductance(0, 100, -0.01f, 0, kWool, kPlane), 0);
}

TEST_F(Layer, ZeroPipeDiameterIsAnError) {
    EXPECT_EQ(FloatErrorOf([] { LayerConductance(0, 100, 0, 0.04f, kWool, kCylinder); }),
              kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { LayerConductance(0, 100, 0, 0, kWool, kCylinder); }),
              kInvalidOperation);
}

TEST(SurfaceTemp, BareSurfaceTakesTheMediumTemperatureExactly) {
    EXPECT_EQ(SurfaceTemperature(37.3f, 20, 0, 8, 0.1f, kCylinder), 37.3f);
    EXPECT_EQ(SurfaceTemperature(-4.1f, 20, 0, 0, 0, kPlane), -4.1f);
}

TEST(SurfaceTemp, DividesTheTemperatureDifferenceByTheResistances) {
    // Rse = 1/8, 1/c = 1/1.8
    EXPECT_NEAR(SurfaceTemperature(60, 20, 1.8f, 8, 0, kPlane), 27.34694, 2e-5);
    // Rse = 1/(3.14159·8·0.14), 1/c = 1/0.69
    EXPECT_NEAR(SurfaceTemperature(60, 20, 0.69f, 8, 0.14f, kCylinder), 26.55803, 2e-5);
    EXPECT_EQ(SurfaceTemperature(20, 20, 0.69f, 8, 0.14f, kCylinder), 20);
}

TEST(SurfaceTemp, ZeroCoefficientOrDiameterIsAnError) {
    EXPECT_EQ(FloatErrorOf([] { SurfaceTemperature(60, 20, 1.8f, 0, 0, kPlane); }),
              kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { SurfaceTemperature(60, 20, 0.69f, 0, 0.14f, kCylinder); }),
              kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { SurfaceTemperature(60, 20, 0.69f, 8, 0, kCylinder); }),
              kDivisionByZero);
}

TEST(Coefficient, OtherArrangementsGiveRadiationAlone) {
    // 0.93·5.67e-8·(333.15⁴ - 293.15⁴)/(333.15 - 293.15)
    EXPECT_NEAR(HeatTransferCoefficient(60, 20, 0.93f, 0.1f, 1, 4), 6.50356, 2e-5);
    EXPECT_NEAR(HeatTransferCoefficient(20, 60, 0.93f, 0.1f, 1, -1), 6.50356, 2e-5);
    EXPECT_EQ(HeatTransferCoefficient(60, 20, 0, 0.1f, 1, 7), 0);
}

TEST(Coefficient, EqualTemperaturesGiveTheRadiationLimitWithoutConvection) {
    const double limit = 4 * 0.93 * 5.67e-8 * 293.15 * 293.15 * 293.15;
    EXPECT_NEAR(HeatTransferCoefficient(20, 20, 0.93f, 0.5f, 0, 0), limit, 1e-5);
    EXPECT_NEAR(HeatTransferCoefficient(20, 20, 0.93f, 3, 0, 1), limit, 1e-5);
    // The difference quotient approaches the same limit.
    EXPECT_NEAR(HeatTransferCoefficient(20.01f, 20, 0.93f, 1, 0, 9), limit, 1e-3);
}

TEST(Coefficient, StillAirBoundaryD3DeltaT10IsLaminar) {
    // D = 1 m, ΔT = 283.15 - 273.15 = 10 K exactly in float.
    EXPECT_NEAR(Convection(10, 0, 1, 0, 0), 1.32 * std::pow(10.0, 0.25), 1e-4);
    EXPECT_NEAR(Convection(10, 0, std::nextafter(1.0f, 2.0f), 0, 0), 1.74 * std::cbrt(10.0), 1e-4);
    // D = 2 m, ΔT = 1.25 K: D³·ΔT = 10 again, horizontal, temperatures in the other order.
    EXPECT_NEAR(Convection(0, 1.25f, 2, 0, 1), 1.25 * std::pow(1.25 / 2, 0.25), 1e-4);
    EXPECT_NEAR(Convection(0, 1.25f, std::nextafter(2.0f, 3.0f), 0, 1), 1.21 * std::cbrt(1.25),
                1e-4);
}

TEST(Coefficient, WindOnPipeBoundaryVD000855IsLaminar) {
    // No two floats multiply to exactly 0.00855; the last diameter at or below it is
    // laminar, the next one up turbulent.
    const float atOrBelow = FloatAtOrBelow(0.00855);
    const float above = std::nextafter(atOrBelow, 1.0f);
    const double d = atOrBelow;
    EXPECT_NEAR(Convection(60, 20, atOrBelow, 1, 2), 0.0081 / d + 3.14159 * std::sqrt(1 / d), 1e-3);
    EXPECT_NEAR(Convection(60, 20, above, 1, 2), 8.9 / std::pow(double{above}, 0.1), 1e-3);
}

TEST(Coefficient, WindOnWallBoundaryVD8IsLaminar) {
    EXPECT_NEAR(Convection(60, 20, 1, 8, 3), 3.96 * std::sqrt(8.0), 1e-4);
    EXPECT_NEAR(Convection(60, 20, 2, 4, 3), 3.96 * std::sqrt(2.0), 1e-4);
    const double v = std::nextafter(8.0f, 9.0f);
    EXPECT_NEAR(Convection(60, 20, 1, std::nextafter(8.0f, 9.0f), 3), 5.76 * std::pow(v, 0.8),
                1e-3);
}

TEST(Coefficient, NoWindOnAPipeLeavesTheLaminarConstant) {
    EXPECT_NEAR(Convection(60, 20, 0.1f, 0, 2), 0.081, 1e-5);
}

TEST(Coefficient, ContainsItsOwnErrors) {
    const float radiation = HeatTransferCoefficient(60, 20, 0.93f, 0.1f, 1, 99);
    EXPECT_EQ(HeatTransferCoefficient(60, 20, 0.93f, 0, 0, 0), radiation);
    EXPECT_EQ(HeatTransferCoefficient(60, 20, 0.93f, 0, 1, 2), radiation);
    EXPECT_EQ(HeatTransferCoefficient(60, 20, 0.93f, 0, 1, 3), radiation);
    EXPECT_EQ(HeatTransferCoefficient(60, 20, 0.93f, 0.1f, -1, 2), radiation); // √ of v/D < 0
    EXPECT_EQ(HeatTransferCoefficient(20, 20, 0.93f, 0, 0, 1),
              HeatTransferCoefficient(20, 20, 0.93f, 1, 0, 99));
}

TEST(DewPointOfAir, MatchesTheTabulatedValues) {
    EXPECT_NEAR(DewPoint(20, 60), 11.99, 0.005);
    EXPECT_NEAR(DewPoint(20, 50), 9.25, 0.005);
    EXPECT_NEAR(DewPoint(0, 0), -109.8, 1e-4);
}

TEST(DewPointOfAir, SaturatedAirIsAtItsDewPoint) {
    for (float theta : {20.0f, -3.7f, 0.0f, 0.3f, 151.25f}) {
        EXPECT_EQ(DewPoint(theta, 100), theta);
    }
}

TEST(DewPointOfAir, NegativeHumidityIsAnInvalidOperation) {
    EXPECT_EQ(FloatErrorOf([] { DewPoint(20, -5); }), kInvalidOperation);
}

using Thickness = MaterialsTest;

TEST_F(Thickness, BringsTheSurfaceToTheTargetTemperature) {
    const float dew = DewPoint(20, 60);
    const float pipe = RequiredThickness(5, 20, 0.1f, 8, dew, kWool, kCylinder);
    const float outer = 0.1f + 2 * pipe;
    const float cPipe = LayerConductance(5, dew, 0.1f, outer, kWool, kCylinder);
    EXPECT_GT(pipe, 0.001f);
    EXPECT_NEAR(SurfaceTemperature(5, 20, cPipe, 8, outer, kCylinder), dew, 1e-3);

    const float sheet = RequiredThickness(5, 20, 0, 8, dew, kWool, kPlane);
    const float cSheet = LayerConductance(5, dew, sheet, 0, kWool, kPlane);
    EXPECT_NEAR(SurfaceTemperature(5, 20, cSheet, 8, 0, kPlane), dew, 1e-3);
    EXPECT_GT(sheet, pipe); // a curved layer insulates more per millimetre
}

namespace {
// The secant method as documented, with a chosen number of steps.
float Secant(int steps, float medium, float ambient, float d, float h, float target) {
    float x0 = 0.001f, x1 = 0.0011f, y0 = target, y1 = target;
    for (int k = 0; k < steps; ++k) {
        const float o0 = d + 2.0 * x0, o1 = d + 2.0 * x1;
        const float c0 = LayerConductance(medium, y0, d, o0, kWool, kCylinder);
        const float c1 = LayerConductance(medium, y1, d, o1, kWool, kCylinder);
        y0 = SurfaceTemperature(medium, ambient, c0, h, o0, kCylinder);
        y1 = SurfaceTemperature(medium, ambient, c1, h, o1, kCylinder);
        x0 = static_cast<float>(x0 + (double{x1} - x0) * (double{target} - y0) / (double{y1} - y0));
        x1 = static_cast<float>(x0 + 0.0001);
    }
    return x0;
}
} // namespace

TEST_F(Thickness, OrdinaryResultsAreTheTenSecantStepsBitForBit) {
    const float dew = DewPoint(20, 60);
    for (float d : {0.02f, 0.1f, 0.5f})
        for (float medium : {-20.0f, 0.0f, 5.0f})
            EXPECT_EQ(RequiredThickness(medium, 20, d, 8, dew, kWool, kCylinder),
                      Secant(10, medium, 20, d, 8, dew))
                << d << " " << medium;
    // Far from the start values, 0.2 K below the air: ten steps reach the surface but leave
    // the thickness 0.010 mm off (289.340 for 289.330), so the search finishes it.
    EXPECT_NEAR(Secant(10, -20, 20, 0.05f, 8, 19.8f), 0.289340, 1e-6);
    EXPECT_NEAR(RequiredThickness(-20, 20, 0.05f, 8, 19.8f, kWool, kCylinder), 0.289330, 1e-6);
}

TEST_F(Thickness, ZeroDiameterOrCoefficientIsAnError) {
    EXPECT_EQ(FloatErrorOf([] { RequiredThickness(5, 20, 0, 8, 12, kWool, kCylinder); }),
              kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { RequiredThickness(5, 20, 0.1f, 0, 12, kWool, kCylinder); }),
              kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([] { RequiredThickness(5, 20, 0, 0, 12, kWool, kPlane); }),
              kDivisionByZero);
}

TEST_F(Thickness, MediumAtTheTargetNeedsNoInsulation) {
    const float dew = DewPoint(20, 60);
    EXPECT_EQ(RequiredThickness(dew, 20, 0.1f, 8, dew, kUser, kCylinder), 0);
    EXPECT_EQ(RequiredThickness(dew, 20, 0, 8, dew, kUser, kPlane), 0);
    EXPECT_EQ(RequiredThickness(dew, 20, 0.05f, 20, dew, kWool, kCylinder), 0);
}

TEST_F(Thickness, MediumJustBelowTheTargetGetsAThinLayerNotAnError) {
    // The plain secant overshoots below zero thickness here and then divides equal
    // temperatures of two bare trials.
    const float dew = DewPoint(20, 60);
    for (float medium : {11.99f, 11.9f, 11.82f}) {
        const float pipe = RequiredThickness(medium, 20, 0.1f, 8, dew, kUser, kCylinder);
        EXPECT_GE(pipe, 0) << medium;
        EXPECT_LT(pipe, 0.0002) << medium;
        const float outer = 0.1f + 2 * pipe;
        const float c = LayerConductance(medium, dew, 0.1f, outer, kUser, kCylinder);
        EXPECT_NEAR(SurfaceTemperature(medium, 20, c, 8, outer, kCylinder), dew, 1e-3) << medium;

        const float sheet = RequiredThickness(medium, 20, 0, 8, dew, kUser, kPlane);
        EXPECT_GE(sheet, 0) << medium;
        EXPECT_LT(sheet, 0.0002) << medium;
    }
}

TEST_F(Thickness, ZeroConductivityCannotReachTheTarget) {
    Shared().WorkingValues.KFactor = 0;
    EXPECT_EQ(FloatErrorOf([] { RequiredThickness(5, 20, 0, 8, 12, kUser, kPlane); }),
              kDivisionByZero);
}
