// The thickness table against the calculation forms' own functions, bit for bit, and its
// criteria against their limits.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "MaterialsFixture.h"
#include "engine/CalcFrame.h"
#include "engine/Coefficient.h"
#include "engine/PipeCalculations.h"
#include "engine/PipeSizeTable.h"
#include "engine/SheetCalculations.h"
#include "engine/ThicknessTable.h"
#include "engine/Ucalc.h"

namespace {

class ThicknessTableTest : public MaterialsTest {
protected:
    ThicknessTableInputs Pipe(float ambient, float medium, int material = kWool) const {
        ThicknessTableInputs in;
        in.Pipe = true;
        in.AmbientTemp = ambient;
        in.MediumTemp = medium;
        in.TubeDiameter = 0.0603f;
        in.Law = ConductivityLawOf(material);
        in.Extent = 12;
        in.Coefficient.Typed = 8.5f;
        in.ThicknessesMm = DefaultThicknessesMm();
        return in;
    }
    ThicknessTableInputs Sheet(float ambient, float medium) const {
        ThicknessTableInputs in = Pipe(ambient, medium);
        in.Pipe = false;
        in.Extent = 3.5f;
        return in;
    }
};

// What the pipe heat loss and surface temperature forms compute for one row.
void ExpectPipeRowAsForms(const ThicknessTableInputs& in, int material, const ThicknessRow& row,
                          float bare) {
    PipeHeatLossInputs loss;
    loss.AmbientTemp = in.AmbientTemp;
    loss.MediumTemp = in.MediumTemp;
    loss.TubeDiameter = in.TubeDiameter;
    loss.Thickness = row.Thickness;
    loss.PipeLength = in.Extent;
    loss.SurfaceCoefficient = row.h;
    loss.CostPerKWh = in.CostPerKWh;
    loss.Lambda = MeanConductivity(material == kUser, material, in.AmbientTemp, in.MediumTemp);
    loss.BareCoefficient = bare;
    const HeatLossResult r = PipeHeatLoss(loss);
    EXPECT_EQ(row.HeatFlow, r.HeatFlow);
    EXPECT_EQ(row.Saving, r.Saving);
    PipeSurfaceTempInputs surface{in.AmbientTemp, in.MediumTemp, in.TubeDiameter,
                                  row.Thickness,  material,      row.h};
    EXPECT_EQ(row.SurfaceTemp, PipeSurfaceTemp(surface).SurfaceTemp);
}

TEST_F(ThicknessTableTest, PipeRowsEqualTheHeatLossAndSurfaceForms) {
    for (int material : {kWool, kUser}) {
        for (float medium : {-40.0f, 5.0f, 180.0f}) {
            const ThicknessTableInputs in = Pipe(22, medium, material);
            const ThicknessTable t = BuildThicknessTable(in, nullptr);
            ASSERT_EQ(t.Rows.size(), in.ThicknessesMm.size() + 1);
            const float bare = t.Rows[0].h;
            for (const ThicknessRow& row : t.Rows)
                ExpectPipeRowAsForms(in, material, row, bare);
            EXPECT_EQ(t.Rows[0].SurfaceTemp, medium); // bare: the medium temperature
            EXPECT_EQ(t.Rows[5].Thickness, MillimetresToMetres(25));
        }
    }
}

TEST_F(ThicknessTableTest, SheetRowsEqualTheHeatLossAndSurfaceForms) {
    const ThicknessTableInputs in = Sheet(20, 150);
    const ThicknessTable t = BuildThicknessTable(in, nullptr);
    for (const ThicknessRow& row : t.Rows) {
        SheetHeatLossInputs loss;
        loss.AmbientTemp = 20;
        loss.MediumTemp = 150;
        loss.Thickness = row.Thickness;
        loss.Area = in.Extent;
        loss.SurfaceCoefficient = row.h;
        loss.CostPerKWh = in.CostPerKWh;
        loss.Lambda = MeanConductivity(false, kWool, 20, 150);
        loss.BareCoefficient = t.Rows[0].h;
        EXPECT_EQ(row.HeatFlow, SheetHeatLoss(loss).HeatFlow);
        SheetSurfaceTempInputs surface{20, 150, row.Thickness, kWool, row.h};
        EXPECT_EQ(row.SurfaceTemp, SheetSurfaceTemp(surface).SurfaceTemp);
    }
}

// The bare row takes the h the forms' unseen dialog gives a bare surface: inside,
// horizontal, the bare emissivity, thickness 0.
TEST_F(ThicknessTableTest, BareRowUsesTheFormsBareCoefficient) {
    ThicknessTableInputs in = Pipe(20, 90);
    in.BareEmissivity = 0.28f;
    CoefficientInputs dialog;
    dialog.AmbientTemp = 20;
    dialog.MediumTemp = 90;
    dialog.TubeDiameter = in.TubeDiameter;
    dialog.MaterialIndex = kWool;
    dialog.Emissivity = 0.28f;
    dialog.SheetHeight = 1;
    dialog.Horizontal = true;
    const float h = IterateSurfaceCoefficient(Installation::InsidePipe, dialog).h;
    const ThicknessTable t = BuildThicknessTable(in, nullptr);
    EXPECT_EQ(t.Rows[0].h, h);
    EXPECT_EQ(t.Rows[0].Thickness, 0);
    EXPECT_NEAR(t.Rows[0].Saving, 0, 1e-3);
}

TEST_F(ThicknessTableTest, ComputedCoefficientIsTheDialogsForEachRow) {
    ThicknessTableInputs in = Pipe(-5, 120);
    in.Coefficient = {true, 0, true, false, 3.5f, 0.15f, 1};
    const ThicknessTable t = BuildThicknessTable(in, nullptr);
    for (size_t i = 1; i < t.Rows.size(); ++i) {
        CoefficientInputs dialog;
        dialog.AmbientTemp = -5;
        dialog.MediumTemp = 120;
        dialog.TubeDiameter = in.TubeDiameter;
        dialog.Thickness = t.Rows[i].Thickness;
        dialog.MaterialIndex = kWool;
        dialog.Emissivity = 0.15f;
        dialog.WindSpeed = 3.5f;
        EXPECT_EQ(t.Rows[i].h, IterateSurfaceCoefficient(Installation::OutsidePipe, dialog).h);
    }
    // A thicker layer is cooler outside and loses less.
    for (size_t i = 2; i < t.Rows.size(); ++i) {
        EXPECT_LT(t.Rows[i].SurfaceTemp, t.Rows[i - 1].SurfaceTemp);
        EXPECT_LT(std::fabs(t.Rows[i].HeatFlow), std::fabs(t.Rows[i - 1].HeatFlow));
    }
}

TEST_F(ThicknessTableTest, YearFiguresFollowTheHeatFlow) {
    ThicknessTableInputs in = Pipe(20, 80);
    in.HoursPerYear = 6000;
    in.CostPerKWh = 0.12f;
    in.Co2PerKWh = 0.25f;
    const ThicknessTable t = BuildThicknessTable(in, nullptr);
    for (const ThicknessRow& row : t.Rows) {
        EXPECT_FLOAT_EQ(row.EnergyPerYear, std::fabs(row.HeatFlow) * 6000 / 1000);
        EXPECT_FLOAT_EQ(row.CostPerYear, row.EnergyPerYear * 0.12f);
        EXPECT_FLOAT_EQ(row.Co2PerYear, row.EnergyPerYear * 0.25f);
        EXPECT_FLOAT_EQ(row.HeatFlow, row.HeatFlowPerUnit * in.Extent);
    }
}

TEST_F(ThicknessTableTest, PaybackAndEconomicThickness) {
    ThicknessTableInputs in = Pipe(20, 150);
    in.ThicknessesMm = {20, 40, 100};
    in.InstalledCost = {10.0f, std::nullopt, 5000.0f};
    in.LifeYears = 1;
    const ThicknessTable t = BuildThicknessTable(in, nullptr);
    const ThicknessRow& bare = t.Rows[0];
    const ThicknessRow& thin = t.Rows[1];
    ASSERT_TRUE(thin.PaybackYears);
    EXPECT_FLOAT_EQ(*thin.PaybackYears, 10.0f * 12 / (bare.CostPerYear - thin.CostPerYear));
    EXPECT_FALSE(t.Rows[2].LifeCost); // no installed cost typed
    EXPECT_FLOAT_EQ(*t.Rows[3].LifeCost, 5000.0f * 12 + t.Rows[3].CostPerYear);
    EXPECT_EQ(t.Economic, 1); // the 100 mm layer costs more than it saves in a year
}

TEST_F(ThicknessTableTest, ChosenRowIsTheThinnestMeetingEveryCriterion) {
    ThicknessTableInputs in = Pipe(25, 160);
    in.ThicknessesMm = {100, 13, 50, 25};
    in.SurfaceTempLimit = 50;
    const ThicknessTable t = BuildThicknessTable(in, nullptr);
    ASSERT_GE(t.Chosen, 0);
    const ThicknessRow& chosen = t.Rows[t.Chosen];
    EXPECT_LE(chosen.SurfaceTemp, 50);
    for (const ThicknessRow& row : t.Rows) {
        if (row.Thickness < chosen.Thickness) {
            EXPECT_GT(row.SurfaceTemp, 50);
        }
    }
    EXPECT_GE(chosen.Thickness, t.Criteria.SurfaceTemp.Thickness);
    in.MaxHeatFlow = 0.001f; // no listed thickness gets there
    EXPECT_EQ(BuildThicknessTable(in, nullptr).Chosen, -1);
}

TEST_F(ThicknessTableTest, CondensationMinimumIsTheCondensationForms) {
    for (float ambient : {15.0f, 30.0f}) {
        const ThicknessTableInputs in = Pipe(ambient, -30);
        const ThicknessCriteria c = CriteriaMinima(in);
        const CondensationResult form =
            CondensationAt(ambient, -30, in.RelHumidity, 8.5f, in.TubeDiameter, kWool, kCylinder);
        EXPECT_EQ(c.DewPoint, form.DewPoint);
        EXPECT_EQ(c.Condensation.Thickness, form.MinThickness);
    }
    // A medium warmer than the dew point needs nothing.
    EXPECT_EQ(CriteriaMinima(Pipe(20, 40)).Condensation.Thickness, 0);
}

TEST_F(ThicknessTableTest, UnreachableLimitsAreSaid) {
    ThicknessTableInputs in = Sheet(30, 200);
    in.SurfaceTempLimit = 25; // below the air
    EXPECT_TRUE(CriteriaMinima(in).SurfaceTemp.Unreachable);
    in.SurfaceTempLimit = 250; // above the medium: bare is fine
    EXPECT_EQ(CriteriaMinima(in).SurfaceTemp.Thickness, 0);
    EXPECT_FALSE(CriteriaMinima(in).HeatFlow.Active);
}

// Random accepted inputs: each minimum puts the surface at its limit.
TEST_F(ThicknessTableTest, EveryMinimumEndsAtItsLimit) {
    std::mt19937 random(20261209);
    auto uniform = [&](float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(random);
    };
    for (int trial = 0; trial < 150; ++trial) {
        ThicknessTableInputs in = Pipe(uniform(-20, 40), 0, random() % 2 ? kWool : kUser);
        in.Pipe = random() % 3 != 0;
        in.TubeDiameter = uniform(0.01f, 0.5f);
        in.RelHumidity = uniform(30, 95);
        in.Coefficient = {random() % 2 == 0, uniform(2, 30),       random() % 2 == 0, true,
                          uniform(0, 8),     uniform(0.1f, 0.95f), uniform(0.5f, 3)};
        const bool hot = random() % 2 == 0;
        in.MediumTemp = hot ? uniform(in.AmbientTemp + 20, 250) : uniform(-50, in.AmbientTemp - 5);
        if (hot)
            in.SurfaceTempLimit = uniform(in.AmbientTemp + 1, in.MediumTemp - 1);
        const float bareFlow = std::fabs(FormHeatFlowPerUnit(in, 0, RowCoefficient(in, 0)));
        in.MaxHeatFlow = bareFlow * uniform(0.05f, 0.9f);
        SCOPED_TRACE(trial);
        const ThicknessCriteria c = CriteriaMinima(in);
        const int geometry = in.Pipe ? kCylinder : kPlane;
        const float diameter = in.Pipe ? in.TubeDiameter : 0.0f;
        auto h = [&](const CriterionMinimum& m) { return RowCoefficient(in, m.Thickness); };
        if (c.Condensation.Thickness > 0) {
            const CriterionMinimum& m = c.Condensation;
            EXPECT_NEAR(SelfConsistentSurfaceTemp(in.MediumTemp, in.AmbientTemp, diameter, h(m),
                                                  m.Thickness, in.Law, geometry),
                        c.DewPoint, 0.01);
        }
        if (hot) {
            const CriterionMinimum& m = c.SurfaceTemp;
            ASSERT_FALSE(m.Unreachable);
            EXPECT_NEAR(FormSurfaceTemp(in, m.Thickness, h(m)), *in.SurfaceTempLimit, 0.01);
        }
        const CriterionMinimum& m = c.HeatFlow;
        if (!m.Unreachable && m.Thickness > 0) {
            // Met at the minimum, missed just below it (at the limit unless h jumps there).
            const float thinner = m.Thickness - 1e-6f;
            EXPECT_LE(std::fabs(FormHeatFlowPerUnit(in, m.Thickness, h(m))),
                      *in.MaxHeatFlow * (1 + 1e-3));
            EXPECT_GE(std::fabs(FormHeatFlowPerUnit(in, thinner, RowCoefficient(in, thinner))),
                      *in.MaxHeatFlow * (1 - 1e-3));
            EXPECT_GE(m.Thickness, 0);
        }
    }
}

TEST_F(ThicknessTableTest, PipeSizesEachGetTheirMinimumAndProduct) {
    TToleranceTable nominal;
    nominal.Add(std::make_unique<TToleranceLine>(TToleranceLine{0, 50, 0, 20, "A-20"}));
    nominal.Add(std::make_unique<TToleranceLine>(TToleranceLine{0, 50, 20, 40, "A-40"}));
    nominal.Add(std::make_unique<TToleranceLine>(TToleranceLine{50, 100, 0, 40, "B-40"}));
    ThicknessTableInputs in = Pipe(25, 5);
    in.RelHumidity = 80;
    const std::vector<PipeSizeRow> rows = BuildPipeSizeTable(in, {20, 48.3f, 88.9f, 200}, &nominal);
    ASSERT_EQ(rows.size(), 4u);
    for (const PipeSizeRow& row : rows) {
        in.TubeDiameter = MillimetresToMetres(row.DiameterMm);
        EXPECT_EQ(row.Required, CriteriaMinima(in).Condensation.Thickness);
        EXPECT_EQ(row.HeatFlowPerMetre, FormHeatFlowPerUnit(in, row.Thickness, 8.5f));
        EXPECT_GE(row.Thickness, row.Required);
    }
    EXPECT_EQ(rows[0].Product, rows[0].Required * 1000 <= 20 ? "A-20" : "A-40");
    EXPECT_EQ(rows[2].Product, "B-40");
    EXPECT_EQ(rows[2].Thickness, MillimetresToMetres(40));
    EXPECT_EQ(rows[3].Product, ""); // beyond the table: the minimum itself
    EXPECT_EQ(rows[3].Thickness, rows[3].Required);
}

} // namespace
