// Layered systems through their public functions: balance, split layers, large objects,
// order and cladding, the safe sides without a balance, limits, and the inputs refused.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "MaterialsFixture.h"
#include "engine/Geometry.h"
#include "engine/LayeredSystem.h"

namespace {

class LayeredSystemTest : public ::testing::Test, protected RandomDraws {
protected:
    LayeredSystemTest() : RandomDraws(20261210) {}

    // A hot or cold medium on any shape under layers whose λ rises with temperature (wool,
    // foam) or is a typed constant, h typed or computed indoors or outdoors.
    LayeredInputs Random(int layers) {
        LayeredInputs in;
        in.AmbientTemp = Uniform(-20, 40);
        in.MediumTemp =
            Coin() ? Uniform(in.AmbientTemp + 20, 300) : Uniform(-150, in.AmbientTemp - 5);
        in.Object.Kind = static_cast<Shape>(random() % 4);
        in.Object.Diameter = Uniform(0.01f, 2);
        in.Object.Width = Uniform(0.1f, 2), in.Object.Height = Uniform(0.1f, 2);
        for (int i = 0; i < layers; ++i) {
            const ConductivityLaw law =
                Coin() ? ConductivityLaw{Uniform(0.025f, 0.05f), Uniform(1e-5f, 2e-4f)}
                       : ConductivityLaw{Uniform(0.02f, 0.3f), 0};
            in.Layers.push_back(LayerOf(law, Uniform(0.005f, 0.08f)));
        }
        in.Coefficient = {Coin(),        Uniform(2, 30),       Coin(),          Coin(),
                          Uniform(1, 8), Uniform(0.1f, 0.95f), Uniform(0.5f, 3)};
        if (Coin())
            in.CladdingEmissivity = Uniform(0.05f, 0.3f);
        return in;
    }
};

// Every solution is a balance: the same heat crosses each layer (λ at its mean) and the
// surface (h of its own surface temperature), and the temperatures fall in order.
TEST_F(LayeredSystemTest, EachLayerAndTheSurfaceCarryTheSameHeat) {
    for (int trial = 0; trial < 300; ++trial) {
        const LayeredInputs in = Random(1 + trial % kMaxLayers);
        SCOPED_TRACE(trial);
        ASSERT_TRUE(LayeredInputsUsable(in));
        const LayeredSolution s = SolveLayered(in);
        if (s.Settle == Settling::NoBalance)
            continue; // see NoBalanceTakesEachSafeSide
        ASSERT_EQ(s.Interfaces.size(), in.Layers.size() + 1);
        EXPECT_EQ(s.Interfaces.front(), in.MediumTemp);
        EXPECT_EQ(s.Interfaces.back(), s.SurfaceTemp);
        const double q = -double{s.HeatFlowPerUnit}, scale = in.MediumTemp - in.AmbientTemp;
        const double within = 1e-3 + 1e-5 * std::fabs(scale);
        double offset = 0;
        for (size_t i = 0; i < in.Layers.size(); ++i) {
            const float a = s.Interfaces[i], b = s.Interfaces[i + 1];
            const float t = in.Layers[i].Thickness, lambda = s.Lambdas[i];
            EXPECT_NEAR(lambda, ConductivityAt(in.Layers[i].Law, (a + b) / 2), 1e-6 * lambda);
            EXPECT_NEAR(a - b, q * LayerResistance(in.Object, offset, offset + t, lambda), within);
            EXPECT_GE((a - b) * scale, 0);
            offset += t;
        }
        EXPECT_NEAR(s.SurfaceTemp - in.AmbientTemp, q * SurfaceResistance(in.Object, offset, s.h),
                    within);
        EXPECT_TRUE(in.Coefficient.Computed || s.h == in.Coefficient.Typed);
    }
}

// λ varies linearly with temperature, so splitting one material into n layers changes
// nothing: the surface is the single layer's within 0.001 K.
TEST_F(LayeredSystemTest, OneMaterialInSeveralLayersIsOneLayer) {
    for (int trial = 0; trial < 300; ++trial) {
        const LayeredInputs one = Random(1);
        SCOPED_TRACE(trial);
        LayeredInputs split = one;
        split.Layers.clear();
        float rest = one.Layers[0].Thickness;
        for (int i = 1; i < 2 + trial % (kMaxLayers - 1); ++i) {
            split.Layers.push_back(LayerOf(one.Layers[0].Law, rest * Uniform(0.1f, 0.6f)));
            rest -= split.Layers.back().Thickness;
        }
        split.Layers.push_back(LayerOf(one.Layers[0].Law, rest));
        const LayeredSolution a = SolveLayered(one), b = SolveLayered(split);
        if (a.Settle == Settling::NoBalance || b.Settle == Settling::NoBalance)
            continue; // each ends beside the jump it started nearer
        EXPECT_NEAR(a.SurfaceTemp, b.SurfaceTemp, 1e-3);
        EXPECT_NEAR(a.HeatFlowPerUnit, b.HeatFlowPerUnit, 1e-5 * std::fabs(a.HeatFlowPerUnit));
    }
}

// Per m² of surface a large pipe, sphere or duct is a wall: the gap shrinks as the layer's
// share of the size, tenfold from 1 m to 10 m to 100 m; at 100 m give or take 0.02 K, the
// resolution of a single layer's 32-bit insulated diameter there.
TEST_F(LayeredSystemTest, LargeObjectsApproachTheWall) {
    for (int trial = 0; trial < 60; ++trial) {
        LayeredInputs wall = Random(1 + trial % 3);
        wall.Object.Kind = Shape::Wall;
        wall.Coefficient.Computed = false; // the correlations differ by shape
        const double flat = SolveLayered(wall).SurfaceTemp;
        for (Shape kind : {Shape::Pipe, Shape::Sphere, Shape::Duct}) {
            SCOPED_TRACE(::testing::Message() << trial << " shape " << static_cast<int>(kind));
            double gaps[3];
            for (int k = 0; k < 3; ++k) {
                const float size = std::pow(10.0f, k);
                wall.Object = {kind, size, size, size};
                gaps[k] = std::fabs(SolveLayered(wall).SurfaceTemp - flat);
            }
            EXPECT_LT(gaps[1], gaps[0] / 5 + 1e-3);
            EXPECT_LT(gaps[2], gaps[1] / 5 + 0.02);
        }
    }
}

// Around a pipe the better insulant belongs inside, and more insulation outside always
// cools a hot surface; the cladding's low emissivity warms it.
TEST_F(LayeredSystemTest, OrderThicknessAndCladdingActAsPhysicsSays) {
    for (int trial = 0; trial < 100; ++trial) {
        LayeredInputs in = Random(2);
        in.MediumTemp = Uniform(in.AmbientTemp + 30, 300);
        in.Object.Kind = Shape::Pipe;
        in.Layers = {LayerOf({0.03f, 0}, in.Layers[0].Thickness),
                     LayerOf({0.09f, 0}, in.Layers[0].Thickness)};
        in.Coefficient.Computed = false;
        SCOPED_TRACE(trial);
        LayeredInputs swapped = in, more = in;
        std::swap(swapped.Layers[0], swapped.Layers[1]);
        EXPECT_GT(SolveLayered(in).HeatFlowPerUnit, SolveLayered(swapped).HeatFlowPerUnit);
        more.Layers.push_back(LayerOf({0.04f, 0}, 0.02f));
        EXPECT_LT(SolveLayered(more).SurfaceTemp, SolveLayered(in).SurfaceTemp);
        in.Coefficient.Computed = true, in.Coefficient.Emissivity = 0.9f;
        LayeredInputs clad = in;
        clad.CladdingEmissivity = 0.05f, in.CladdingEmissivity.reset();
        EXPECT_GT(SolveLayered(clad).SurfaceTemp, SolveLayered(in).SurfaceTemp);
    }
}

// On a wall in still air h jumps where the surface is 10 K from the air: across the band of
// thicknesses where no surface balances, the surface comes from the smaller h and the heat
// flow from the larger, each the safe side; outside it the solution is a balance.
TEST_F(LayeredSystemTest, NoBalanceTakesEachSafeSide) {
    LayeredInputs in;
    in.AmbientTemp = 20, in.MediumTemp = 80;
    in.Object.Kind = Shape::Wall;
    in.Layers = {LayerOf({0.04f, 0.0002f}, 0), LayerOf({0.034f, 0.0001f}, 0)};
    in.Coefficient = {true, 0, false, false, 0, 0.9f, 1};
    int unbalanced = 0;
    for (float mm = 2; mm <= 80; mm += 0.25f) {
        in.Layers[0].Thickness = in.Layers[1].Thickness = mm * 0.0005f;
        const LayeredSolution s = SolveLayered(in);
        SCOPED_TRACE(mm);
        const double overAir = s.SurfaceTemp - in.AmbientTemp, q = -s.HeatFlowPerUnit;
        if (s.Settle != Settling::NoBalance) {
            EXPECT_NEAR(q, s.h * overAir, 1e-3 * s.h);
            continue;
        }
        ++unbalanced;
        // The laminar h puts the surface beyond the jump, the turbulent one short of it.
        EXPECT_LT(s.h, s.FlowH);
        EXPECT_TRUE(overAir > 10 && overAir < 12) << overAir;
        EXPECT_TRUE(q > s.h * overAir && q <= s.FlowH * 10) << q;
    }
    EXPECT_GT(unbalanced, 0);
}

// The thinnest inner layer that keeps the foam outside it within its limits: at it the
// interface sits at the foam's limit, a little thinner it is beyond.
TEST_F(LayeredSystemTest, ThinnestInnerLayerKeepsTheOuterMaterialWithinItsLimit) {
    // °C of the air and the medium, and of the foam's interface at the thinnest inner layer;
    // at 40 °C the air alone is too hot for the outer layer.
    const std::tuple<float, float, std::optional<float>> cases[] = {{20, 250, 105}, {25, 400, 105},
                                                                    {20, -60, -40}, {30, -150, -40},
                                                                    {20, 90, 0},    {40, 250, {}}};
    for (const auto& [ambient, medium, limit] : cases) {
        LayeredInputs in;
        in.AmbientTemp = ambient, in.MediumTemp = medium;
        in.Object = {Shape::Pipe, 0.0603f};
        in.Layers = {{{0.04f, 0.0002f}, 0.01f, -200.0f, 650.0f},
                     {{0.035f, 0.0001f}, 0.03f, -40.0f, 105.0f},
                     {{0.04f, 0}, 0.005f, -50.0f, ambient == 40 ? 35.0f : 100.0f}};
        in.Coefficient = {true, 0, true, true, 2, 0.9f, 1};
        SCOPED_TRACE(medium);
        const std::optional<float> inner = ThinnestInnerLayerWithinLimits(in);
        ASSERT_EQ(inner.has_value(), limit.has_value());
        if (!inner || *limit == 0) {
            EXPECT_TRUE(!inner || *inner == 0);
            continue;
        }
        in.Layers[0].Thickness = *inner;
        EXPECT_NEAR(SolveLayered(in).Interfaces[1], *limit, 0.05);
        EXPECT_FALSE(SolveLayered(in).BeyondLimits[1]);
        in.Layers[0].Thickness = *inner - 2e-5f;
        EXPECT_TRUE(SolveLayered(in).BeyondLimits[1]);
    }
}

TEST_F(LayeredSystemTest, UnusableSystemsAreRefused) {
    LayeredInputs in = Random(2);
    in.Object.Kind = Shape::Duct;
    ASSERT_TRUE(LayeredInputsUsable(in));
    const auto usable = [&](auto edit) { return PlausibleWith(in, LayeredInputsUsable, edit); };
    EXPECT_FALSE(usable([](LayeredInputs& i) { i.Layers.clear(); }));
    EXPECT_FALSE(usable([](LayeredInputs& i) { i.Layers.resize(kMaxLayers + 1, i.Layers[0]); }));
    EXPECT_TRUE(usable([](LayeredInputs& i) { i.Layers.resize(kMaxLayers, i.Layers[0]); }));
    EXPECT_FALSE(usable([](LayeredInputs& i) { i.Layers[1].Thickness = 0; }));
    EXPECT_FALSE(usable([](LayeredInputs& i) { i.Object.Height = 0; }));
    EXPECT_FALSE(usable([](LayeredInputs& i) { i.CladdingEmissivity = 1.5f; }));
    EXPECT_FALSE(usable([](LayeredInputs& i) { i.Object = {Shape::Sphere, -1}; }));
    EXPECT_TRUE(usable([](LayeredInputs& i) { i.Object = {Shape::Wall, 0}; }));
}

} // namespace
