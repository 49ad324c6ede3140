// Expected values are worked out by hand from the formulas with π = 3.14159.
#include <gtest/gtest.h>

#include <cmath>

#include "MaterialsFixture.h"
#include "engine/PipeCalculations.h"

namespace {
class PipeCalc : public MaterialsTest {};

PipeCondensationInputs ColdPipe() {
    return {20, 5, 0.1f, kUser, 8, 60};
}
} // namespace

TEST_F(PipeCalc, CondensationFindsTheThicknessThatHoldsTheDewPoint) {
    const PipeCondensationResult r = PipeCondensation(ColdPipe());
    EXPECT_NEAR(r.DewPoint, 11.99, 0.005);
    EXPECT_TRUE(r.NeedsInsulation);
    EXPECT_NEAR(r.MinThickness, 0.0037873, 2e-6); // bisection of the surface temperature
    EXPECT_NEAR(r.MinThicknessMm, 3.7873, 2e-3);
}

TEST_F(PipeCalc, CondensationNeedsNothingForAMediumAboveTheDewPoint) {
    PipeCondensationInputs in = ColdPipe();
    in.MediumTemp = 15;
    EXPECT_FALSE(PipeCondensation(in).NeedsInsulation);
    in.MediumTemp = 20; // equal to the air: the dew point lies below for any φ < 100
    in.RelHumidity = 96;
    EXPECT_FALSE(PipeCondensation(in).NeedsInsulation);
    EXPECT_EQ(PipeCondensation(in).MinThickness, 0);
}

TEST_F(PipeCalc, CondensationAtTheDewPointNeedsNoInsulation) {
    PipeCondensationInputs in = ColdPipe();
    in.MediumTemp = PipeCondensation(in).DewPoint;
    EXPECT_FALSE(PipeCondensation(in).NeedsInsulation);
    in.MediumTemp = std::nextafter(in.MediumTemp, -300.0f);
    const PipeCondensationResult r = PipeCondensation(in);
    EXPECT_TRUE(r.NeedsInsulation);
    EXPECT_NEAR(r.MinThickness, 0, 1e-6);
}

TEST_F(PipeCalc, CondensationBounds) {
    const auto with = [](auto edit) {
        return PlausibleWith(ColdPipe(), &PipeCondensationPlausible, edit);
    };
    using In = PipeCondensationInputs;
    EXPECT_TRUE(with([](In&) {}));
    EXPECT_TRUE(with([](In& i) { i.MediumTemp = i.AmbientTemp; }));
    EXPECT_FALSE(with([](In& i) { i.MediumTemp = 20.01f; }));
    EXPECT_TRUE(with([](In& i) { i.AmbientTemp = 300; }));
    EXPECT_FALSE(with([](In& i) { i.AmbientTemp = 300.01f; }));
    EXPECT_TRUE(with([](In& i) { i.MediumTemp = -200; }));
    EXPECT_FALSE(with([](In& i) { i.MediumTemp = -200.01f; }));
    EXPECT_TRUE(with([](In& i) { i.TubeDiameter = MillimetresToMetres(1); }));
    EXPECT_FALSE(with([](In& i) { i.TubeDiameter = MillimetresToMetres(0.99f); }));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 1; }));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 50; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 0.99f; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 50.01f; }));
    EXPECT_TRUE(with([](In& i) { i.RelHumidity = 25; }));
    EXPECT_TRUE(with([](In& i) { i.RelHumidity = 96; }));
    EXPECT_FALSE(with([](In& i) { i.RelHumidity = 24.9f; }));
    EXPECT_FALSE(with([](In& i) { i.RelHumidity = 96.5f; }));
    EXPECT_FALSE(with([](In& i) { i.RelHumidity = 100; }));
}

namespace {
PipeSurfaceTempInputs HotPipe() {
    return {20, 80, 0.1f, 0.03f, kWool, 8};
}
} // namespace

TEST_F(PipeCalc, SurfaceTemperatureOfAnInsulatedPipe) {
    // λ(50 °C) = 0.037, c = 6.28318·0.037/ln(1.6), Rse = 1/(3.14159·8·0.16)
    const SurfaceTempResult r = PipeSurfaceTemp(HotPipe());
    EXPECT_NEAR(r.SurfaceTemp, 26.5719, 1e-4);
    EXPECT_FALSE(r.Bare);
}

