// The thickness table against the calculation forms' own functions (λ at the layer's own
// mean temperature, bit for bit where λ is one constant), and its criteria against their
// limits and its own rows, for random accepted inputs.
#include <gtest/gtest.h>

#include <algorithm>

#include "MaterialsFixture.h"
#include "engine/CalcFrame.h"
#include "engine/Coefficient.h"
#include "engine/PipeCalculations.h"
#include "engine/PipeSizeTable.h"
#include "engine/SheetCalculations.h"
#include "engine/ThicknessTable.h"
#include "engine/Ucalc.h"

namespace {

class ThicknessTableTest : public MaterialsTest, protected RandomDraws {
protected:
    ThicknessTableTest() : RandomDraws(20261209) {}
    int material = kWool;

    // A pipe or a wall, a hot or a cold medium, h typed or computed, either material.
    ThicknessTableInputs Random() {
        material = Coin() ? kWool : kUser;
        ThicknessTableInputs in;
        in.Pipe = random() % 3 != 0;
        in.AmbientTemp = Uniform(-20, 40);
        in.MediumTemp =
            Coin() ? Uniform(in.AmbientTemp + 20, 250) : Uniform(-50, in.AmbientTemp - 5);
        in.TubeDiameter = Uniform(0.01f, 0.5f);
        in.Law = ConductivityLawOf(material);
        in.RelHumidity = Uniform(30, 95);
        in.Coefficient = {Coin(),        Uniform(2, 30),       Coin(),          Coin(),
                          Uniform(0, 8), Uniform(0.1f, 0.95f), Uniform(0.5f, 3)};
        in.Extent = Uniform(0.5f, 50);
        in.ThicknessesMm = DefaultThicknessesMm();
        return in;
    }
};

TEST_F(ThicknessTableTest, RowsAreWhatTheFormsComputeWithTheLayersLambda) {
    for (int trial = 0; trial < 40; ++trial) {
        const ThicknessTableInputs in = Random();
        SCOPED_TRACE(trial);
        const ThicknessTable t = BuildThicknessTable(in, nullptr);
        ASSERT_EQ(t.Rows.size(), in.ThicknessesMm.size() + 1);
        const float ta = in.AmbientTemp, tm = in.MediumTemp, d = in.TubeDiameter,
                    bare = t.Rows[0].h;
        EXPECT_EQ(bare, DialogCoefficient(in, 0));
        for (const ThicknessRow& r : t.Rows) {
            const float s = r.Thickness;
            if (r.Settle != Settling::Iterated)
                continue;
            // The dialog's 21 passes follow the same balance, to within its last pass.
            EXPECT_NEAR(r.h, DialogCoefficient(in, s), 2e-3 * r.h);
            const float lambda = s > 0 ? r.Lambda : 1.0f;
            EXPECT_EQ(lambda, s > 0 ? ConductivityAt(in.Law, (tm + r.SurfaceTemp) / 2) : 1.0f);
            const HeatLossResult loss =
                in.Pipe ? PipeHeatLoss({ta, tm, d, s, in.Extent, r.h, in.CostPerKWh, lambda, bare})
                        : SheetHeatLoss({ta, tm, s, in.Extent, r.h, in.CostPerKWh, lambda, bare});
            EXPECT_EQ(r.HeatFlow, loss.HeatFlow);
            EXPECT_EQ(r.Saving, loss.Saving);
            if (material == kUser) { // one λ: the surface temperature form's own result
                EXPECT_EQ(r.SurfaceTemp,
                          in.Pipe ? PipeSurfaceTemp({ta, tm, d, s, material, r.h}).SurfaceTemp
                                  : SheetSurfaceTemp({ta, tm, s, material, r.h}).SurfaceTemp);
            }
            const float outer = in.Pipe ? d + 2 * s : 0;
            const float c = LayerConductance(tm, r.SurfaceTemp, in.Pipe ? d : s, outer, in.Law,
                                             in.Pipe ? kCylinder : kPlane);
            EXPECT_NEAR(r.SurfaceTemp,
                        SurfaceTemperature(tm, ta, c, r.h, outer, in.Pipe ? kCylinder : kPlane),
                        1e-3);
            EXPECT_EQ(r.Condensation, r.SurfaceTemp < DewPoint(ta, in.RelHumidity));
            EXPECT_FLOAT_EQ(r.HeatFlowPerUnit * in.Extent, r.HeatFlow);
            EXPECT_FLOAT_EQ(r.EnergyPerYear, std::fabs(r.HeatFlow) * in.HoursPerYear / 1000);
            EXPECT_FLOAT_EQ(r.CostPerYear, r.EnergyPerYear * in.CostPerKWh);
            EXPECT_FLOAT_EQ(r.Co2PerYear, r.EnergyPerYear * in.Co2PerKWh);
        }
        EXPECT_LT(std::fabs(t.Rows.back().HeatFlow), std::fabs(t.Rows[0].HeatFlow));
    }
}

// Each minimum puts the row's surface at its limit (0.01 K), or its heat flow (0.1 %),
// unless h jumps there: then the row at the minimum meets it and the one just below fails.
TEST_F(ThicknessTableTest, EveryMinimumEndsAtItsLimit) {
    for (int trial = 0; trial < 150; ++trial) {
        ThicknessTableInputs in = Random();
        const bool hot = in.MediumTemp > in.AmbientTemp;
        if (hot)
            in.SurfaceTempLimit = Uniform(in.AmbientTemp + 1, in.MediumTemp - 1);
        auto row = [&](float s) { return SolveRow(RowInputsOf(in, s)); };
        in.MaxHeatFlow = std::fabs(row(0).HeatFlowPerUnit) * Uniform(0.05f, 0.9f);
        SCOPED_TRACE(trial);
        const ThicknessCriteria c = CriteriaMinima(in);
        auto atLimit = [&](const CriterionMinimum& m, double limit, double within, auto value) {
            if (m.Unreachable || m.BeyondBound || m.Thickness <= kThinnestStated)
                return;
            const float below = std::nextafter(m.Thickness, 0.0f);
            if (row(m.Thickness).Regime == row(below).Regime) {
                EXPECT_NEAR(value(row(m.Thickness)), limit, within) << m.Thickness;
            }
            EXPECT_LE(value(row(m.Thickness)), limit);
            EXPECT_GT(value(row(below)), limit);
        };
        EXPECT_EQ(c.DewPoint, DewPoint(in.AmbientTemp, in.RelHumidity));
        atLimit(c.Condensation, -c.DewPoint, 0.01, [](auto r) { return -r.SurfaceTemp; });
        if (hot) {
            ASSERT_FALSE(c.SurfaceTemp.Unreachable);
            atLimit(c.SurfaceTemp, *in.SurfaceTempLimit, 0.01,
                    [](auto r) { return r.SurfaceTemp; });
        }
        const double most = *in.MaxHeatFlow;
        atLimit(c.HeatFlow, most, most * 1e-3, [](auto r) { return std::fabs(r.HeatFlowPerUnit); });
    }
    ThicknessTableInputs in = Random();
    in.AmbientTemp = 30, in.MediumTemp = 200;
    in.SurfaceTempLimit = 25; // below the air
    EXPECT_TRUE(CriteriaMinima(in).SurfaceTemp.Unreachable);
    in.SurfaceTempLimit = 250; // above the medium: bare is fine
    EXPECT_EQ(CriteriaMinima(in).SurfaceTemp.Thickness, 0);
    in.Pipe = true, in.TubeDiameter = 0.5f, in.MaxHeatFlow = 1; // metres of insulation
    EXPECT_TRUE(CriteriaMinima(in).HeatFlow.BeyondBound);
}

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

// For random jobs no row at or above a stated minimum fails it, the bare row is the job's own
// bare surface, and the surface moves towards the air as the layer grows unless h fell.
TEST_F(ThicknessTableTest, RowsNeverContradictTheMinima) {
    random.seed(20261210);
    int turns = 0;
    Trials(300, [&](int) {
        ThicknessTableInputs in = Job();
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
        EXPECT_EQ(t.Rows[0].h, DialogCoefficient(in, 0));
        EXPECT_EQ(t.Rows[0].SurfaceTemp, in.MediumTemp);
        std::vector<ThicknessRow> rows = t.Rows;
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
    });
    EXPECT_GT(turns, 0); // the jobs reach the regime changes
}

// With h typed the no-condensation minimum is the condensation form's own, to the digits the
// form shows (0.001 mm for pipes, 0.01 mm for walls).
TEST_F(ThicknessTableTest, NoCondensationAsTheForm) {
    random.seed(20261210);
    Trials(200, [&](int) {
        ThicknessTableInputs in = Job();
        in.Coefficient.Computed = false;
        in.MediumTemp = Uniform(-60, in.AmbientTemp - 3);
        const ThicknessCriteria c = CriteriaMinima(in);
        const CondensationResult form =
            CondensationAt(in.AmbientTemp, in.MediumTemp, in.RelHumidity, in.Coefficient.Typed,
                           in.Pipe ? in.TubeDiameter : 0.0f,
                           in.Law.LambdaSlope == 0 ? kUser : kWool, in.Pipe ? kCylinder : kPlane);
        EXPECT_EQ(c.DewPoint, form.DewPoint);
        EXPECT_TRUE(c.Condensation.AlsoMet.empty());
        // Where the surface hardly moves with the thickness the form's search stops on a
        // temperature a few float steps from the dew point; ours on thickness.
        if (std::fabs(SolveRow(RowInputsOf(in, form.MinThickness)).SurfaceTemp - c.DewPoint) >
            1e-4) {
            EXPECT_NEAR(c.Condensation.Thickness * 1000.0, form.MinThickness * 1000.0,
                        in.Pipe ? 0.5e-3 : 0.5e-2);
        }
    });
}

TEST_F(ThicknessTableTest, ChosenRowAndEconomicThickness) {
    ThicknessTableInputs in;
    in.AmbientTemp = 25, in.MediumTemp = 160, in.Extent = 12, in.LifeYears = 1;
    in.Law = ConductivityLawOf(kWool);
    in.ThicknessesMm = {100, 13, 50, 25};
    in.InstalledCost = {5000.0f, 10.0f, std::nullopt, 12.0f};
    in.SurfaceTempLimit = 40;
    const ThicknessTable t = BuildThicknessTable(in, nullptr);
    ASSERT_EQ(t.Chosen, 3); // 50 mm: 13 and 25 mm are too hot, 100 mm is thicker
    EXPECT_LE(t.Rows[3].SurfaceTemp, 40);
    EXPECT_GT(t.Rows[4].SurfaceTemp, 40);
    const ThicknessRow &bare = t.Rows[0], &thin = t.Rows[2];
    EXPECT_FLOAT_EQ(*thin.PaybackYears, 10.0f * 12 / (bare.CostPerYear - thin.CostPerYear));
    EXPECT_FLOAT_EQ(*t.Rows[1].LifeCost, 5000.0f * 12 + t.Rows[1].CostPerYear);
    EXPECT_FALSE(t.Rows[3].LifeCost); // no installed cost typed
    EXPECT_EQ(t.Economic, 4);         // 25 mm saves more than its 2 more than 13 mm cost
    in.MaxHeatFlow = 0.001f;          // no listed thickness gets there
    EXPECT_EQ(BuildThicknessTable(in, nullptr).Chosen, -1);
}

TEST_F(ThicknessTableTest, PipeSizesEachGetTheirMinimumAndProduct) {
    TToleranceTable nominal;
    nominal.Add(std::make_unique<TToleranceLine>(TToleranceLine{0, 50, 0, 20, "A-20"}));
    nominal.Add(std::make_unique<TToleranceLine>(TToleranceLine{0, 50, 20, 40, "A-40"}));
    nominal.Add(std::make_unique<TToleranceLine>(TToleranceLine{50, 100, 0, 40, "B-40"}));
    ThicknessTableInputs in;
    in.AmbientTemp = 25, in.MediumTemp = 5, in.RelHumidity = 80, in.Coefficient.Typed = 8.5f;
    in.Law = ConductivityLawOf(kWool);
    const std::vector<PipeSizeRow> rows = BuildPipeSizeTable(in, {20, 48.3f, 88.9f, 200}, &nominal);
    ASSERT_EQ(rows.size(), 4u);
    for (const PipeSizeRow& row : rows) {
        in.TubeDiameter = MillimetresToMetres(row.DiameterMm);
        EXPECT_EQ(row.Required, CriteriaMinima(in).Condensation.Thickness);
        const RowSolution solved = SolveRow(RowInputsOf(in, row.Thickness));
        EXPECT_EQ(row.HeatFlowPerMetre, solved.HeatFlowPerUnit);
        EXPECT_EQ(row.SurfaceTemp, solved.SurfaceTemp);
    }
    EXPECT_EQ(rows[0].Product, rows[0].Required * 1000 <= 20 ? "A-20" : "A-40");
    EXPECT_EQ(rows[2].Product, "B-40");
    EXPECT_EQ(rows[2].Thickness, MillimetresToMetres(40));
    EXPECT_EQ(rows[3].Product, ""); // beyond the table: the minimum itself
    EXPECT_EQ(rows[3].Thickness, rows[3].Required);
}

} // namespace
