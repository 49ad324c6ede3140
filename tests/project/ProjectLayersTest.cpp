// Layered lines: ducts, spheres and fixed layers designed, limited and bought layer by layer.
#include <gtest/gtest.h>
#include <numbers>

#include "ProjectFixture.h"
#include "project/LineFields.h"

namespace {
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
