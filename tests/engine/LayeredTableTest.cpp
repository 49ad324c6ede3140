// The thickness table of layered systems: one layer is the single layer's table, and with
// several layers on any shape no row at or above a stated minimum fails it, and no row
// with a fixed layer beyond its limits is chosen.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "MaterialsFixture.h"
#include "engine/LayeredTable.h"

namespace {

const ConductivityLaw kHotWool{0.04f, 0.0002f}, kFoam{0.033f, 0.0001f}; // up to 650, 105 °C

class LayeredTableTest : public MaterialsTest, protected RandomDraws {
protected:
    LayeredTableTest() : RandomDraws(20261211) {}

    // A random job on any shape: wool inside, foam outside, a hot medium up to 350 °C, where
    // the foam can pass its limit.
    LayeredTableInputs Random(int layers, Shape kind) {
        LayeredTableInputs in;
        in.Job = Job();
        if (in.Job.MediumTemp > in.Job.AmbientTemp)
            in.Job.MediumTemp += 100;
        in.Object = {kind, Uniform(0.02f, 0.5f), Uniform(0.2f, 1.5f), Uniform(0.2f, 1.0f)};
        for (int i = 0; i < layers; ++i)
            in.Layers.push_back(
                LayerOf(i ? kFoam : kHotWool, Uniform(0.005f, 0.05f), i ? 105 : 650));
        in.VaryInner = Coin();
        return in;
    }
};

TEST_F(LayeredTableTest, OneLayerIsTheSingleLayerTable) {
    const auto row = [](const ThicknessRow& r) {
        return std::tuple(r.SurfaceTemp, r.h, r.HeatFlow, r.Saving, static_cast<int>(r.Settle));
    };
    const auto decisions = [](const ThicknessTable& t) {
        const ThicknessCriteria& c = t.Criteria;
        return std::tuple(c.Condensation.Thickness, c.SurfaceTemp.Thickness, c.HeatFlow.Thickness,
                          t.Chosen);
    };
    for (int trial = 0; trial < 40; ++trial) {
        const LayeredTableInputs in = Random(1, Coin() ? Shape::Pipe : Shape::Wall);
        SCOPED_TRACE(trial);
        ThicknessTableInputs single = in.Job;
        single.Pipe = in.Object.Kind == Shape::Pipe;
        single.TubeDiameter = in.Object.Diameter;
        single.Law = in.Layers[0].Law;
        const ThicknessTable a = BuildThicknessTable(single, nullptr);
        const ThicknessTable b = BuildLayeredTable(in, nullptr).Table;
        ASSERT_EQ(a.Rows.size(), b.Rows.size());
        for (size_t i = 0; i < a.Rows.size(); ++i)
            EXPECT_EQ(row(a.Rows[i]), row(b.Rows[i])) << "row " << i;
        EXPECT_EQ(decisions(a), decisions(b));
    }
}

TEST_F(LayeredTableTest, MinimaAndLimitsHoldOnEveryShape) {
    for (int trial = 0; trial < 24; ++trial) {
        const LayeredTableInputs in = Random(2 + trial % 2, static_cast<Shape>(trial % 4));
        SCOPED_TRACE(trial);
        const LayeredTable t = BuildLayeredTable(in, nullptr);
        for (size_t i = 1; i < t.Table.Rows.size(); ++i) {
            const ThicknessRow& row = t.Table.Rows[i];
            const LayeredSolution& s = t.Solutions[i];
            EXPECT_EQ(row.SurfaceTemp, s.SurfaceTemp);
            EXPECT_EQ(s.Interfaces.size(), in.Layers.size() + 1);
            RowSolution solved;
            solved.SurfaceTemp = row.SurfaceTemp, solved.HeatFlowPerUnit = row.HeatFlowPerUnit;
            for (auto [criterion, m] : StatedMinima(t.Table.Criteria))
                if (m->Active && !m->Unreachable && !m->BeyondBound &&
                    row.Thickness >= m->Thickness) {
                    EXPECT_TRUE(RowMeets(in.Job, criterion, t.Table.Criteria.DewPoint, solved))
                        << "row " << i << " criterion " << static_cast<int>(criterion);
                }
            // A row whose fixed outer layer is beyond its limits fails, and none does from
            // the stated inner minimum on.
            const bool outerBeyond = in.VaryInner && s.BeyondLimits.back();
            EXPECT_FALSE(outerBeyond && row.MeetsCriteria) << "row " << i;
            EXPECT_FALSE(outerBeyond && t.InnerForOuterLimits &&
                         row.Thickness >= *t.InnerForOuterLimits)
                << "row " << i;
        }
        const ThicknessRow& thickest =
            *std::max_element(t.Table.Rows.begin(), t.Table.Rows.end(),
                              [](auto& a, auto& b) { return a.Thickness < b.Thickness; });
        EXPECT_LT(std::fabs(thickest.HeatFlow), std::fabs(t.Table.Rows[0].HeatFlow));
        EXPECT_TRUE(t.Table.Chosen <= 0 || thickest.MeetsCriteria);
    }
}

// Mineral wool varied under a fixed foam (105 °C) on a 300 °C line: the rows whose foam is
// too hot fail, the chosen row is the first that keeps it within its limit, and the stated
// inner minimum lies between that row and the one before it.
TEST_F(LayeredTableTest, TheVariedInnerLayerKeepsTheOuterFoamWithinItsLimit) {
    LayeredTableInputs in;
    in.Job.AmbientTemp = 20, in.Job.MediumTemp = 300, in.Job.RelHumidity = 50;
    in.Job.Coefficient = {true, 0, false, true, 0, 0.9f, 1};
    in.Job.ThicknessesMm = DefaultThicknessesMm();
    in.Object = {Shape::Pipe, 0.1683f};
    in.Layers = {LayerOf(kHotWool, 0, 650), LayerOf(kFoam, 0.01f, 105)};
    in.VaryInner = true;
    const LayeredTable t = BuildLayeredTable(in, nullptr);
    const auto& rows = t.Table.Rows;
    ASSERT_GT(t.Table.Chosen, 1);
    ASSERT_TRUE(t.InnerForOuterLimits);
    for (size_t i = 1; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].Thickness);
        const bool tooHot = t.Solutions[i].Interfaces[1] > 105;
        EXPECT_EQ(rows[i].MeetsCriteria, !tooHot);
        EXPECT_EQ(tooHot, static_cast<int>(i) < t.Table.Chosen);
    }
    EXPECT_LE(*t.InnerForOuterLimits, rows[t.Table.Chosen].Thickness);
    EXPECT_GT(*t.InnerForOuterLimits, rows[t.Table.Chosen - 1].Thickness);
}

} // namespace
