// Computing lines: each state in the thickness table's words; totals that add up the lines;
// ducts, spheres and fixed layers designed, limited and bought layer by layer.
#include <gtest/gtest.h>
#include <numbers>

#include "ProjectFixture.h"
#include "config/JobBounds.h"
#include "project/LineFields.h"
#include "project/ProjectCsv.h"

namespace {
// The typical line edited as in its cells, "Field=text|Field=text".
LineResult With(const QString& edits) {
    Line line = ChilledWaterPipe();
    for (const QString& edit : edits.split(u'|', Qt::SkipEmptyParts)) {
        const std::optional<LineField> field = FieldFromHeader(edit.section(u'=', 0, 0));
        EXPECT_TRUE(field && SetFieldText(line, *field, edit.section(u'=', 1)).isEmpty())
            << edit.toStdString();
    }
    return Compute(line);
}

// A chilled water line of that kind: a 600 x 400 mm duct 25 m long, or two 2 m spheres.
Line Cold(LineKind kind, float fixedMm = 0) {
    Line line = ChilledWaterPipe();
    line.Kind = kind;
    line.DuctWidthMm = 600, line.DuctHeightMm = 400, line.Extent = kind == LineKind::Duct ? 25 : 2;
    line.DiameterMm = kind == LineKind::Sphere ? 2000 : line.DiameterMm;
    if (fixedMm > 0)
        line.Mode = ThicknessMode::Fixed, line.FixedThicknessMm = fixedMm;
    return line;
}

// Hot water inside mineral wool, with foam outside it as the line's own layer.
Line TwoLayerPipe(float woolMm, float fixedFoamMm = 0) {
    Line line;
    line.DiameterMm = 60.3f, line.Extent = 10, line.MediumTemp = 140, line.Material = kFoam;
    if (fixedFoamMm > 0)
        line.Mode = ThicknessMode::Fixed, line.FixedThicknessMm = fixedFoamMm;
    line.Layers = {FixedLayer{kWool, 0.036f, woolMm}};
    return line;
}
} // namespace

TEST(ProjectCompute, EachLineStateWithItsStatus) {
    using enum LineState;
    struct Case {
        QString edits; // the last edited input is the one named where one is refused
        LineState state;
        QString says = kSenselessValueText; // in the status, or the warning
    };
    std::vector<Case> cases{
        {"Installation=typed h|Surface coefficient=60", Refused},
        {"Installation=outdoors|Wind speed=0", Refused},
        {"Installation=outdoors|Wind speed=11", Refused},
        {"Cladding=|Emission coefficient=1.5", Refused},
        {"Kind=wall|Wall height=0", Refused},
        {"Kind=duct|Duct height=0", Refused},
        {"", Ok, "ok"},
        {"Medium temperature=180", Refused, kTooHotForMaterialText},
        {"Medium temperature=-60", Ok, kTooColdForMaterialText},
        {"Material=", Refused, kNoMaterialText},
        {"Material=Cork", Missing, "\"Cork\""},
        {"Cladding=Gold leaf", Missing, "\"Gold leaf\""},
        {"Thickness=VELTRA AF-99-999", Missing, "VELTRA AF-99-999"},
        {"Cladding=Gold leaf|Installation=typed h", Ok, "ok"}, // a typed h needs no cladding
        {"Maximum heat flow=0.01", NoProduct, kNoProductText},
        {"Relative humidity=90|Thickness=6", FixedFails, "condense"},
        {"Fixed layers=cork 40", Missing, "cork"}, // fixed layers are checked by name
        {"Fixed layers=k=0.04 0", Refused},
        {"Fixed layers=k=0.04 9; k=0.04 9; k=0.04 9; k=0.04 9; k=0.04 9", Refused, "at most 5"},
    };
    // Inputs out of their bounds one by one.
    for (const char* edit :
         {"Outside diameter=0.5", "Ambient temperature=301", "Medium temperature=-201",
          "Relative humidity=20", "Relative humidity=97", "Length or area=0", "Hours per year=9000",
          "Energy price=-1", "CO2 per kWh=101", "Surface temperature limit=400",
          "Maximum heat flow=0", "Thickness=600", "Waste allowance=-5", "Life=1001",
          "Interest rate=101", "Energy price increase=-51", "Installed costs=30=-1",
          "Installed costs=19=1; 0=5"})
        cases.push_back({edit, Refused});
    for (const Case& c : cases) {
        const LineResult r = With(c.edits);
        const std::string name = c.edits.toStdString();
        const auto field = FieldFromHeader(c.edits.section(u'|', -1).section(u'=', 0, 0));
        EXPECT_EQ(r.State, c.state) << name << ": " << r.Status.toStdString();
        EXPECT_TRUE(r.Status.contains(c.says) || r.Warning == c.says) << r.Status.toStdString();
        EXPECT_EQ(r.HasFigures(), c.state == Ok || c.state == FixedFails) << name;
        if (c.state == Refused || c.state == Missing) {
            EXPECT_EQ(r.Refused, field) << name << ": " << r.Status.toStdString();
        }
        if (c.says == kSenselessValueText) {
            EXPECT_TRUE(r.Status.startsWith(FieldName(*field))) << name;
        }
    }
    const LineResult typical = With({});
    EXPECT_TRUE(typical.Product.startsWith(QStringLiteral("VELTRA AF")));
    EXPECT_TRUE(typical.Gain);
    EXPECT_LT(typical.HeatFlow, typical.BareHeatFlow);
    EXPECT_GT(typical.Saving, 0);
    const LineResult product = With("Thickness=VELTRA AF-19-060 / 19 x 60.3 mm");
    EXPECT_EQ(product.ThicknessMm, 19.0f); // a fixed product takes its nominal thickness
    EXPECT_EQ(product.Product, QStringLiteral("VELTRA AF-19-060 / 19 x 60.3 mm"));
}

