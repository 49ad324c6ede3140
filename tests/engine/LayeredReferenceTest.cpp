// Layered systems against published worked examples. A film coefficient on the medium's side
// becomes an inner layer of equal resistance (a wall layer s thick with λ = s·h; in a bore D a
// layer from 0.8·D with λ = ln(1.25)·h·D/2); a fixed outer surface temperature becomes a typed
// h of 10⁶ W/(m²·K), under 10⁻⁵ of the total resistance.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "MaterialsFixture.h"
#include "engine/LayeredSystem.h"

namespace {

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
        // Cengel & Ghajar, Heat and Mass Transfer: double-pane window 0.8 m x 1.5 m, two 4 mm
        // panes (λ 0.78) round 10 mm of air (λ 0.026), 20 °C with h 10, -10 °C with h 40:
        // 69.2 W (resistances rounded to four places), the inner pane at 14.2 °C.
        {"Cengel window, W/m²", wall, pane, 20, -10, 40, HeatOut, 69.2 / 1.2, 0.1 / 1.2},
        {"Cengel window, inner pane", wall, pane, 20, -10, 40, Interface1, 14.2, 0.05},
        // Cengel & Ghajar, steam pipe: cast iron (λ 80) of 5 cm bore, 5.5 cm outside, 3 cm
        // glass wool (λ 0.05), steam 320 °C with h 60, air 5 °C with h 18: 121 W/m, 284 K
        // across the wool.
        {"Cengel steam pipe, W/m", {Shape::Pipe, 0.04f}, steam, 320, 5, 18, HeatOut, 121, 0.5},
        {"Cengel steam pipe, K", {Shape::Pipe, 0.04f}, steam, 320, 5, 18, DropOfLayer3, 284, 0.5},
        // Incropera & DeWitt, Fundamentals of Heat and Mass Transfer: liquid-nitrogen sphere
        // 0.5 m under 25 mm (λ 0.0017), 77 K inside, air 300 K with h 20: 13.06 W in.
        {"Incropera nitrogen sphere, W", {Shape::Sphere, 0.5f}, {{0.0017f, 0.025f}},
         -196.15f, 26.85f, 20, HeatOut, -13.06, 0.006},
        // Cengel & Ghajar, wire 3 mm under 2 mm of plastic (λ 0.15), air 30 °C with h 12,
        // 80 W on 5 m: surface 105 °C (to the kelvin: ±0.5 K of 75 K), 16 W/m.
        {"Cengel wire, W/m", {Shape::Pipe, 0.003f}, {{0.15f, 0.002f}}, 105, 30, 12,
         HeatOut, 16, 0.11},
        // Holman, Heat Transfer: steel tube (λ 19) of 2 cm bore, 4 cm outside, under 3 cm of
        // asbestos (λ 0.2), 600 °C inside, 100 °C outside: 680 W/m.
        {"Holman steel tube, W/m", {Shape::Pipe, 0.02f}, {{19, 0.01f}, {0.2f, 0.03f}},
         600, 100, fixed, HeatOut, 680, 0.5},
        // Holman: 4 in of brick (λ 0.7) and 1.5 in of plaster (λ 0.48) need 0.0584 m of rock
        // wool (λ 0.065) to leave 20 % of the heat flow (0.1 mm is 1.4e-4 of the ratio).
        {"Holman wall, flow left", wall, {{0.7f, 0.1016f}, {0.48f, 0.0381f}, {0.065f, 0.0584f}},
         30, 0, fixed, FlowLeftWithoutLast, 0.2, 2e-4},
        // Incropera & DeWitt, shape factor of a square passage of side w in a square of side
        // W: 2π/(0.785 ln(W/w)) below W/w = 1.41, 2π/(0.93 ln(W/w) - 0.0502) above. The duct
        // rule leaves out the corners' two-dimensional flow: 0.05 % at 1.2, 9 % at 2.
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
