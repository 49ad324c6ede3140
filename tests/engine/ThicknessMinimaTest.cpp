// The table's decisions against its own rows, for random jobs: no row at or above a stated
// minimum fails it, the bare row is the job's own bare surface, and the surface moves
// towards the air as the layer grows except where a row says why not.
#include <gtest/gtest.h>

#include <algorithm>

#include "MaterialsFixture.h"
#include "engine/CalcFrame.h"
#include "engine/Ucalc.h"

namespace {

class ThicknessMinimaTest : public MaterialsTest, protected RandomDraws {
protected:
    ThicknessMinimaTest() : RandomDraws(20261210) {}
};

bool Meets(const ThicknessTableInputs& in, Criterion c, const ThicknessRow& r) {
    switch (c) {
    case Criterion::Condensation:
        return !r.Condensation;
    case Criterion::SurfaceTemp:
        return in.MediumTemp <= *in.SurfaceTempLimit || r.SurfaceTemp <= *in.SurfaceTempLimit;
    case Criterion::HeatFlow:
        return std::fabs(r.HeatFlowPerUnit) <= *in.MaxHeatFlow;
    }
    return false;
}

TEST_F(ThicknessMinimaTest, RowsNeverContradictTheMinima) {
    int turns = 0;
    for (int trial = 0; trial < 300; ++trial) {
        ThicknessTableInputs in = Job();
        SCOPED_TRACE(trial);
        // Rows at the minima themselves and a hair below them.
        const ThicknessCriteria stated = CriteriaMinima(in);
        for (auto [_, m] : StatedMinima(stated))
            if (m->Active && !m->Unreachable && !m->BeyondBound && m->Thickness > 0)
                in.ThicknessesMm.insert(in.ThicknessesMm.end(),
                                        {std::nextafter(m->Thickness * 1000.0f, 1e9f),
                                         m->Thickness * 1000.0f * 0.999f});
        const ThicknessTable t = BuildThicknessTable(in, nullptr);
        for (auto [criterion, m] : StatedMinima(t.Criteria)) {
            if (!m->Active || m->Unreachable)
                continue;
            for (const ThicknessRow& r : t.Rows) {
                const float s = r.Thickness;
                if (!m->BeyondBound && s >= m->Thickness) {
                    EXPECT_TRUE(Meets(in, criterion, r)) << s;
                }
                // Just below a minimum it fails: the minimum is the last crossing.
                if (m->Thickness > kThinnestStated && s < m->Thickness &&
                    s > m->Thickness * 0.998f) {
                    EXPECT_FALSE(Meets(in, criterion, r)) << s;
                }
                for (const ThicknessBand& b : m->AlsoMet)
                    if (s >= b.From && s <= b.To && s > 0) {
                        EXPECT_TRUE(Meets(in, criterion, r)) << s;
                    }
            }
        }
        // The bare row is the job's own surface (judged above as a row of 0).
        EXPECT_EQ(t.Rows[0].h, DialogCoefficient(in, 0));
        EXPECT_EQ(t.Rows[0].SurfaceTemp, in.MediumTemp);
        // Towards the air as the layer grows, unless the row says that h fell.
        std::vector<ThicknessRow> rows(t.Rows.begin(), t.Rows.end());
        std::stable_sort(rows.begin(), rows.end(),
                         [](auto& a, auto& b) { return a.Thickness < b.Thickness; });
        for (size_t k = 2; k < rows.size(); ++k) {
            const ThicknessRow &thinner = rows[k - 1], &row = rows[k];
            const bool away = std::fabs(row.SurfaceTemp - in.AmbientTemp) >
                              std::fabs(thinner.SurfaceTemp - in.AmbientTemp) + 1e-3;
            EXPECT_EQ(away, row.AwayFromAirAfter >= 0) << row.Thickness;
            if (away && row.Thickness > thinner.Thickness) {
                ++turns;
                EXPECT_LT(row.h, thinner.h) << row.Thickness; // what the tool tip says
            }
        }
    }
    EXPECT_GT(turns, 0); // the jobs reach the regime changes
}

// With h typed there is one regime: the no-condensation minimum is the condensation
// form's own, to the digits the form shows (0.001 mm for pipes, 0.01 mm for walls).
TEST_F(ThicknessMinimaTest, NoCondensationAsTheForm) {
    for (int trial = 0; trial < 200; ++trial) {
        ThicknessTableInputs in = Job();
        in.Coefficient.Computed = false;
        in.MediumTemp = Uniform(-60, in.AmbientTemp - 3);
        in.SurfaceTempLimit.reset(), in.MaxHeatFlow.reset();
        SCOPED_TRACE(trial);
        const ThicknessCriteria c = CriteriaMinima(in);
        const CondensationResult form =
            CondensationAt(in.AmbientTemp, in.MediumTemp, in.RelHumidity, in.Coefficient.Typed,
                           in.Pipe ? in.TubeDiameter : 0.0f,
                           in.Law.LambdaSlope == 0 ? kUser : kWool, in.Pipe ? kCylinder : kPlane);
        EXPECT_EQ(c.DewPoint, form.DewPoint);
        EXPECT_TRUE(c.Condensation.AlsoMet.empty());
        // Where the surface hardly moves with the thickness (dew point close to the air) the
        // form's search stops on a temperature a few float steps from it; ours on thickness.
        if (std::fabs(SolveRow(RowInputsOf(in, form.MinThickness)).SurfaceTemp - c.DewPoint) >
            1e-4) {
            EXPECT_NEAR(c.Condensation.Thickness * 1000.0, form.MinThickness * 1000.0,
                        in.Pipe ? 0.5e-3 : 0.5e-2);
        }
    }
}

TEST_F(ThicknessMinimaTest, BeyondTheBoundAndNotReachable) {
    ThicknessTableInputs in;
    in.Law = ConductivityLawOf(kWool);
    in.AmbientTemp = 20, in.MediumTemp = 200, in.TubeDiameter = 0.5f;
    in.MaxHeatFlow = 1;       // W/m on a 500 mm steam main: metres of wool
    in.SurfaceTempLimit = 15; // below the air
    const ThicknessCriteria c = CriteriaMinima(in);
    EXPECT_TRUE(c.HeatFlow.BeyondBound);
    EXPECT_TRUE(c.SurfaceTemp.Unreachable);
    in.SurfaceTempLimit = 250; // above the medium: bare is fine
    EXPECT_EQ(CriteriaMinima(in).SurfaceTemp.Thickness, 0);
}

} // namespace
