// The thickness table against the calculation forms' own functions (λ at the layer's own
// mean temperature, bit for bit where λ is one constant), and its criteria against their
// limits and its own rows, for random accepted inputs; the same of layered systems' tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "MaterialsFixture.h"
#include "engine/CalcFrame.h"
#include "engine/Coefficient.h"
#include "engine/LayeredTable.h"
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

    // Jobs that reach the correlations' regime changes: small pipes in a light wind, walls in
    // still air, h mostly computed, the criteria's limits, 30 thicknesses more.
    ThicknessTableInputs Job() {
        ThicknessTableInputs in = Random();
        if (Coin())
            in.TubeDiameter = Uniform(0.006f, 0.06f);
        in.Coefficient.Computed = random() % 4 != 0;
        in.Coefficient.WindSpeed = Coin() ? Uniform(0.05f, 0.5f) : Uniform(0.5f, 10);
        in.BareEmissivity = Uniform(0.1f, 0.95f);
        if (in.MediumTemp > in.AmbientTemp && Coin())
            in.SurfaceTempLimit = Uniform(in.AmbientTemp + 1, in.MediumTemp - 1);
        if (Coin())
            in.MaxHeatFlow =
                std::fabs(SolveRow(RowInputsOf(in, 0)).HeatFlowPerUnit) * Uniform(0.005f, 0.9f);
        for (int i = 0; i < 30; ++i)
            in.ThicknessesMm.push_back(std::exp(Uniform(std::log(0.05f), std::log(900.0f))));
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
        if (!hot && !in.Coefficient.Computed) { // the condensation form's own, to its digits
            const float d = in.Pipe ? in.TubeDiameter : 0.0f;
            const CondensationResult form =
                CondensationAt(in.AmbientTemp, in.MediumTemp, in.RelHumidity, in.Coefficient.Typed,
                               d, material, in.Pipe ? kCylinder : kPlane);
            EXPECT_TRUE(c.Condensation.AlsoMet.empty());
            // Where the surface hardly moves with the thickness the form stops on temperature.
            if (std::fabs(row(form.MinThickness).SurfaceTemp - c.DewPoint) > 1e-4) {
                EXPECT_NEAR(c.Condensation.Thickness * 1000.0, form.MinThickness * 1000.0,
                            in.Pipe ? 0.5e-3 : 0.5e-2); // 0.001 mm for pipes, 0.01 mm for walls
            }
        }
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

// No row from first on at or above a stated minimum, or in a band it states as also met,
// fails it; a row just below it fails. (A layered table's bare row is no layer of 0.)
void ExpectRowsAgreeWithMinima(const ThicknessTableInputs& in, const ThicknessTable& t,
                               size_t first = 0) {
    for (auto [criterion, m] : StatedMinima(t.Criteria)) {
        if (!m->Active || m->Unreachable)
            continue;
        for (size_t i = first; i < t.Rows.size(); ++i) {
            const ThicknessRow& r = t.Rows[i];
            const float s = r.Thickness;
            if (!m->BeyondBound && s >= m->Thickness) {
                EXPECT_TRUE(Meets(in, criterion, r)) << s;
            }
            // Just below a minimum it fails: the minimum is the last crossing.
            if (m->Thickness > kThinnestStated && s < m->Thickness && s > m->Thickness * 0.998f) {
                EXPECT_FALSE(Meets(in, criterion, r)) << s;
            }
            for (const ThicknessBand& b : m->AlsoMet)
                if (s >= b.From && s <= b.To && s > 0) {
                    EXPECT_TRUE(Meets(in, criterion, r)) << s;
                }
        }
    }
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
        ExpectRowsAgreeWithMinima(in, t);
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

const ConductivityLaw kHotWool{0.04f, 0.0002f}, kFoam{0.033f, 0.0001f}; // up to 650, 105 °C

// Layered tables: wool inside, foam outside, on any shape; hot media raised up to 350 °C,
// where the foam can pass its limit.
class LayeredTableTest : public ThicknessTableTest {
protected:
    LayeredTableTest() { random.seed(20261211); }
    LayeredTableInputs Layered(int layers, Shape kind) {
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
    const auto rowsAndDecisions = [](const ThicknessTable& t) {
        std::vector<std::tuple<float, float, float, float, int>> rows;
        for (const ThicknessRow& r : t.Rows)
            rows.emplace_back(r.SurfaceTemp, r.h, r.HeatFlow, r.Saving, static_cast<int>(r.Settle));
        const ThicknessCriteria& c = t.Criteria;
        return std::tuple(rows, c.Condensation.Thickness, c.SurfaceTemp.Thickness,
                          c.HeatFlow.Thickness, t.Chosen);
    };
    Trials(40, [&](int) {
        const LayeredTableInputs in = Layered(1, Coin() ? Shape::Pipe : Shape::Wall);
        ThicknessTableInputs single = in.Job;
        single.Pipe = in.Object.Kind == Shape::Pipe;
        single.TubeDiameter = in.Object.Diameter, single.Law = in.Layers[0].Law;
        EXPECT_EQ(rowsAndDecisions(BuildThicknessTable(single, nullptr)),
                  rowsAndDecisions(BuildLayeredTable(in, nullptr).Table));
    });
}

TEST_F(LayeredTableTest, MinimaAndLimitsHoldOnEveryShape) {
    Trials(24, [&](int trial) {
        const LayeredTableInputs in = Layered(2 + trial % 2, static_cast<Shape>(trial % 4));
        const LayeredTable t = BuildLayeredTable(in, nullptr);
        ExpectRowsAgreeWithMinima(in.Job, t.Table, 1);
        for (size_t i = 1; i < t.Table.Rows.size(); ++i) {
            const ThicknessRow& row = t.Table.Rows[i];
            const LayeredSolution& s = t.Solutions[i];
            EXPECT_EQ(row.SurfaceTemp, s.SurfaceTemp);
            EXPECT_EQ(s.Interfaces.size(), in.Layers.size() + 1);
            // A row whose fixed outer layer is beyond its limits fails, and none is from the
            // stated inner minimum on.
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
    });
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
