// Computing lines: a refused input is named with the thickness table's message, a name the
// data does not hold keeps its line and is named in its status, and the totals and the bill
// of materials add up the lines.
#include <functional>
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "config/JobBounds.h"
#include "project/ProjectCompute.h"

namespace {
LineResult Compute(const Line& line, const ProjectSettings& settings = {}) {
    return ComputeLine(line, settings, ProjectData::FromShared());
}

LineResult With(const std::function<void(Line&)>& edit) {
    Line line = ChilledWaterPipe();
    edit(line);
    return Compute(line);
}
} // namespace

TEST(ProjectCompute, TypicalLineIsOkWithAProductThatMeetsItsCriteria) {
    const LineResult r = Compute(ChilledWaterPipe());
    EXPECT_EQ(r.State, LineState::Ok);
    EXPECT_EQ(r.Status, QStringLiteral("ok"));
    EXPECT_GT(r.ThicknessMm, 0);
    EXPECT_TRUE(r.Product.startsWith(QStringLiteral("VELTRA AF"))) << r.Product.toStdString();
    EXPECT_TRUE(r.Gain);
    EXPECT_LT(r.HeatFlow, r.BareHeatFlow);
    EXPECT_GT(r.Saving, 0);
}

TEST(ProjectCompute, OutOfBoundsInputsAreRefusedByName) {
    struct Case {
        std::function<void(Line&)> edit;
        LineField field;
    };
    const std::vector<Case> cases{
        {[](Line& l) { l.DiameterMm = 0.5f; }, LineField::Diameter},
        {[](Line& l) { l.AmbientTemp = 301; }, LineField::AmbientTemp},
        {[](Line& l) { l.MediumTemp = -201; }, LineField::MediumTemp},
        {[](Line& l) { l.RelHumidity = 20; }, LineField::RelHumidity},
        {[](Line& l) { l.RelHumidity = 97; }, LineField::RelHumidity},
        {[](Line& l) { l.Installation = LineInstallation::TypedH, l.SurfaceCoefficient = 60; },
         LineField::SurfaceCoefficient},
        {[](Line& l) { l.Installation = LineInstallation::Outdoors, l.WindSpeed = 0; },
         LineField::WindSpeed},
        {[](Line& l) { l.Installation = LineInstallation::Outdoors, l.WindSpeed = 11; },
         LineField::WindSpeed},
        {[](Line& l) { l.Cladding.clear(), l.Emissivity = 1.5f; }, LineField::Emissivity},
        {[](Line& l) { l.Kind = LineKind::Wall, l.WallHeight = 0; }, LineField::WallHeight},
        {[](Line& l) { l.Extent = 0; }, LineField::Extent},
        {[](Line& l) { l.HoursPerYear = 9000; }, LineField::HoursPerYear},
        {[](Line& l) { l.EnergyPrice = -1; }, LineField::EnergyPrice},
        {[](Line& l) { l.Co2PerKWh = 101; }, LineField::Co2PerKWh},
        {[](Line& l) { l.SurfaceTempLimit = 400; }, LineField::SurfaceTempLimit},
        {[](Line& l) { l.MaxHeatFlow = 0; }, LineField::MaxHeatFlow},
        {[](Line& l) { l.Mode = ThicknessMode::Fixed, l.FixedThicknessMm = 600; },
         LineField::Thickness},
        {[](Line& l) { l.WasteAllowance = -5; }, LineField::WasteAllowance},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const LineResult r = With(cases[i].edit);
        EXPECT_EQ(r.State, LineState::Refused) << i;
        EXPECT_EQ(r.Refused, cases[i].field) << i;
        EXPECT_TRUE(r.Status.endsWith(kSenselessValueText)) << r.Status.toStdString();
        EXPECT_TRUE(r.Status.startsWith(FieldName(cases[i].field))) << r.Status.toStdString();
        EXPECT_FALSE(r.HasFigures());
    }
}