TEST(ProjectCompute, AllAtOnceInTheBackgroundEqualsEachLineAloneAndAsFixed) {
    const Project p = RandomProject(4, 150);
    const std::vector<LineResult> all = Computed(p);
    ASSERT_EQ(all.size(), p.Lines.size());
    QFuture<LineResult> future = StartComputeProject(p, ProjectData::FromShared());
    future.waitForFinished();
    EXPECT_TRUE(future.results() == QList<LineResult>(all.begin(), all.end()));
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(all[i] == Compute(p.Lines[i], p.Settings)) << i;
        if (p.Lines[i].Mode != ThicknessMode::Automatic || all[i].State != LineState::Ok)
            continue;
        // The thickness chosen, typed as a fixed one, gives the same figures.
        Line fixed = p.Lines[i];
        fixed.Mode = ThicknessMode::Fixed, fixed.FixedThicknessMm = all[i].ThicknessMm;
        const LineResult again = Compute(fixed, p.Settings);
        EXPECT_EQ(again.State, LineState::Ok) << i;
        EXPECT_EQ(again.SurfaceTemp, all[i].SurfaceTemp) << i;
        EXPECT_EQ(again.HeatFlow, all[i].HeatFlow) << i;
        EXPECT_GT(all[i].ThicknessMm, 0); // insulated, even where nothing demands it
    }
}

TEST(ProjectCompute, TotalsAndBillOfMaterialsAddUpTheLines) {
    Project p = RandomProject(8, 200);
    p.Settings.WasteAllowance = 10;
    p.Lines.push_back(p.Lines.front());
    p.Lines.back().Material = QStringLiteral("Cork"); // counted in lengths, not in figures
    const std::vector<LineResult> results = Computed(p);
    double pipe = 0, wall = 0, loss = 0, gain = 0, cost = 0, bare = 0, metres = 0, waste = 0;
    int ok = 0, insulated = 0;
    for (size_t i = 0; i < p.Lines.size(); ++i) {
        const Line& line = p.Lines[i];
        const LineResult& r = results[i];
        (line.Kind == LineKind::Pipe ? pipe : wall) += line.Extent;
        ok += r.State == LineState::Ok;
        if (!r.HasFigures())
            continue;
        (r.Gain ? gain : loss) += r.HeatFlow, cost += r.CostPerYear, bare += r.BareCostPerYear;
        if (r.ThicknessMm > 0)
            ++insulated, metres += line.Extent,
                waste += line.Extent * (1 + line.WasteAllowance.value_or(10) / 100.0);
    }
    const ProjectTotals t = TotalsOf(p, results);
    EXPECT_EQ(t.Lines, 201);
    EXPECT_EQ(t.OkLines, ok);
    EXPECT_LT(ok, 201);
    for (const auto& [total, sum] : {std::pair{t.PipeLength, pipe},
                                     {t.WallArea, wall},
                                     {t.HeatLoss, loss},
                                     {t.HeatGain, gain},
                                     {t.CostPerYear, cost},
                                     {t.BareCostPerYear, bare}})
        EXPECT_NEAR(total, sum, sum * 1e-6);
    EXPECT_LT(t.CostPerYear, t.BareCostPerYear);

    const std::vector<BomItem> items = BillOfMaterials(p, results);
    double bought = 0, withWaste = 0;
    int lines = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        bought += items[i].Quantity, withWaste += items[i].QuantityWithWaste;
        lines += items[i].Lines;
        EXPECT_GE(items[i].QuantityWithWaste, items[i].Quantity);
        EXPECT_FALSE(i > 0 && items[i - 1].Kind == items[i].Kind &&
                     items[i - 1].Product == items[i].Product);
    }
    EXPECT_EQ(lines, insulated);
    EXPECT_NEAR(bought, metres, metres * 1e-5);
    EXPECT_NEAR(withWaste, waste, waste * 1e-5);
    const QString csv = QString::fromUtf8(BomCsv(items)); // a header and one row per product
    EXPECT_EQ(csv.count(QStringLiteral("\r\n")), static_cast<qsizetype>(items.size()) + 1);
}

