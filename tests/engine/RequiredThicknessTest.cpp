// The thickness search must end at its answer for every reachable target, and keep the
// ten-step results where those already hit the target.
#include <gtest/gtest.h>

#include <random>

#include "MaterialsFixture.h"
#include "engine/CalcFrame.h"
#include "engine/RootSearch.h"
#include "engine/Ucalc.h"

namespace {
// Glass wool as shipped (0 .. 250 °C) and a cryogenic foam.
constexpr ConductivityLaw kGlassWool{0.032f, 0.00018f};
constexpr ConductivityLaw kCryoFoam{0.031f, 0.0001f};

float SurfaceMiss(float medium, float ambient, float d, float h, float target,
                  const ConductivityLaw& law, int geometry) {
    const float s = RequiredThickness(medium, ambient, d, h, target, law, geometry);
    EXPECT_GE(s, 0);
    return SelfConsistentSurfaceTemp(medium, ambient, d, h, s, law, geometry) - target;
}
} // namespace

TEST(ConvergedThickness, FarCasesEndAtTheConvergedThickness) {
    const float pipeDew = DewPoint(132, 43);
    const float pipe = RequiredThickness(-200, 132, 0.1143f, 8, pipeDew, kGlassWool, kCylinder);
    EXPECT_NEAR(pipe * 1000, 30.7, 0.1);
    EXPECT_NEAR(SurfaceMiss(-200, 132, 0.1143f, 8, pipeDew, kGlassWool, kCylinder), 0, 0.001);

    const float sheetDew = DewPoint(112, 50);
    const float sheet = RequiredThickness(-200, 112, 0, 10, sheetDew, kGlassWool, kPlane);
    EXPECT_NEAR(sheet * 1000, 35.9, 0.1);
    EXPECT_NEAR(SurfaceMiss(-200, 112, 0, 10, sheetDew, kGlassWool, kPlane), 0, 0.001);
}

TEST(ConvergedThickness, AFailedSecantStepHandsOverToTheSearch) {
    // Two trials at equal temperatures divided by zero here.
    const float dew = DewPoint(-100, 96);
    EXPECT_NEAR(SurfaceMiss(-110, -100, 0.0254f, 1, dew, kCryoFoam, kCylinder), 0, 0.001);
}

TEST(ConvergedThickness, VeryColdAirNeedsItsWholeThickness) {
    const float dew = DewPoint(-100, 96);
    const float s = RequiredThickness(-200, -100, 0, 1, dew, kCryoFoam, kPlane);
    EXPECT_GT(s, 1.0f); // the ten steps stopped far short of this
    EXPECT_NEAR(SurfaceMiss(-200, -100, 0, 1, dew, kCryoFoam, kPlane), 0, 0.001);
}

TEST(ConvergedThickness, AnEvaluationErrorOfTheLayerItselfIsStillReported) {
    EXPECT_EQ(FloatErrorOf([] { RequiredThickness(5, 20, 0, 8, 12, kGlassWool, kCylinder); }),
              kDivisionByZero);
}

// Random accepted condensation inputs: the thickness puts the surface at the dew point,
// is never negative, and more insulation never raises the heat loss.
TEST(ConvergedThickness, PropertyOverRandomAcceptedInputs) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<float> temp(-200, 300), unit(0, 1);
    int checked = 0;
    for (int run = 0; run < 3000; ++run) {
        const float a = temp(random), i = temp(random);
        const float phi = 25 + 71 * unit(random), h = 1 + 49 * unit(random);
        const float d = 0.001f + 0.6f * unit(random);
        const ConductivityLaw law{0.02f + 0.05f * unit(random), 0.0002f * unit(random)};
        const int geometry = run % 2 ? kCylinder : kPlane;
        if (a < i || !DewPointBelowAir(a, phi) || DewPoint(a, phi) <= i)
            continue;
        const float dew = DewPoint(a, phi);
        const float s = RequiredThickness(i, a, d, h, dew, law, geometry);
        ASSERT_GE(s, 0) << a << " " << i << " " << phi << " " << h << " " << d;
        ASSERT_NEAR(SelfConsistentSurfaceTemp(i, a, d, h, s, law, geometry), dew, 0.01)
            << a << " " << i << " " << phi << " " << h << " " << d << " " << geometry;
        // Beyond the critical diameter 2λ/h (always, for a wall) more insulation loses less.
        const float lambda = ConductivityAt(law, 0.5f * (a + i));
        const float thicker = s * 1.5f + 0.001f;
        if (geometry == kCylinder && d + 2 * s >= 2 * lambda / h) {
            EXPECT_LE(PipeTransmittance(d, thicker, lambda, h), PipeTransmittance(d, s, lambda, h));
        }
        if (geometry == kPlane) {
            EXPECT_LE(1 / (thicker / lambda + 1 / h), 1 / (s / lambda + 1 / h));
        }
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

TEST(BracketedSearch, FindsRootsAndRefusesBracketsWithoutOne) {
    const auto cube = [](double x) { return x * x * x - 2; };
    EXPECT_NEAR(*BracketedRoot(cube, 0, 10, 1e-9), 1.259921, 1e-6);
    EXPECT_FALSE(BracketedRoot(cube, 2, 10, 1e-9).has_value());
    EXPECT_EQ(*GrowBracket(cube, 0, 0.1, 100), 1.6);
    EXPECT_FALSE(GrowBracket(cube, 0, 0.1, 1.0).has_value());
    // A step function: no point meets the tolerance, the bracket closes on the jump.
    const auto step = [](double x) { return x < 0.3 ? -1.0 : 1.0; };
    EXPECT_NEAR(*BracketedRoot(step, 0, 1, 1e-6, 1e-9), 0.3, 1e-8);
}
