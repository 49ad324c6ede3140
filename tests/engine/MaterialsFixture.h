#pragma once
// Engine tests start from the start-up state with two materials: an ordinary one whose
// conductivity rises with temperature, and the user material "k-factor" last.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/Errors.h"
#include "engine/State.h"

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