TEST(ProjectCompute, MaterialLimitsAndMissingMaterialUseTheTablesWords) {
    const LineResult hot = With([](Line& l) { l.MediumTemp = 180; });
    EXPECT_EQ(hot.State, LineState::Refused);
    EXPECT_TRUE(hot.Status.endsWith(kTooHotForMaterialText));
    const LineResult cold = With([](Line& l) { l.MediumTemp = -60; });
    EXPECT_EQ(cold.Warning, kTooColdForMaterialText);
    const LineResult none = With([](Line& l) { l.Material.clear(); });
    EXPECT_TRUE(none.Status.endsWith(kNoMaterialText));
    EXPECT_EQ(none.Refused, LineField::Material);
}

TEST(ProjectCompute, NamesTheDataNoLongerHoldsAreNamedInTheStatus) {
    const LineResult material = With([](Line& l) { l.Material = QStringLiteral("Cork"); });
    EXPECT_EQ(material.State, LineState::Missing);
    EXPECT_EQ(material.Refused, LineField::Material);
    EXPECT_TRUE(material.Status.contains(QStringLiteral("\"Cork\"")))
        << material.Status.toStdString();
    const LineResult cladding = With([](Line& l) { l.Cladding = QStringLiteral("Gold leaf"); });
    EXPECT_EQ(cladding.State, LineState::Missing);
    EXPECT_TRUE(cladding.Status.contains(QStringLiteral("\"Gold leaf\"")));
    const LineResult product = With([](Line& l) {
        l.Mode = ThicknessMode::Fixed, l.FixedProduct = QStringLiteral("VELTRA AF-99-999");
    });
    EXPECT_EQ(product.State, LineState::Missing);
    EXPECT_EQ(product.Refused, LineField::Thickness);
    // A typed h needs no cladding: a missing one does not matter there.
    EXPECT_EQ(With([](Line& l) {
                  l.Cladding = QStringLiteral("Gold leaf");
                  l.Installation = LineInstallation::TypedH;
              }).State,
              LineState::Ok);
}

TEST(ProjectCompute, CriteriaNoProductCanMeetAndFixedThicknessesThatMissThem) {
    const LineResult none = With([](Line& l) { l.MaxHeatFlow = 0.01f; });
    EXPECT_EQ(none.State, LineState::NoProduct);
    EXPECT_EQ(none.Status, QLatin1String(kNoProductText));
    const LineResult thin = With(
        [](Line& l) { l.RelHumidity = 90, l.Mode = ThicknessMode::Fixed, l.FixedThicknessMm = 6; });
    EXPECT_EQ(thin.State, LineState::FixedFails);
    EXPECT_TRUE(thin.Status.contains(QStringLiteral("condense")));
    EXPECT_TRUE(thin.HasFigures());
}

TEST(ProjectCompute, FixedProductTakesItsNominalThickness) {
    const LineResult r = With([](Line& l) {
        l.Mode = ThicknessMode::Fixed,
        l.FixedProduct = QStringLiteral("VELTRA AF-19-060 / 19 x 60.3 mm");
    });
    EXPECT_EQ(r.ThicknessMm, 19.0f);
    EXPECT_EQ(r.Product, QStringLiteral("VELTRA AF-19-060 / 19 x 60.3 mm"));
}

TEST(ProjectCompute, AutomaticChoiceAsAFixedThicknessGivesTheSameFigures) {
    const Project p = RandomProject(21, 150);
    for (const Line& line : p.Lines) {
        const LineResult automatic = Compute(line, p.Settings);
        if (line.Mode != ThicknessMode::Automatic || automatic.State != LineState::Ok)
            continue;
        Line fixed = line;
        fixed.Mode = ThicknessMode::Fixed;
        fixed.FixedThicknessMm = automatic.ThicknessMm;
        const LineResult again = Compute(fixed, p.Settings);
        EXPECT_EQ(again.State, LineState::Ok) << line.Tag.toStdString();
        EXPECT_EQ(again.SurfaceTemp, automatic.SurfaceTemp);
        EXPECT_EQ(again.HeatFlow, automatic.HeatFlow);
        EXPECT_GT(automatic.ThicknessMm, 0); // insulated, even where nothing demands it
    }
}