// The totals' life costs only once every line has them; nothing else changed by costs.
TEST(ProjectCompute, InstalledCostsGiveTheAnswersEconomicsAndTotals) {
    Project p = RandomProject(60, 80, true, true);
    std::vector<LineResult> results = Computed(p);
    for (size_t i = 0; i < p.Lines.size(); ++i) {
        const auto cost = p.Lines[i].InstalledCosts.find(results[i].ThicknessMm);
        const bool typed = results[i].HasFigures() && cost != p.Lines[i].InstalledCosts.end();
        ASSERT_EQ(results[i].InstalledCost.has_value() && results[i].LifeCost.has_value(), typed);
        if (typed) {
            EXPECT_EQ(*results[i].InstalledCost, float(double{cost->second} * p.Lines[i].Extent));
        }
        if (!results[i].HasFigures())
            continue;
        p.Lines[i].InstalledCosts = {{results[i].ThicknessMm, 10}}; // now every line has one
        p.Lines[i].InterestRatePercent = p.Lines[i].PriceIncreasePercent = 0;
        LineResult r = Compute(p.Lines[i], p.Settings), plain = results[i];
        EXPECT_EQ(r.PresentValue, r.LifeCost) << i; // nothing discounted
        if (const double saved = double{r.BareCostPerYear} - r.CostPerYear; saved > 0) {
            EXPECT_NEAR(*r.PaybackYears * saved, *r.InstalledCost, 1e-5 * *r.InstalledCost);
        }
        results[i] = r;
        r.InstalledCost = r.PaybackYears = r.LifeCost = r.PresentValue = std::nullopt;
        plain.InstalledCost = plain.PaybackYears = plain.LifeCost = plain.PresentValue = {};
        EXPECT_TRUE(r == plain) << i; // every other figure as without costs
    }
    const ProjectTotals t = TotalsOf(p, results);
    EXPECT_TRUE(t.LifeCost && t.PresentValue && t.CostedLines > 40);
    results.front().LifeCost.reset(); // one line without: the plant's life cost is unknown
    EXPECT_FALSE(TotalsOf(p, results).LifeCost.has_value());
}

TEST(ProjectLayers, DuctsAndSpheresAreDesignedAndScaleWithTheirExtent) {
    for (const Line& line : {Cold(LineKind::Duct), Cold(LineKind::Sphere)}) {
        const LineResult r = Compute(line);
        ASSERT_EQ(r.State, LineState::Ok) << r.Status.toStdString();
        EXPECT_GT(r.ThicknessMm, 0);
        EXPECT_TRUE(r.Product.isEmpty()); // the products are sized for pipes and walls
        EXPECT_GT(r.SurfaceTemp, 6);
        EXPECT_LT(r.HeatFlow, r.BareHeatFlow);
        EXPECT_NEAR(r.HeatFlow, r.HeatFlowPerUnit * line.Extent, r.HeatFlow * 1e-5);
    }
    Line wide = Cold(LineKind::Duct, 19);
    const float narrow = Compute(wide).HeatFlowPerUnit;
    wide.DuctWidthMm = 1200;
    EXPECT_GT(Compute(wide).HeatFlowPerUnit, narrow);
    // A very large sphere reads as a wall.
    Line wall = Cold(LineKind::Wall, 25);
    wall.Installation = LineInstallation::TypedH, wall.SurfaceCoefficient = 8;
    Line sphere = wall;
    sphere.Kind = LineKind::Sphere, sphere.DiameterMm = 200000;
    const double d = 200.05; // m, at the layer's surface
    const float perM2 = Compute(wall).HeatFlowPerUnit;
    EXPECT_NEAR(Compute(sphere).HeatFlowPerUnit / (std::numbers::pi * d * d), perM2, perM2 * 1e-3);
}

