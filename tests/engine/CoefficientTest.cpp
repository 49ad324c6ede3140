#include <gtest/gtest.h>

#include <cmath>

#include "MaterialsFixture.h"
#include "engine/Coefficient.h"
#include "engine/Ucalc.h"

namespace {
constexpr Installation kAll[] = {Installation::InsidePipe, Installation::OutsidePipe,
                                 Installation::InsideSheet, Installation::OutsideSheet};

class SurfaceCoefficient : public MaterialsTest {
protected:
    // 60 °C medium in 20 °C air, 20 mm of a 0.036 W/(m·K) user material on a 100 mm pipe.
    CoefficientInputs in = [] {
        CoefficientInputs i;
        i.AmbientTemp = 20;
        i.MediumTemp = 60;
        i.TubeDiameter = 0.1f;
        i.Thickness = 0.02f;
        i.MaterialIndex = kUser;
        i.Emissivity = 0.93f;
        i.WindSpeed = 1;
        i.SheetHeight = 1;
        i.Horizontal = true;
        return i;
    }();

    CoefficientResult Run(Installation installation) {
        return IterateSurfaceCoefficient(installation, in);
    }
    // A condensation form with a medium above the dew point of 60 % air at 20 °C.
    void MakeCondensationAboveDewPoint() {
        in.CondensationForm = true;
        in.MediumTemp = 15;
        in.RelHumidity = 60;
        in.StoredRelHumidity = 60;
    }
};
} // namespace

TEST_F(SurfaceCoefficient, ReproducesTheReferenceInstallations) {
    CoefficientResult r = Run(Installation::InsidePipe);
    EXPECT_NEAR(r.h, 8.68, 0.005);
    EXPECT_NEAR(r.SurfaceTemp, 25.99, 0.005);
    in.Horizontal = false;
    r = Run(Installation::InsidePipe);
    EXPECT_NEAR(r.h, 8.84, 0.005);
    EXPECT_NEAR(r.SurfaceTemp, 25.90, 0.005);
    r = Run(Installation::OutsidePipe);
    EXPECT_NEAR(r.h, 16.24, 0.005);
    EXPECT_NEAR(r.SurfaceTemp, 23.44, 0.005);
    r = Run(Installation::InsideSheet);
    EXPECT_NEAR(r.h, 7.71, 0.005);
    EXPECT_NEAR(r.SurfaceTemp, 27.57, 0.005);
    r = Run(Installation::OutsideSheet);
    EXPECT_NEAR(r.h, 9.45, 0.005);
    EXPECT_NEAR(r.SurfaceTemp, 26.40, 0.005);
}

TEST_F(SurfaceCoefficient, OrientationAndWindOnlyMatterWhereTheyApply) {
    const float sheetInside = Run(Installation::InsideSheet).h;
    const float pipeOutside = Run(Installation::OutsidePipe).h;
    in.Horizontal = false;
    EXPECT_EQ(Run(Installation::InsideSheet).h, sheetInside);
    EXPECT_EQ(Run(Installation::OutsidePipe).h, pipeOutside);
    const float pipeInside = Run(Installation::InsidePipe).h;
    in.WindSpeed = 7;
    EXPECT_EQ(Run(Installation::InsidePipe).h, pipeInside);
}

TEST_F(SurfaceCoefficient, BareSurfaceStaysAtTheMediumTemperature) {
    in.Thickness = 0;
    const CoefficientResult pipe = Run(Installation::InsidePipe);
    EXPECT_EQ(pipe.SurfaceTemp, 60);
    EXPECT_EQ(pipe.h, HeatTransferCoefficient(60, 20, 0.93f, 0.1f, 0, 1));
    const CoefficientResult sheet = Run(Installation::OutsideSheet);
    EXPECT_EQ(sheet.SurfaceTemp, 60);
    EXPECT_EQ(sheet.h, HeatTransferCoefficient(60, 20, 0.93f, 1, 1, 3));
}

TEST_F(SurfaceCoefficient, ZeroTubeDiameterIsAnErrorInsideAndOutside) {
    in.TubeDiameter = 0;
    EXPECT_EQ(FloatErrorOf([&] { Run(Installation::InsidePipe); }), kDivisionByZero);
    EXPECT_EQ(FloatErrorOf([&] { Run(Installation::OutsidePipe); }), kDivisionByZero);
    in.Thickness = 0;
    EXPECT_EQ(FloatErrorOf([&] { Run(Installation::InsidePipe); }), kInvalidOperation);
}