TEST(ProjectCompute, AllLinesAtOnceEqualEachLineAlone) {
    const Project p = RandomProject(4, 120);
    const std::vector<LineResult> all = ComputeProject(p, ProjectData::FromShared());
    ASSERT_EQ(all.size(), p.Lines.size());
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_TRUE(all[i] == Compute(p.Lines[i], p.Settings)) << i;
    QFuture<LineResult> future = StartComputeProject(p, ProjectData::FromShared());
    future.waitForFinished();
    EXPECT_TRUE(future.results() == QList<LineResult>(all.begin(), all.end()));
}

TEST(ProjectCompute, TotalsAddUpTheLines) {
    Project p = RandomProject(8, 200);
    p.Lines.push_back(p.Lines.front());
    p.Lines.back().Material = QStringLiteral("Cork"); // counted in lengths, not in figures
    const std::vector<LineResult> results = ComputeProject(p, ProjectData::FromShared());
    const ProjectTotals t = TotalsOf(p, results);
    double pipe = 0, wall = 0, loss = 0, gain = 0, cost = 0, bareCost = 0;
    int ok = 0;
    for (size_t i = 0; i < p.Lines.size(); ++i) {
        (p.Lines[i].Kind == LineKind::Pipe ? pipe : wall) += p.Lines[i].Extent;
        ok += results[i].State == LineState::Ok;
        if (!results[i].HasFigures())
            continue;
        (results[i].Gain ? gain : loss) += results[i].HeatFlow;
        cost += results[i].CostPerYear;
        bareCost += results[i].BareCostPerYear;
    }
    EXPECT_EQ(t.Lines, 201);
    EXPECT_EQ(t.OkLines, ok);
    EXPECT_LT(ok, 201);
    EXPECT_NEAR(t.PipeLength, pipe, pipe * 1e-6);
    EXPECT_NEAR(t.WallArea, wall, wall * 1e-6);
    EXPECT_NEAR(t.HeatLoss, loss, loss * 1e-6);
    EXPECT_NEAR(t.HeatGain, gain, gain * 1e-6);
    EXPECT_NEAR(t.CostPerYear, cost, cost * 1e-6);
    EXPECT_LT(t.CostPerYear, t.BareCostPerYear);
    EXPECT_NEAR(t.BareCostPerYear, bareCost, bareCost * 1e-6);
}

TEST(ProjectCompute, BillOfMaterialsBuysEveryInsulatedMetreWithItsWaste) {
    Project p = RandomProject(9, 200);
    p.Settings.WasteAllowance = 10;
    const std::vector<LineResult> results = ComputeProject(p, ProjectData::FromShared());
    const std::vector<BomItem> items = BillOfMaterials(p, results);
    double bought = 0, withWaste = 0, expected = 0, expectedWaste = 0;
    int lines = 0, insulated = 0;
    for (const BomItem& item : items) {
        bought += item.Quantity;
        withWaste += item.QuantityWithWaste;
        lines += item.Lines;
        EXPECT_GE(item.QuantityWithWaste, item.Quantity);
    }
    for (size_t i = 0; i < p.Lines.size(); ++i) {
        if (!results[i].HasFigures() || results[i].ThicknessMm <= 0)
            continue;
        ++insulated;
        expected += p.Lines[i].Extent;
        expectedWaste += p.Lines[i].Extent * (1 + p.Lines[i].WasteAllowance.value_or(10) / 100.0);
    }
    EXPECT_EQ(lines, insulated);
    EXPECT_NEAR(bought, expected, expected * 1e-5);
    EXPECT_NEAR(withWaste, expectedWaste, expectedWaste * 1e-5);
    for (size_t i = 1; i < items.size(); ++i)
        EXPECT_FALSE(items[i - 1].Kind == items[i].Kind &&
                     items[i - 1].Product == items[i].Product);
}