TEST_F(PipeCalc, SurfaceTemperatureOfABarePipeIsTheMediumTemperature) {
    PipeSurfaceTempInputs in = HotPipe();
    in.Thickness = 0;
    const SurfaceTempResult r = PipeSurfaceTemp(in);
    EXPECT_EQ(r.SurfaceTemp, 80);
    EXPECT_TRUE(r.Bare);
}

TEST_F(PipeCalc, SurfaceTemperatureLiesBetweenAndApproachesTheAir) {
    PipeSurfaceTempInputs in = HotPipe();
    in.AmbientTemp = 25;
    in.MediumTemp = -5;
    const float thin = PipeSurfaceTemp(in).SurfaceTemp;
    in.Thickness = 0.1f;
    const float thick = PipeSurfaceTemp(in).SurfaceTemp;
    EXPECT_GT(thin, -5);
    EXPECT_LT(thin, thick);
    EXPECT_LT(thick, 25);
    in.MediumTemp = 25;
    EXPECT_EQ(PipeSurfaceTemp(in).SurfaceTemp, 25);
}

TEST_F(PipeCalc, SurfaceTemperatureBounds) {
    const auto with = [](auto edit) {
        return PlausibleWith(HotPipe(), &PipeSurfaceTempPlausible, edit);
    };
    using In = PipeSurfaceTempInputs;
    EXPECT_TRUE(with([](In&) {}));
    EXPECT_TRUE(with([](In& i) { std::swap(i.AmbientTemp, i.MediumTemp); }));
    EXPECT_TRUE(with([](In& i) { i.Thickness = 0; }));
    EXPECT_FALSE(with([](In& i) { i.Thickness = -0.001f; }));
    EXPECT_FALSE(with([](In& i) { i.TubeDiameter = 0; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 50.01f; }));
    EXPECT_FALSE(with([](In& i) { i.AmbientTemp = -201; }));
}

namespace {
// 25 °C air, -5 °C medium, 10 m of a 100 mm pipe with 20 mm at 0.036, h 8, 0.5 per kWh,
// a bare pipe coefficient of 10.
PipeHeatLossInputs ColdLine() {
    return {25, -5, 0.1f, 0.02f, 10, 8, 0.5f, 0.036f, 10};
}
} // namespace

TEST_F(PipeCalc, HeatLossOfAnInsulatedPipe) {
    const HeatLossResult r = PipeHeatLoss(ColdLine());
    EXPECT_NEAR(r.Transmittance, 0.564417, 2e-6);
    EXPECT_NEAR(r.HeatFlow, 169.325, 1e-3);     // U·L·(θa - θi), into the medium
    EXPECT_NEAR(r.BareHeatFlow, 942.477, 1e-3); // 10·3.14159·0.1·10·30
    EXPECT_NEAR(r.Saving, 82.034, 1e-3);
    EXPECT_NEAR(r.CostPerHour, 0.0846625, 1e-6);
    EXPECT_FALSE(r.NoTemperatureDifference);
    EXPECT_FALSE(r.Bare);
}

TEST_F(PipeCalc, HeatLossWithSwappedTemperaturesChangesOnlyTheSign) {
    PipeHeatLossInputs in = ColdLine();
    const HeatLossResult cold = PipeHeatLoss(in);
    std::swap(in.AmbientTemp, in.MediumTemp);
    const HeatLossResult hot = PipeHeatLoss(in);
    EXPECT_EQ(hot.HeatFlow, -cold.HeatFlow);
    EXPECT_EQ(hot.Saving, cold.Saving);
    EXPECT_EQ(hot.CostPerHour, cold.CostPerHour);
}

TEST_F(PipeCalc, HeatLossAtEqualTemperaturesIsZero) {
    PipeHeatLossInputs in = ColdLine();
    in.MediumTemp = 25;
    const HeatLossResult r = PipeHeatLoss(in);
    EXPECT_EQ(r.HeatFlow, 0);
    EXPECT_TRUE(r.NoTemperatureDifference);
    EXPECT_EQ(r.CostPerHour, 0);
}