TEST(ProjectLayers, OneLayerSplitInTwoOfTheSameMaterialReadsAsOne) {
    for (const LineKind kind : {LineKind::Pipe, LineKind::Wall, LineKind::Duct}) {
        Line split = Cold(kind, 15);
        split.Layers = {FixedLayer{kFoam, 0.036f, 25}};
        const LineResult one = Compute(Cold(kind, 40)), two = Compute(split);
        ASSERT_TRUE(one.HasFigures() && two.HasFigures()) << two.Status.toStdString();
        EXPECT_NEAR(one.SurfaceTemp, two.SurfaceTemp, 0.002) << KindText(kind).toStdString();
        EXPECT_NEAR(one.HeatFlowPerUnit, two.HeatFlowPerUnit, one.HeatFlowPerUnit * 1e-3);
    }
}

// The products fit the bare pipe, not the wool: an own layer outside it takes none.
TEST(ProjectLayers, OuterLayerDesignedOverTheInnerWithinItsMaterialsLimit) {
    using enum LineState;
    const QString beyond = QStringLiteral("layer 2 (") + kFoam + QStringLiteral("): ");
    struct Case {
        float woolMm, fixedFoamMm, medium;
        LineState state;
        QString starts, product = {};
        VariedLayer varied = VariedLayer::Outer;
    };
    const std::vector<Case> cases{
        {40, 0, 140, Ok, "ok"},
        {13, 0, 90, Ok, "ok", "VELTRA AF", VariedLayer::Inner},
        // An interface beyond the outer material's limit is named; enough wool keeps it within.
        {10, 20, 240, FixedFails, beyond},
        {10, 0, 240, NoProduct, QLatin1String(kNoProductText) + QStringLiteral(": ") + beyond},
        {120, 0, 240, Ok, "ok"},
    };
    for (const Case& c : cases) {
        Line line = TwoLayerPipe(c.woolMm, c.fixedFoamMm);
        line.MediumTemp = c.medium, line.Varied = c.varied;
        const LineResult r = Compute(line);
        EXPECT_EQ(r.State, c.state) << r.Status.toStdString();
        EXPECT_TRUE(r.Status.startsWith(c.starts) && (c.state == Ok || r.Status.contains("hotter")))
            << r.Status.toStdString();
        EXPECT_TRUE(r.Product.startsWith(c.product) && r.Product.isEmpty() == c.product.isEmpty())
            << r.Product.toStdString();
    }
    // More wool inside lets the same foam run cooler: less heat through the line.
    EXPECT_LT(Compute(TwoLayerPipe(60, 20)).HeatFlow, Compute(TwoLayerPipe(20, 20)).HeatFlow);
}

TEST(ProjectLayers, BillOfMaterialsBuysEveryLayerWithItsWaste) {
    Project p;
    p.Settings.WasteAllowance = 10;
    p.Lines = {TwoLayerPipe(40, 20), TwoLayerPipe(40, 20), Cold(LineKind::Duct, 20)};
    p.Lines[2].Layers = {FixedLayer{QStringLiteral("k-factor"), 0.05f, 30}};
    p.Lines[2].Varied = VariedLayer::Inner;
    const std::vector<BomItem> items = BillOfMaterials(p, Computed(p));
    const std::vector<std::tuple<QString, LineKind, int, double>> expected{
        {kFoam + ", 20 mm x 140.3 mm pipe", LineKind::Pipe, 2, 20},
        {kWool + ", 40 mm x 60.3 mm pipe", LineKind::Pipe, 2, 20},
        // The duct's layers in m² at their mid surfaces: perimeter 2 m plus 8 × mid offset.
        {kFoam + ", 20 mm sheet", LineKind::Wall, 1, 25 * (2 + 8 * 0.010)},
        {"k=0.05, 30 mm sheet", LineKind::Wall, 1, 25 * (2 + 8 * 0.035)}};
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& [product, kind, lines, quantity] = expected[i];
        EXPECT_EQ(items[i].Product, product);
        EXPECT_EQ(items[i].Kind, kind) << product.toStdString();
        EXPECT_EQ(items[i].Lines, lines) << product.toStdString();
        EXPECT_FLOAT_EQ(items[i].Quantity, quantity) << product.toStdString();
        EXPECT_FLOAT_EQ(items[i].QuantityWithWaste, quantity * 1.1) << product.toStdString();
    }
}
