#include <gtest/gtest.h>

#include "engine/State.h"

TEST(SharedState, ResetRestoresTheStartUpDefaults) {
    Shared().WorkingValues.KFactor = 1.0f;
    Shared().ReferenceLists.Materials.push_back({"X", 0.04f, 0.0001f, -50, 100});
    Shared().PipeTable.emplace();
    ResetShared();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.036f);
    EXPECT_EQ(Shared().WorkingValues.MaterialIndex, -1);
    EXPECT_TRUE(Shared().ReferenceLists.Materials.empty());
    EXPECT_FALSE(Shared().PipeTable.has_value());
}