TEST_F(PipeCalc, HeatLossOfABarePipeSavesNothing) {
    PipeHeatLossInputs in = ColdLine();
    in.Thickness = 0;
    in.SurfaceCoefficient = in.BareCoefficient; // the default coefficient in both places
    const HeatLossResult r = PipeHeatLoss(in);
    EXPECT_TRUE(r.Bare);
    EXPECT_NEAR(r.Transmittance, 10 * 3.14159 * 0.1, 2e-6);
    EXPECT_NEAR(r.Saving, 0, 1e-4);
}

TEST_F(PipeCalc, HeatLossWithoutConductivityIsAnError) {
    PipeHeatLossInputs in = ColdLine();
    in.Lambda = 0;
    EXPECT_EQ(FloatErrorOf([&] { PipeHeatLoss(in); }), kDivisionByZero);
}

TEST_F(PipeCalc, HeatLossBounds) {
    const auto with = [](auto edit) {
        return PlausibleWith(ColdLine(), &PipeHeatLossPlausible, edit);
    };
    using In = PipeHeatLossInputs;
    EXPECT_TRUE(with([](In&) {}));
    EXPECT_TRUE(with([](In& i) { i.CostPerKWh = 0; }));
    EXPECT_TRUE(with([](In& i) { i.CostPerKWh = 1000000; }));
    EXPECT_FALSE(with([](In& i) { i.CostPerKWh = 1000000.1f; }));
    EXPECT_FALSE(with([](In& i) { i.CostPerKWh = -0.01f; }));
    EXPECT_TRUE(with([](In& i) { i.PipeLength = 0.001f; }));
    EXPECT_FALSE(with([](In& i) { i.PipeLength = 0.00099f; }));
    EXPECT_TRUE(with([](In& i) { i.SurfaceCoefficient = 1; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 0.99f; }));
    EXPECT_FALSE(with([](In& i) { i.Thickness = -0.001f; }));
    EXPECT_FALSE(with([](In& i) { i.TubeDiameter = 0.0009f; }));
    EXPECT_FALSE(with([](In& i) { i.MediumTemp = 300.5f; }));
}

namespace {
// 80 °C medium entering 100 m of a 50 mm pipe with 30 mm at 0.04 in 20 °C air, h 8.
PipeTemperatureDropInputs HotFlow(float flow, int unit) {
    return {20, 80, 1000, 4180, FlowRateToSI(flow, unit), unit, 0.05f, 0.03f, 100, 8, 0.04f};
}
} // namespace

TEST_F(PipeCalc, TemperatureDropOfAFlowingMedium) {
    // ṁ = (0.025·3.14159)·0.025·1·1000; Δθ = (1 - exp(-U·L/(ṁ·cp)))·60
    const TemperatureDropResult r = PipeTemperatureDrop(HotFlow(1, kMetresPerSecond));
    EXPECT_NEAR(r.Transmittance, 0.2858049, 2e-6);
    EXPECT_NEAR(r.MassFlow, 1.9634938, 2e-6);
    EXPECT_NEAR(r.TemperatureDrop, 0.2085735, 2e-6);
    EXPECT_NEAR(r.HeatFlow, -1711.847, 2e-2); // the medium loses heat
}

TEST_F(PipeCalc, TemperatureDropOfAVolumeFlow) {
    const TemperatureDropResult r = PipeTemperatureDrop(HotFlow(0.5f, kLitresPerSecond));
    EXPECT_NEAR(r.MassFlow, 0.5, 1e-6);
    EXPECT_NEAR(r.TemperatureDrop, 0.8149078, 5e-6);
    EXPECT_NEAR(r.HeatFlow, -1703.157, 2e-2);
}

TEST_F(PipeCalc, OneLitrePerSecondOfWaterIsOneKilogramPerSecondAtAnyDiameter) {
    for (float d : {0.02f, 0.05f, 0.5f, 1.2f}) {
        PipeTemperatureDropInputs in = HotFlow(1, kLitresPerSecond);
        in.TubeDiameter = d;
        EXPECT_NEAR(PipeTemperatureDrop(in).MassFlow, 1, 1e-6) << d;
        in.FlowRateUnit = kMetresPerSecond;
        const double velocityFlow = 1000 * 3.14159 * d * d / 4;
        EXPECT_NEAR(PipeTemperatureDrop(in).MassFlow, velocityFlow, 1e-6 * velocityFlow) << d;
    }
    EXPECT_NEAR(PipeTemperatureDrop(HotFlow(1, kGallonsPerMinute)).MassFlow, 0.0630902, 1e-7);
    EXPECT_NEAR(PipeTemperatureDrop(HotFlow(1, kFeetPerSecond)).MassFlow,
                0.3048 * 1000 * 3.14159 * 0.05 * 0.05 / 4, 1e-6);
}

