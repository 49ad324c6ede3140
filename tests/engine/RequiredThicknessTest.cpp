// The thickness search ends at its answer for every reachable target. The cases that the
// ten secant steps alone got wrong are run through the forms (SignableResultsTest).
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>

#include "engine/CalcFrame.h"
#include "engine/RootSearch.h"
#include "engine/SheetCalculations.h"
#include "engine/Ucalc.h"

namespace {
// |heat flow| of one metre of pipe or one m² of wall with the layer s.
float HeatFlow(int geometry, float d, float s, float lambda, float h) {
    if (geometry == kCylinder)
        return PipeTransmittance(d, s, lambda, h);
    SheetHeatLossInputs in{20, 0, s, 1, h, 0, lambda, h};
    return std::fabs(SheetHeatLoss(in).HeatFlow);
}
} // namespace

// Random accepted condensation inputs: the thickness puts the surface at the dew point, is
// never negative, and more insulation never raises the heat loss (for a pipe beyond its
// critical diameter 2λ/h, below which insulation does raise it).
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
        SCOPED_TRACE(::testing::Message()
                     << a << " " << i << " " << phi << " " << h << " " << d << " " << geometry);
        const float dew = DewPoint(a, phi);
        const float s = RequiredThickness(i, a, d, h, dew, law, geometry);
        ASSERT_GE(s, 0);
        ASSERT_NEAR(SelfConsistentSurfaceTemp(i, a, d, h, s, law, geometry), dew, 0.01);
        const float lambda = ConductivityAt(law, 0.5f * (a + i));
        if (geometry == kPlane || d + 2 * s >= 2 * lambda / h) {
            EXPECT_LE(HeatFlow(geometry, d, s * 1.5f + 0.001f, lambda, h),
                      HeatFlow(geometry, d, s, lambda, h));
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

namespace {
// The target lies between the surfaces of a layer one displayed digit (0.001 mm for pipes,
// 0.01 mm for walls) thinner and one thicker, and the surface itself within 0.001 K of it.
void ExpectKnownToLastDigit(float i, float a, float d, float h, float target,
                            const ConductivityLaw& law, int geometry) {
    const float s = RequiredThickness(i, a, d, h, target, law, geometry);
    const double digit = geometry == kCylinder ? 1e-6 : 1e-5;
    const auto miss = [&](double x) {
        const float t = static_cast<float>(std::fmax(0.0, x));
        return double{SelfConsistentSurfaceTemp(i, a, d, h, t, law, geometry)} - target;
    };
    EXPECT_NEAR(miss(s), 0, 0.001) << s;
    EXPECT_LE(miss(s - digit) * miss(s + digit), 0) << s - digit << " " << s + digit;
}
} // namespace

// Air close to its dew point: the surface moves by thousandths of a kelvin per millimetre,
// and the thickness must still come out to the digits the pipe form shows (937.25 mm for
// the cryogenic foam of the shipped data on a 1" line at -110 °C in air at -100 °C, 96 %).
TEST(ConvergedThickness, CryogenicPipeInMoistAirToTheLastDigit) {
    const ConductivityLaw cryo{0.031f, 0.0001f};
    EXPECT_NEAR(RequiredThickness(-110, -100, 0.0254f, 1, DewPoint(-100, 96), cryo, kCylinder),
                0.93725, 5e-5);
    const float mediumAndAir[][2] = {
        {-110, -100}, {-109, -100}, {-120, -100}, {-190, -100}, {-110, -109}};
    for (const auto& [medium, air] : mediumAndAir) {
        SCOPED_TRACE(::testing::Message() << medium << " in " << air);
        ExpectKnownToLastDigit(medium, air, 0.0254f, 1, DewPoint(air, 96), cryo, kCylinder);
    }
}

// Random accepted condensation inputs, many with the dew point close to the air: every
// thickness is known to its last displayed digit.
TEST(ConvergedThickness, KnownToTheDisplayedDigitOverRandomInputs) {
    std::mt19937 random(20261210);
    std::uniform_real_distribution<float> temp(-150, 150), unit(0, 1);
    int checked = 0;
    for (int run = 0; run < 400; ++run) {
        const float a = temp(random), i = a - 2 - 100 * unit(random);
        const float phi = run % 2 ? 80 + 16 * unit(random) : 25 + 71 * unit(random);
        const float h = 1 + 49 * unit(random), d = 0.001f + 0.6f * unit(random);
        const ConductivityLaw law{0.02f + 0.05f * unit(random), 0.0002f * unit(random)};
        const int geometry = run % 3 ? kCylinder : kPlane;
        // Accepted materials conduct at every temperature of the layer.
        if (i < -200 || ConductivityAt(law, i) < 0.005f || !DewPointBelowAir(a, phi) ||
            DewPoint(a, phi) <= i)
            continue;
        SCOPED_TRACE(::testing::Message()
                     << std::setprecision(9) << a << " " << i << " " << phi << " " << h << " " << d
                     << " " << geometry << " " << law.Lambda0 << " " << law.LambdaSlope);
        ExpectKnownToLastDigit(i, a, d, h, DewPoint(a, phi), law, geometry);
        ++checked;
    }
    EXPECT_GT(checked, 200);
}