TEST_F(SurfaceCoefficient, ZeroSheetHeightLeavesAFiniteCoefficient) {
    in.SheetHeight = 0;
    const CoefficientResult r = Run(Installation::InsideSheet);
    EXPECT_TRUE(std::isfinite(r.h));
    EXPECT_GT(r.h, 5); // the radiation part alone
    EXPECT_LT(r.h, 7);
}

TEST_F(SurfaceCoefficient, CondensationAboveTheDewPointUsesTheDewPointSurface) {
    MakeCondensationAboveDewPoint();
    EXPECT_NEAR(DewPoint(20, 60), 11.99, 0.005);
    for (Installation installation : kAll) {
        for (bool horizontal : {false, true}) {
            for (float thickness : {0.0f, 0.005f, 0.1f}) {
                in.Horizontal = horizontal;
                in.Thickness = thickness;
                EXPECT_NEAR(Run(installation).h, 8.58, 0.005);
            }
        }
    }
}

TEST_F(SurfaceCoefficient, ClosedFormulaTakesTheStoredHumidityNotTheLine) {
    MakeCondensationAboveDewPoint();
    const float stored60 = Run(Installation::InsidePipe).h;
    in.RelHumidity = 40;
    EXPECT_EQ(Run(Installation::InsidePipe).h, stored60);
    in.StoredRelHumidity = 40;
    EXPECT_GT(Run(Installation::InsidePipe).h, stored60 + 0.5f); // drier air, colder dew point
}

TEST_F(SurfaceCoefficient, SweatingMediumIsInsulatedToTheDewPoint) {
    in.CondensationForm = true;
    in.MediumTemp = 5;
    in.RelHumidity = 60;
    in.StoredRelHumidity = 60;
    const float dew = DewPoint(20, 60);
    for (Installation installation : kAll) {
        const CoefficientResult r = Run(installation);
        EXPECT_NEAR(r.SurfaceTemp, dew, 0.01);
        EXPECT_GT(r.h, 5);
        EXPECT_LT(r.h, 20);
    }
}

TEST_F(SurfaceCoefficient, CondensationFormsRefuseAMediumWarmerThanTheAir) {
    in.AmbientTemp = 10;
    in.MediumTemp = 12;
    EXPECT_FALSE(CondensationTemperaturesRefused(in));
    in.CondensationForm = true;
    EXPECT_TRUE(CondensationTemperaturesRefused(in));
    in.MediumTemp = 10;
    EXPECT_FALSE(CondensationTemperaturesRefused(in));
}

TEST_F(SurfaceCoefficient, AcceptsTheBoundsThemselves) {
    for (float e : {0.0f, 1.0f}) {
        in.Emissivity = e;
        EXPECT_FALSE(CoefficientInputsRefused(Installation::OutsidePipe, in)) << e;
    }
    for (float e : {-0.01f, 1.01f}) {
        in.Emissivity = e;
        EXPECT_TRUE(CoefficientInputsRefused(Installation::InsideSheet, in)) << e;
    }
    in.Emissivity = 0.93f;
    in.WindSpeed = 10;
    EXPECT_FALSE(CoefficientInputsRefused(Installation::OutsideSheet, in));
    in.WindSpeed = 10.1f;
    EXPECT_TRUE(CoefficientInputsRefused(Installation::OutsideSheet, in));
    EXPECT_TRUE(CoefficientInputsRefused(Installation::OutsidePipe, in));
    EXPECT_FALSE(CoefficientInputsRefused(Installation::InsidePipe, in));
    in.WindSpeed = 1;
    for (float s : {0.0f, static_cast<float>(500 * 0.001)}) {
        in.Thickness = s;
        EXPECT_FALSE(CoefficientInputsRefused(Installation::InsidePipe, in)) << s;
    }
    for (float s : {static_cast<float>(501 * 0.001), -0.001f}) {
        in.Thickness = s;
        EXPECT_TRUE(CoefficientInputsRefused(Installation::InsidePipe, in)) << s;
    }
}