TEST_F(PipeCalc, TemperatureDropSigns) {
    PipeTemperatureDropInputs in = HotFlow(1, kMetresPerSecond);
    in.MediumTemp = -10; // colder than the air: it warms up
    const TemperatureDropResult cold = PipeTemperatureDrop(in);
    EXPECT_LT(cold.TemperatureDrop, 0);
    EXPECT_GT(cold.HeatFlow, 0);
    in.MediumTemp = 20;
    const TemperatureDropResult equal = PipeTemperatureDrop(in);
    EXPECT_EQ(equal.TemperatureDrop, 0);
    EXPECT_EQ(equal.HeatFlow, 0);
}

TEST_F(PipeCalc, TemperatureDropOfABarePipe) {
    PipeTemperatureDropInputs in = HotFlow(1, kMetresPerSecond);
    in.Thickness = 0;
    const TemperatureDropResult r = PipeTemperatureDrop(in);
    EXPECT_TRUE(r.Bare);
    EXPECT_NEAR(r.Transmittance, 8 * 3.14159 * 0.05, 2e-6);
}

TEST_F(PipeCalc, TemperatureDropBoundsApplyAfterTheUnitConversion) {
    const auto plausible = [](float flow, int unit) {
        return PipeTemperatureDropPlausible(HotFlow(flow, unit));
    };
    EXPECT_TRUE(plausible(0.001f, kMetresPerSecond));
    EXPECT_TRUE(plausible(0.001f, kLitresPerSecond));
    EXPECT_TRUE(plausible(1000, kLitresPerSecond));
    EXPECT_FALSE(plausible(1000.1f, kMetresPerSecond));
    EXPECT_FALSE(plausible(0.00328f, kFeetPerSecond));
    EXPECT_TRUE(plausible(0.003281f, kFeetPerSecond));
    EXPECT_FALSE(plausible(0.0158f, kGallonsPerMinute));
    EXPECT_TRUE(plausible(0.0159f, kGallonsPerMinute));

    const auto with = [](auto edit) {
        return PlausibleWith(HotFlow(1, kMetresPerSecond), &PipeTemperatureDropPlausible, edit);
    };
    using In = PipeTemperatureDropInputs;
    EXPECT_TRUE(with([](In& i) { i.Density = 0.001f; }));
    EXPECT_TRUE(with([](In& i) { i.Density = 22580; }));
    EXPECT_FALSE(with([](In& i) { i.Density = 22580.5f; }));
    EXPECT_FALSE(with([](In& i) { i.Density = 0.0009f; }));
    EXPECT_TRUE(with([](In& i) { i.HeatCapacity = 1; }));
    EXPECT_TRUE(with([](In& i) { i.HeatCapacity = 25000; }));
    EXPECT_FALSE(with([](In& i) { i.HeatCapacity = 0.99f; }));
    EXPECT_FALSE(with([](In& i) { i.HeatCapacity = 25000.5f; }));
    EXPECT_FALSE(with([](In& i) { i.PipeLength = 0; }));
    EXPECT_FALSE(with([](In& i) { i.Thickness = -0.001f; }));
}

TEST(Freezing, ClassificationOfTheThreeTemperatures) {
    using enum FreezingOutcome;
    struct Row {
        float ambient, medium, freezing;
        FreezingOutcome outcome;
    };
    const Row rows[] = {
        {20, 10, 0, Never},        // θf < θi < θa
        {5, -5, 0, Frozen},        // θi < θf <= θa
        {0, -5, 0, Frozen},        //   with θa = θf
        {5, 10, 0, Never},         // θf <= θa < θi
        {0, 10, 0, Never},         //   with θa = θf
        {-10, -5, 0, Frozen},      // θa < θi < θf
        {-3, -5, 0, Frozen},       // θi < θa < θf
        {-10, 10, 0, Computed},    // θa < θf < θi
        {-10, 0, 0, Undetermined}, // medium at its freezing point
        {10, 10, 0, Undetermined}, // medium at the air temperature
        {-5, -5, 0, Undetermined}, //   also below freezing
        {0, 0, 0, Undetermined},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ClassifyFreezing(r.ambient, r.medium, r.freezing), r.outcome)
            << r.ambient << " " << r.medium << " " << r.freezing;
    }
}

