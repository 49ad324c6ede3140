#pragma once
// Engine tests start from the start-up state with two materials: an ordinary one whose
// conductivity rises with temperature, and the user material "k-factor" last; property tests
// draw their random inputs from a fixed seed.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "engine/Coefficient.h"
#include "engine/Errors.h"
#include "engine/LayeredSystem.h"
#include "engine/State.h"
#include "engine/ThicknessTable.h"
#include "engine/Ucalc.h"

inline constexpr int kWool = 0;
inline constexpr int kUser = 1;

class MaterialsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetShared();
        auto& materials = Shared().ReferenceLists.Materials;
        materials.push_back({"Wool", 0.032f, 0.0001f, -50, 250});
        materials.push_back({"k-factor", -99, 0, -200, 200});
        Shared().WorkingValues.KFactor = 0.036f;
    }
    void TearDown() override { ResetShared(); }
};

// Random accepted inputs from a fixed seed, so that a failing trial repeats.
class RandomDraws {
protected:
    explicit RandomDraws(unsigned seed) : random(seed) {}
    std::mt19937 random;
    float Uniform(float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(random);
    }
    bool Coin() { return random() % 2 == 0; }
    // f(trial) for n trials, each failure naming its trial.
    template <typename F> void Trials(int n, F f) {
        for (int trial = 0; trial < n; ++trial) {
            SCOPED_TRACE(trial);
            f(trial);
        }
    }
};

// Runs f and returns the FloatError text it throws ("" when it does not throw).
template <typename F> std::string FloatErrorOf(F f) {
    try {
        f();
    } catch (const FloatError& e) {
        return e.what();
    }
    return "";
}

// The plausibility test applied to a copy of `in` changed by `edit`.
template <typename In, typename Edit>
bool PlausibleWith(In in, bool (*test)(const In&), Edit edit) {
    edit(in);
    return test(in);
}

// A layer of a law and a thickness (m), with an upper temperature limit where given.
inline InsulationLayer LayerOf(ConductivityLaw law, float thickness,
                               std::optional<float> max = {}) {
    return {law, thickness, {}, max};
}

// A table's criteria, each with its stated minimum.
inline std::array<std::pair<Criterion, const CriterionMinimum*>, 3>
StatedMinima(const ThicknessCriteria& c) {
    return {{{Criterion::Condensation, &c.Condensation},
             {Criterion::SurfaceTemp, &c.SurfaceTemp},
             {Criterion::HeatFlow, &c.HeatFlow}}};
}

// The h of the forms' surface coefficient dialog for a table's layer s (m): the job's
// installation, or for a bare surface beside typed rows' h still indoor air 1 m high.
inline float DialogCoefficient(const ThicknessTableInputs& in, float s) {
    const SurfaceCoefficientModel& m = in.Coefficient;
    const bool bare = s == 0, stillAir = bare && !m.Computed, out = !stillAir && m.Outside;
    if (!bare && !m.Computed)
        return m.Typed;
    CoefficientInputs d{in.AmbientTemp, in.MediumTemp, in.Pipe ? in.TubeDiameter : 0.0f, s};
    d.Emissivity = bare ? in.BareEmissivity : m.Emissivity;
    d.WindSpeed = out ? m.WindSpeed : 0.0f;
    d.SheetHeight = stillAir ? 1.0f : m.SheetHeight;
    d.Horizontal = stillAir || m.Horizontal;
    using enum Installation;
    const Installation where =
        in.Pipe ? (out ? OutsidePipe : InsidePipe) : (out ? OutsideSheet : InsideSheet);
    return IterateSurfaceCoefficient(where, d, in.Law).h;
}
