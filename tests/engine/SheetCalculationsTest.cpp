// Expected values are worked out by hand from the formulas.
#include <gtest/gtest.h>

#include <utility>

#include "MaterialsFixture.h"
#include "engine/SheetCalculations.h"

namespace {
class SheetCalc : public MaterialsTest {};

SheetCondensationInputs ColdWall() {
    return {20, 5, kUser, 8, 60};
}

} // namespace

TEST_F(SheetCalc, CondensationFindsTheThicknessThatHoldsTheDewPoint) {
    // s = λ/h·((θa - θi)/(θa - θdp) - 1) = 0.036/8·(15/8.0097 - 1)
    const SheetCondensationResult r = SheetCondensation(ColdWall());
    EXPECT_NEAR(r.DewPoint, 11.99, 0.005);
    EXPECT_TRUE(r.NeedsInsulation);
    EXPECT_NEAR(r.MinThickness, 0.0039273, 2e-7);
    EXPECT_NEAR(r.MinThicknessMm, 3.9273, 2e-4);
}

TEST_F(SheetCalc, CondensationNeedsNothingAboveTheDewPoint) {
    SheetCondensationInputs in = ColdWall();
    in.MediumTemp = 15;
    in.RelHumidity = 50;
    SheetCondensationResult r = SheetCondensation(in);
    EXPECT_NEAR(r.DewPoint, 9.25, 0.005);
    EXPECT_FALSE(r.NeedsInsulation);
    EXPECT_EQ(r.MinThickness, 0);
    in.MediumTemp = 20;
    in.RelHumidity = 96;
    EXPECT_FALSE(SheetCondensation(in).NeedsInsulation);
    in.RelHumidity = 0;
    r = SheetCondensation(in);
    EXPECT_NEAR(r.DewPoint, -109.8, 1e-4);
    EXPECT_FALSE(r.NeedsInsulation);
}

TEST_F(SheetCalc, CondensationWithNegativeHumidityIsAnInvalidOperation) {
    SheetCondensationInputs in = ColdWall();
    in.RelHumidity = -5;
    EXPECT_TRUE(SheetCondensationPlausible(in)); // no lower bound
    EXPECT_EQ(FloatErrorOf([&] { SheetCondensation(in); }), kInvalidOperation);
}

TEST_F(SheetCalc, CondensationBounds) {
    const auto with = [](auto edit) {
        return PlausibleWith(ColdWall(), &SheetCondensationPlausible, edit);
    };
    using In = SheetCondensationInputs;
    EXPECT_TRUE(with([](In&) {}));
    EXPECT_TRUE(with([](In& i) { i.RelHumidity = 96; }));
    EXPECT_FALSE(with([](In& i) { i.RelHumidity = 96.5f; }));
    EXPECT_TRUE(with([](In& i) { i.RelHumidity = 10; }));
    EXPECT_TRUE(with([](In& i) { i.MediumTemp = 20; }));
    EXPECT_FALSE(with([](In& i) {
        i.AmbientTemp = 10;
        i.MediumTemp = 12;
    }));
    EXPECT_TRUE(with([](In& i) { i.AmbientTemp = 300; }));
    EXPECT_FALSE(with([](In& i) { i.AmbientTemp = 300.01f; }));
    EXPECT_TRUE(with([](In& i) { i.MediumTemp = -200; }));
    EXPECT_FALSE(with([](In& i) { i.MediumTemp = -200.01f; }));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 50; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 0.99f; }));
}

namespace {
// 25 °C air, -5 °C medium, 10 m² with 50 mm at 0.04, h 8, 0.5 per kWh, bare h 10.
SheetHeatLossInputs ColdRoomWall() {
    return {25, -5, 0.05f, 10, 8, 0.5f, 0.04f, 10};
}
} // namespace

TEST_F(SheetCalc, HeatLossOfAnInsulatedWall) {
    // U = 1/(0.05/0.04 + 1/8) = 0.727273; Q = U·10·30; Qbare = 10·10·30
    const HeatLossResult r = SheetHeatLoss(ColdRoomWall());
    EXPECT_NEAR(r.Transmittance, 0.7272727, 1e-6);
    EXPECT_NEAR(r.HeatFlow, 218.1818, 1e-3);
    EXPECT_NEAR(r.BareHeatFlow, 3000, 1e-3);
    EXPECT_NEAR(r.Saving, 92.72727, 1e-4);
    EXPECT_NEAR(r.CostPerHour, 0.1090909, 1e-6);
    EXPECT_FALSE(r.Bare);
}

TEST_F(SheetCalc, HeatLossWithSwappedTemperaturesChangesOnlyTheSign) {
    SheetHeatLossInputs in = ColdRoomWall();
    const HeatLossResult cold = SheetHeatLoss(in);
    std::swap(in.AmbientTemp, in.MediumTemp);
    const HeatLossResult hot = SheetHeatLoss(in);
    EXPECT_LT(hot.HeatFlow, 0);
    EXPECT_EQ(hot.HeatFlow, -cold.HeatFlow);
    EXPECT_EQ(hot.Saving, cold.Saving);
    EXPECT_EQ(hot.CostPerHour, cold.CostPerHour);
}