namespace {
// Water at 10 °C in a 100 mm pipe with 20 mm at 0.036, air at -10 °C, h 8;
// 335 kJ/kg, 20 % may freeze.
PipeFreezingInputs WaterLine() {
    return {-10, 10, 1000, 4180, 0, 335000, 0.2f, 0.1f, 0.02f, 8, 0.036f};
}
} // namespace

TEST(Freezing, TimeToCoolAndFreezePartOfTheContent) {
    // m' = (0.05·3.14159)·0.05·1000 = 7.853975 kg/m, U = 0.564417
    // t1 = ln(20/10)·m'/U·4180 s, t2 = m'/U·335000·0.2/10 s
    const FreezingResult r = PipeFreezingTime(WaterLine());
    EXPECT_EQ(r.Outcome, FreezingOutcome::Computed);
    EXPECT_NEAR(r.Hours, 37.09699, 2e-4);
}

TEST(Freezing, WithoutLatentHeatOnlyTheCoolingCounts) {
    PipeFreezingInputs in = WaterLine();
    in.LatentHeat = 0;
    in.MaxFrozenPart = 0;
    EXPECT_NEAR(PipeFreezingTime(in).Hours, 11.19925, 1e-4);
}

TEST(Freezing, ThickerInsulationAndMoreContentTakeLonger) {
    PipeFreezingInputs in = WaterLine();
    const float base = PipeFreezingTime(in).Hours;
    in.Thickness = 0.05f;
    EXPECT_GT(PipeFreezingTime(in).Hours, base);
    in.Thickness = 0.02f;
    in.Density = 2000;
    EXPECT_NEAR(PipeFreezingTime(in).Hours, 2 * base, 1e-3);
}

TEST(Freezing, NoTimeWhereTheMediumNeverFreezesOrIsFrozen) {
    PipeFreezingInputs in = WaterLine();
    in.AmbientTemp = 5;
    EXPECT_EQ(PipeFreezingTime(in).Outcome, FreezingOutcome::Never);
    EXPECT_EQ(PipeFreezingTime(in).Hours, 0);
    in.MediumTemp = -2;
    EXPECT_EQ(PipeFreezingTime(in).Outcome, FreezingOutcome::Frozen);
    EXPECT_EQ(PipeFreezingTime(in).Hours, 0);
}

TEST(Freezing, Bounds) {
    const auto with = [](auto edit, bool checkThickness = true) {
        PipeFreezingInputs in = WaterLine();
        edit(in);
        return PipeFreezingPlausible(in, checkThickness);
    };
    using In = PipeFreezingInputs;
    EXPECT_TRUE(with([](In&) {}));
    EXPECT_TRUE(with([](In& i) { i.FreezingTemp = -200; }));
    EXPECT_FALSE(with([](In& i) { i.FreezingTemp = 300.5f; }));
    EXPECT_TRUE(with([](In& i) { i.LatentHeat = 0; }));
    EXPECT_TRUE(with([](In& i) { i.LatentHeat = 1e7f; }));
    EXPECT_FALSE(with([](In& i) { i.LatentHeat = 10000001; }));
    EXPECT_FALSE(with([](In& i) { i.LatentHeat = -1; }));
    EXPECT_TRUE(with([](In& i) { i.MaxFrozenPart = 0; }));
    EXPECT_TRUE(with([](In& i) { i.MaxFrozenPart = static_cast<float>(100 * 0.01); }));
    EXPECT_FALSE(with([](In& i) { i.MaxFrozenPart = static_cast<float>(100.5 * 0.01); }));
    EXPECT_FALSE(with([](In& i) { i.Density = 0; }));
    EXPECT_FALSE(with([](In& i) { i.HeatCapacity = 0.5f; }));
    EXPECT_FALSE(with([](In& i) { i.TubeDiameter = 0; }));
    EXPECT_FALSE(with([](In& i) { i.SurfaceCoefficient = 51; }));
    EXPECT_FALSE(with([](In& i) { i.Thickness = -0.001f; }));
    EXPECT_TRUE(with([](In& i) { i.Thickness = -0.001f; }, false));
}
