// The table's decisions against its own rows, for random jobs: no row at or above a stated
// minimum fails it, the bare row is the job's own bare surface, and the surface moves
// towards the air as the layer grows except where a row says why not.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "MaterialsFixture.h"
#include "engine/CalcFrame.h"
#include "engine/Coefficient.h"
#include "engine/ThicknessTable.h"
#include "engine/Ucalc.h"

namespace {

class ThicknessMinimaTest : public MaterialsTest {
protected:
    std::mt19937 random{20261210};
    float Uniform(float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(random);
    }
    bool Coin() { return random() % 2 == 0; }

    // Jobs that reach the correlations' regime changes: small pipes in a light wind, walls
    // in still air, hot and cold media, typed or computed h, a steep or a constant λ.
    ThicknessTableInputs Job() {
        ThicknessTableInputs in;
        in.Pipe = random() % 3 != 0;
        in.AmbientTemp = Uniform(-20, 40);
        in.MediumTemp =
            Coin() ? Uniform(in.AmbientTemp + 20, 250) : Uniform(-50, in.AmbientTemp - 5);
        in.TubeDiameter = Coin() ? Uniform(0.006f, 0.06f) : Uniform(0.06f, 0.6f);
        in.Law = ConductivityLawOf(Coin() ? kWool : kUser);
        in.RelHumidity = Uniform(30, 95);
        in.Coefficient = {random() % 4 != 0,
                          Uniform(2, 30),
                          Coin(),
                          Coin(),
                          Coin() ? Uniform(0.05f, 0.5f) : Uniform(0.5f, 10),
                          Uniform(0.1f, 0.95f),
                          Uniform(0.5f, 3)};
        in.BareEmissivity = Uniform(0.1f, 0.95f);
        if (in.MediumTemp > in.AmbientTemp && Coin())
            in.SurfaceTempLimit = Uniform(in.AmbientTemp + 1, in.MediumTemp - 1);
        if (Coin()) {
            const float bare = SolveRow(RowInputsOf(in, 0)).HeatFlowPerUnit;
            in.MaxHeatFlow = std::fabs(bare) * Uniform(0.005f, 0.9f);
        }
        in.ThicknessesMm = DefaultThicknessesMm();
        for (int i = 0; i < 30; ++i)
            in.ThicknessesMm.push_back(std::exp(Uniform(std::log(0.05f), std::log(900.0f))));
        return in;
    }

    static bool Meets(const ThicknessTableInputs& in, Criterion c, const ThicknessRow& r) {
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

    // The minima themselves, a hair below them and the middle of every band, as rows.
    static void ListMinima(ThicknessTableInputs& in, const ThicknessCriteria& c) {
        for (const CriterionMinimum* m : {&c.Condensation, &c.SurfaceTemp, &c.HeatFlow}) {
            if (!m->Active || m->Unreachable || m->BeyondBound || m->Thickness == 0)
                continue;
            in.ThicknessesMm.push_back(std::nextafter(m->Thickness * 1000.0f, 1e9f));
            in.ThicknessesMm.push_back(m->Thickness * 1000.0f * 0.999f);
        }
    }

    // The bare surface of the job as the forms' h dialog gives it for that installation.
    static float OwnBareCoefficient(const ThicknessTableInputs& in) {
        const SurfaceCoefficientModel& m = in.Coefficient;
        if (!m.Computed)
            return BareCoefficientOf(in);
        CoefficientInputs d;
        d.AmbientTemp = in.AmbientTemp, d.MediumTemp = in.MediumTemp;
        d.TubeDiameter = in.Pipe ? in.TubeDiameter : 0.0f;
        d.Emissivity = in.BareEmissivity, d.WindSpeed = m.Outside ? m.WindSpeed : 0.0f;
        d.SheetHeight = m.SheetHeight, d.Horizontal = m.Horizontal;
        using enum Installation;
        const Installation where = in.Pipe ? (m.Outside ? OutsidePipe : InsidePipe)
                                           : (m.Outside ? OutsideSheet : InsideSheet);
        return IterateSurfaceCoefficient(where, d, in.Law).h;
    }
};

TEST_F(ThicknessMinimaTest, RowsNeverContradictTheMinima) {
    int turns = 0;
    for (int trial = 0; trial < 300; ++trial) {
        ThicknessTableInputs in = Job();
        SCOPED_TRACE(trial);
        ListMinima(in, CriteriaMinima(in));
        const ThicknessTable t = BuildThicknessTable(in, nullptr);
        const ThicknessCriteria& c = t.Criteria;
        const std::pair<Criterion, const CriterionMinimum*> criteria[] = {
            {Criterion::Condensation, &c.Condensation},
            {Criterion::SurfaceTemp, &c.SurfaceTemp},
            {Criterion::HeatFlow, &c.HeatFlow}};
        for (auto [criterion, m] : criteria) {
            if (!m->Active || m->Unreachable)
                continue;
            for (const ThicknessRow& r : t.Rows) {
                if (!m->BeyondBound && r.Thickness >= m->Thickness) {
                    EXPECT_TRUE(Meets(in, criterion, r)) << r.Thickness;
                }
                // Just below a minimum the criterion fails: it is the last crossing (unless any
                // layer at all meets it).
                if (m->Thickness > kThinnestStated && r.Thickness < m->Thickness &&
                    r.Thickness > m->Thickness * 0.998f) {
                    EXPECT_FALSE(Meets(in, criterion, r)) << r.Thickness;
                }
                for (const ThicknessBand& b : m->AlsoMet) {
                    if (r.Thickness >= b.From && r.Thickness <= b.To && r.Thickness > 0) {
                        EXPECT_TRUE(Meets(in, criterion, r)) << r.Thickness;
                    }
                }
            }
        }
        // The bare row is the job's own surface (the loop above judged it as a row of 0).
        const ThicknessRow& bare = t.Rows[0];
        EXPECT_EQ(bare.h, OwnBareCoefficient(in));
        EXPECT_EQ(bare.SurfaceTemp, in.MediumTemp);
        // Towards the air as the layer grows, unless the row says that h fell.
        std::vector<const ThicknessRow*> rows;
        for (const ThicknessRow& r : t.Rows)
            rows.push_back(&r);
        std::stable_sort(rows.begin(), rows.end(),
                         [](auto* a, auto* b) { return a->Thickness < b->Thickness; });
        for (size_t k = 2; k < rows.size(); ++k) {
            const ThicknessRow &thinner = *rows[k - 1], &row = *rows[k];
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
        const int material = in.Law.LambdaSlope == 0 ? kUser : kWool;
        SCOPED_TRACE(trial);
        const ThicknessCriteria c = CriteriaMinima(in);
        const CondensationResult form = CondensationAt(
            in.AmbientTemp, in.MediumTemp, in.RelHumidity, in.Coefficient.Typed,
            in.Pipe ? in.TubeDiameter : 0.0f, material, in.Pipe ? kCylinder : kPlane);
        EXPECT_EQ(c.DewPoint, form.DewPoint);
        const double digits = in.Pipe ? 1000 : 100;
        const double table = c.Condensation.Thickness * 1000.0, shown = form.MinThickness * 1000.0;
        // Where the surface hardly moves with the thickness (dew point close to the air) the
        // form's search stops on a temperature a few float steps from it; ours on thickness.
        const float formSurface = SolveRow(RowInputsOf(in, form.MinThickness)).SurfaceTemp;
        if (std::fabs(formSurface - c.DewPoint) > 1e-4) {
            EXPECT_NEAR(table, shown, 0.5 / digits);
        }
        EXPECT_TRUE(c.Condensation.AlsoMet.empty());
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
