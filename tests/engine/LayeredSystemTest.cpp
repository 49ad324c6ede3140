// Layered systems through their public functions: balance, split layers, large objects,
// order and cladding, the safe sides without a balance, limits, refusals, published examples.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

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
// surface (h of its own surface temperature), the temperatures falling in order. λ is linear
// in temperature, so cutting the first layer into pieces of its material changes nothing.
TEST_F(LayeredSystemTest, EachLayerCarriesTheSameHeatAndSplittingOneChangesNothing) {
    Trials(300, [&](int trial) {
        const LayeredInputs in = Random(1 + trial % kMaxLayers);
        ASSERT_TRUE(LayeredInputsUsable(in));
        const LayeredSolution s = SolveLayered(in);
        if (s.Settle == Settling::NoBalance)
            return; // see NoBalanceTakesEachSafeSide
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
        LayeredInputs split = in;
        for (size_t n = in.Layers.size(); n < kMaxLayers; ++n) {
            const float piece = split.Layers[0].Thickness * Uniform(0.1f, 0.6f);
            split.Layers[0].Thickness -= piece;
            split.Layers.insert(split.Layers.begin(), LayerOf(in.Layers[0].Law, piece));
        }
        const LayeredSolution b = SolveLayered(split);
        if (b.Settle != Settling::NoBalance) { // else it ends beside the jump it started nearer
            EXPECT_NEAR(s.SurfaceTemp, b.SurfaceTemp, 1e-3);
            EXPECT_NEAR(s.HeatFlowPerUnit, b.HeatFlowPerUnit, 1e-5 * std::fabs(s.HeatFlowPerUnit));
        }
    });
}

// Per m² of surface a large pipe, sphere or duct is a wall: the gap shrinks tenfold from
// 1 m to 10 m to 100 m (at 100 m ±0.02 K, a 32-bit insulated diameter's resolution there).
TEST_F(LayeredSystemTest, LargeObjectsApproachTheWall) {
    Trials(60, [&](int trial) {
        LayeredInputs wall = Random(1 + trial % 3);
        wall.Object.Kind = Shape::Wall;
        wall.Coefficient.Computed = false; // the correlations differ by shape
        const double flat = SolveLayered(wall).SurfaceTemp;
        for (Shape kind : {Shape::Pipe, Shape::Sphere, Shape::Duct}) {
            SCOPED_TRACE(static_cast<int>(kind));
            double gaps[3];
            for (int k = 0; k < 3; ++k) {
                const float size = std::pow(10.0f, k);
                wall.Object = {kind, size, size, size};
                gaps[k] = std::fabs(SolveLayered(wall).SurfaceTemp - flat);
            }
            EXPECT_LT(gaps[1], gaps[0] / 5 + 1e-3);
            EXPECT_LT(gaps[2], gaps[1] / 5 + 0.02);
        }
    });
}

// Around a pipe the better insulant belongs inside, more insulation outside cools a hot
// surface, and the cladding's low emissivity warms it.
TEST_F(LayeredSystemTest, OrderThicknessAndCladdingActAsPhysicsSays) {
    Trials(100, [&](int) {
        LayeredInputs in = Random(2);
        in.MediumTemp = Uniform(in.AmbientTemp + 30, 300);
        in.Object.Kind = Shape::Pipe;
        in.Layers = {LayerOf({0.03f, 0}, in.Layers[0].Thickness),
                     LayerOf({0.09f, 0}, in.Layers[0].Thickness)};
        in.Coefficient.Computed = false;
        LayeredInputs swapped = in, more = in;
        std::swap(swapped.Layers[0], swapped.Layers[1]);
        EXPECT_GT(SolveLayered(in).HeatFlowPerUnit, SolveLayered(swapped).HeatFlowPerUnit);
        more.Layers.push_back(LayerOf({0.04f, 0}, 0.02f));
        EXPECT_LT(SolveLayered(more).SurfaceTemp, SolveLayered(in).SurfaceTemp);
        in.Coefficient.Computed = true, in.Coefficient.Emissivity = 0.9f;
        LayeredInputs clad = in;
        clad.CladdingEmissivity = 0.05f, in.CladdingEmissivity.reset();
        EXPECT_GT(SolveLayered(clad).SurfaceTemp, SolveLayered(in).SurfaceTemp);
    });
}

// On a wall in still air h jumps where the surface is 10 K from the air: where no surface
// balances, the surface comes from the smaller h and the heat flow from the larger.
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