TEST_F(SheetCalc, HeatLossAtEqualTemperaturesIsZero) {
    SheetHeatLossInputs in = ColdRoomWall();
    in.AmbientTemp = -5;
    const HeatLossResult r = SheetHeatLoss(in);
    EXPECT_EQ(r.HeatFlow, 0);
    EXPECT_TRUE(r.NoTemperatureDifference);
    EXPECT_EQ(r.CostPerHour, 0);
}

TEST_F(SheetCalc, HeatLossOfABareWallIsTheCoefficientItself) {
    SheetHeatLossInputs in = ColdRoomWall();
    in.Thickness = 0;
    in.SurfaceCoefficient = 9.37f;
    in.BareCoefficient = 9.37f;
    const HeatLossResult r = SheetHeatLoss(in);
    EXPECT_TRUE(r.Bare);
    EXPECT_FLOAT_EQ(r.Transmittance, 9.37f);
    EXPECT_NEAR(r.Saving, 0, 1e-4);
}

TEST_F(SheetCalc, HeatLossWithoutConductivityIsAnError) {
    SheetHeatLossInputs in = ColdRoomWall();
    in.Lambda = 0;
    EXPECT_EQ(FloatErrorOf([&] { SheetHeatLoss(in); }), kDivisionByZero);
}

TEST_F(SheetCalc, HeatLossBounds) {
    const auto with = [](auto edit) {
        return PlausibleWith(ColdRoomWall(), &SheetHeatLossPlausible, edit);
    };
    using In = SheetHeatLossInputs;
    EXPECT_TRUE(with([](In&) {}));
    EXPECT_FALSE(with([](In& i) { i.Area = 0.01f; })); // just below 0.01 as a float
    EXPECT_TRUE(with([](In& i) { i.Area = 0.011f; }));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 1; }));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 50; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 0.99f; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 50.01f; }));
    EXPECT_TRUE(with([](In& i) { i.CostPerKWh = 0; }));
    EXPECT_FALSE(with([](In& i) { i.CostPerKWh = 1000001; }));
    EXPECT_TRUE(with([](In& i) { i.Thickness = 0; }));
    EXPECT_FALSE(with([](In& i) { i.Thickness = -0.001f; }));
    EXPECT_FALSE(with([](In& i) { i.MediumTemp = -200.5f; }));
}

namespace {
SheetSurfaceTempInputs HotWall() {
    return {20, 80, 0.05f, kWool, 8};
}
} // namespace

TEST_F(SheetCalc, SurfaceTemperatureOfAnInsulatedWall) {
    // λ(50 °C) = 0.037, c = 0.037/0.05, Rse = 1/8
    const SurfaceTempResult r = SheetSurfaceTemp(HotWall());
    EXPECT_NEAR(r.SurfaceTemp, 25.08009, 1e-4);
    EXPECT_FALSE(r.Bare);
}

TEST_F(SheetCalc, SurfaceTemperatureFallsTowardTheAirWithThickness) {
    SheetSurfaceTempInputs in = HotWall();
    const float thin = SheetSurfaceTemp(in).SurfaceTemp;
    in.Thickness = 0.2f;
    const float thick = SheetSurfaceTemp(in).SurfaceTemp;
    EXPECT_LT(thick, thin);
    EXPECT_GT(thick, 20);
    in.Thickness = 0;
    const SurfaceTempResult bare = SheetSurfaceTemp(in);
    EXPECT_EQ(bare.SurfaceTemp, 80);
    EXPECT_TRUE(bare.Bare);
    in.MediumTemp = 20;
    in.Thickness = 0.05f;
    EXPECT_EQ(SheetSurfaceTemp(in).SurfaceTemp, 20);
}

TEST_F(SheetCalc, SurfaceTemperatureWithZeroConductivityIsTheMediumTemperature) {
    Shared().WorkingValues.KFactor = 0;
    SheetSurfaceTempInputs in = HotWall();
    in.MaterialIndex = kUser;
    EXPECT_EQ(SheetSurfaceTemp(in).SurfaceTemp, 80);
}

TEST_F(SheetCalc, SurfaceTemperatureBounds) {
    const auto with = [](auto edit) {
        return PlausibleWith(HotWall(), &SheetSurfaceTempPlausible, edit);
    };
    using In = SheetSurfaceTempInputs;
    EXPECT_TRUE(with([](In&) {}));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 1; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 0.99f; }));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 50; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 50.01f; }));
    EXPECT_FALSE(with([](In& i) { i.Thickness = -0.001f; }));
    EXPECT_TRUE(with([](In& i) { i.AmbientTemp = -200; }));
    EXPECT_FALSE(with([](In& i) { i.AmbientTemp = -200.01f; }));
}