// At the thinnest inner layer the foam's interface sits at its limit, a little thinner beyond.
TEST_F(LayeredSystemTest, ThinnestInnerLayerKeepsTheOuterMaterialWithinItsLimit) {
    // °C of air, medium and that interface; at 40 °C the air is too hot for the outer layer.
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

// Published worked examples. A film coefficient on the medium's side becomes an inner layer of
// equal resistance (a wall layer s thick with λ = s·h; in a bore D a layer from 0.8·D with
// λ = ln(1.25)·h·D/2); a fixed outer surface temperature a typed h of 10⁶ W/(m²·K).
enum class Quantity { HeatOut, Interface1, DropOfLayer3, FlowLeftWithoutLast, ShapeFactor };

using Layers = std::vector<std::pair<float, float>>; // λ, thickness (m), inside out

struct Reference {
    const char* source;
    InsulatedShape object;
    Layers layers;
    float medium, ambient, h;
    Quantity quantity;
    double published, tolerance;
};

LayeredSolution Solve(const Reference& r, size_t layers) {
    LayeredInputs in;
    in.Object = r.object;
    for (size_t i = 0; i < layers; ++i)
        in.Layers.push_back(LayerOf({r.layers[i].first, 0}, r.layers[i].second));
    in.MediumTemp = r.medium, in.AmbientTemp = r.ambient;
    in.Coefficient.Computed = false, in.Coefficient.Typed = r.h;
    return SolveLayered(in);
}

double Ours(const Reference& r) {
    const LayeredSolution s = Solve(r, r.layers.size());
    switch (r.quantity) {
    case Quantity::HeatOut:
        return -s.HeatFlowPerUnit;
    case Quantity::Interface1:
        return s.Interfaces[1];
    case Quantity::DropOfLayer3:
        return s.Interfaces[2] - s.Interfaces[3];
    case Quantity::FlowLeftWithoutLast:
        return s.HeatFlowPerUnit / Solve(r, r.layers.size() - 1).HeatFlowPerUnit;
    case Quantity::ShapeFactor: // λ 1 across 100 K
        return -s.HeatFlowPerUnit / 100;
    }
    return NAN;
}

TEST(LayeredReferenceTest, PublishedWorkedExamples) {
    const double pi = std::acos(-1.0);
    const float film = static_cast<float>(std::log(1.25) * 60 * 0.05 / 2), fixed = 1e6f;
    const Layers pane = {{0.1f, 0.01f}, {0.78f, 0.004f}, {0.026f, 0.01f}, {0.78f, 0.004f}};
    const Layers steam = {{film, 0.005f}, {80, 0.0025f}, {0.05f, 0.03f}};
    const InsulatedShape wall{Shape::Wall}, duct{Shape::Duct, 0, 0.5f, 0.5f};
    using enum Quantity;
    // clang-format off
    const Reference references[] = {
        // Cengel & Ghajar, Heat and Mass Transfer: double-pane window 0.8 m x 1.5 m, h 10 inside,
        // 40 outside: 69.2 W (resistances rounded to four places), the inner pane at 14.2 °C.
        {"Cengel window, W/m²", wall, pane, 20, -10, 40, HeatOut, 69.2 / 1.2, 0.1 / 1.2},
        {"Cengel window, inner pane", wall, pane, 20, -10, 40, Interface1, 14.2, 0.05},
        // Cengel & Ghajar, cast-iron steam pipe under glass wool, h 60 inside, 18 outside:
        // 121 W/m, 284 K across the wool.
        {"Cengel steam pipe, W/m", {Shape::Pipe, 0.04f}, steam, 320, 5, 18, HeatOut, 121, 0.5},
        {"Cengel steam pipe, K", {Shape::Pipe, 0.04f}, steam, 320, 5, 18, DropOfLayer3, 284, 0.5},
        // Incropera & DeWitt, Fundamentals of Heat and Mass Transfer: liquid-nitrogen sphere.
        {"Incropera nitrogen sphere, W", {Shape::Sphere, 0.5f}, {{0.0017f, 0.025f}},
         -196.15f, 26.85f, 20, HeatOut, -13.06, 0.006},
        // Cengel & Ghajar, wire, 80 W on 5 m: surface 105 °C (to the kelvin: ±0.5 K of 75 K).
        {"Cengel wire, W/m", {Shape::Pipe, 0.003f}, {{0.15f, 0.002f}}, 105, 30, 12,
         HeatOut, 16, 0.11},
        // Holman, Heat Transfer: steel tube under asbestos.
        {"Holman steel tube, W/m", {Shape::Pipe, 0.02f}, {{19, 0.01f}, {0.2f, 0.03f}},
         600, 100, fixed, HeatOut, 680, 0.5},
        // Holman: rock wool on brick and plaster leaving 20 % (0.1 mm is 1.4e-4 of the ratio).
        {"Holman wall, flow left", wall, {{0.7f, 0.1016f}, {0.48f, 0.0381f}, {0.065f, 0.0584f}},
         30, 0, fixed, FlowLeftWithoutLast, 0.2, 2e-4},
        // Incropera & DeWitt, square passage of side w in a square of side W, below and above
        // W/w = 1.41; the duct rule leaves out the corners' flow: 0.05 % at 1.2, 9 % at 2.
        {"Incropera square passage 1.2", duct, {{1, 0.05f}}, 100, 0, fixed, ShapeFactor,
         2 * pi / (0.785 * std::log(1.2)), 0.22},
        {"Incropera square passage 2", duct, {{1, 0.25f}}, 100, 0, fixed, ShapeFactor,
         2 * pi / (0.93 * std::log(2.0) - 0.0502), 1.06},
    };
    // clang-format on
    for (const Reference& r : references)
        EXPECT_NEAR(Ours(r), r.published, r.tolerance) << r.source;
}

} // namespace
