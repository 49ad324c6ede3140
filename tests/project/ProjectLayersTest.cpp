// Layered lines: ducts, spheres and fixed layers computed through the layered table, named
// in their status where a layer is beyond its material's limits, bought layer by layer, and
// kept by the file (version 2) and the CSV.
#include <gtest/gtest.h>
#include <numbers>

#include "ProjectFixture.h"
#include "project/LineFields.h"
#include "project/LineLayers.h"
#include "project/ProjectCsv.h"
#include "project/ProjectFile.h"

namespace {
LineResult Compute(const Line& line) {
    return ComputeLine(line, ProjectSettings{}, ProjectData::FromShared());
}

// A chilled water line of that kind: a 600 x 400 mm duct 25 m long, or two 2 m spheres.
Line Cold(LineKind kind) {
    Line line = ChilledWaterPipe();
    line.Kind = kind;
    line.DuctWidthMm = 600, line.DuctHeightMm = 400, line.Extent = kind == LineKind::Duct ? 25 : 2;
    line.DiameterMm = kind == LineKind::Sphere ? 2000 : line.DiameterMm;
    return line;
}

// Hot water inside mineral wool, with foam outside it as the line's own layer.
Line TwoLayerPipe(float woolMm) {
    Line line;
    line.DiameterMm = 60.3f, line.Extent = 10, line.MediumTemp = 140, line.Material = kFoam;
    line.Layers = {FixedLayer{kWool, 0.036f, woolMm}};
    return line;
}

Line Fixed(Line line, float mm) {
    line.Mode = ThicknessMode::Fixed, line.FixedThicknessMm = mm;
    return line;
}

// Random layered lines of every kind, for the round trips.
Line RandomLayered(RandomLines& random, const ProjectData& data) {
    Line line = random.Next(data);
    // A kind's unused inputs at their defaults, as the file leaves them.
    line.Kind = static_cast<LineKind>(random.Pick(4));
    const Line defaults;
    if (line.Kind != LineKind::Pipe && line.Kind != LineKind::Sphere)
        line.DiameterMm = defaults.DiameterMm;
    if (line.Kind != LineKind::Wall)
        line.WallHeight = defaults.WallHeight;
    if (line.Kind != LineKind::Pipe && line.Kind != LineKind::Duct)
        line.Orientation = defaults.Orientation;
    if (line.Kind == LineKind::Duct)
        line.DuctWidthMm = random.Uniform(100, 2000), line.DuctHeightMm = random.Uniform(9, 900);
    for (int i = random.Pick(kMaxLineLayers); i > 0; --i) {
        const bool k = random.Chance(); // the user material with its k-factor, or a named one
        line.Layers.push_back({k ? QStringLiteral("k-factor")
                                 : QString::fromStdString((*data.Materials)[random.Pick(3)].Name),
                               k ? random.Uniform(0.02f, 0.2f) : 0.036f, random.Uniform(5, 80)});
    }
    // Which layer is varied is kept with fixed layers only.
    line.Varied = !line.Layers.empty() && random.Chance() ? VariedLayer::Inner : VariedLayer::Outer;
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
    Line wide = Fixed(Cold(LineKind::Duct), 19);
    const float narrow = Compute(wide).HeatFlowPerUnit;
    wide.DuctWidthMm = 1200;
    EXPECT_GT(Compute(wide).HeatFlowPerUnit, narrow);
}

TEST(ProjectLayers, AVeryLargeSphereReadsAsAWall) {
    Line wall = Fixed(Cold(LineKind::Wall), 25);
    wall.Installation = LineInstallation::TypedH, wall.SurfaceCoefficient = 8;
    Line sphere = wall;
    sphere.Kind = LineKind::Sphere, sphere.DiameterMm = 200000;
    const double d = 200.05; // m, at the layer's surface
    const double perM2 = Compute(sphere).HeatFlowPerUnit / (std::numbers::pi * d * d);
    EXPECT_NEAR(perM2, Compute(wall).HeatFlowPerUnit, Compute(wall).HeatFlowPerUnit * 1e-3);
}

TEST(ProjectLayers, OneLayerSplitInTwoOfTheSameMaterialReadsAsOne) {
    for (const LineKind kind : {LineKind::Pipe, LineKind::Wall, LineKind::Duct}) {
        const Line single = Fixed(Cold(kind), 40);
        Line split = Fixed(single, 15);
        split.Layers = {FixedLayer{kFoam, 0.036f, 25}};
        const LineResult one = Compute(single), two = Compute(split);
        ASSERT_TRUE(one.HasFigures() && two.HasFigures()) << two.Status.toStdString();
        EXPECT_NEAR(one.SurfaceTemp, two.SurfaceTemp, 0.002) << KindText(kind).toStdString();
        EXPECT_NEAR(one.HeatFlowPerUnit, two.HeatFlowPerUnit, one.HeatFlowPerUnit * 1e-3);
    }
}

TEST(ProjectLayers, TwoLayerPipeDesignsItsOuterLayerOverTheInner) {
    const LineResult two = Compute(TwoLayerPipe(40));
    ASSERT_EQ(two.State, LineState::Ok) << two.Status.toStdString();
    EXPECT_TRUE(two.Product.isEmpty()); // the products fit the bare pipe, not the wool
    Line inner = TwoLayerPipe(13);
    inner.MediumTemp = 90, inner.Varied = VariedLayer::Inner;
    const LineResult own = Compute(inner);
    ASSERT_EQ(own.State, LineState::Ok) << own.Status.toStdString();
    EXPECT_TRUE(own.Product.startsWith(QStringLiteral("VELTRA AF"))) << own.Product.toStdString();
    // More wool inside lets the same foam run cooler: less heat through the line.
    EXPECT_LT(Compute(Fixed(TwoLayerPipe(60), 20)).HeatFlow,
              Compute(Fixed(TwoLayerPipe(20), 20)).HeatFlow);
}

TEST(ProjectLayers, AnInterfaceBeyondTheOuterMaterialsLimitIsNamed) {
    Line line = Fixed(TwoLayerPipe(10), 20);
    line.MediumTemp = 240;
    const LineResult fixed = Compute(line);
    EXPECT_EQ(fixed.State, LineState::FixedFails);
    EXPECT_TRUE(fixed.Status.contains(QStringLiteral("layer 2 (") + kFoam + u')'))
        << fixed.Status.toStdString();
    EXPECT_TRUE(fixed.Status.contains(QStringLiteral("hotter"))) << fixed.Status.toStdString();
    line.Mode = ThicknessMode::Automatic;
    const LineResult automatic = Compute(line);
    EXPECT_EQ(automatic.State, LineState::NoProduct);
    EXPECT_TRUE(automatic.Status.startsWith(QLatin1String(kNoProductText)));
    EXPECT_TRUE(automatic.Status.contains(QStringLiteral("layer 2"))) << fixed.Status.toStdString();
    // Enough wool inside keeps the foam within its limit.
    line.Layers[0].ThicknessMm = 120;
    EXPECT_EQ(Compute(line).State, LineState::Ok) << Compute(line).Status.toStdString();
}

TEST(ProjectLayers, FixedLayersAreCheckedByName) {
    Line missing = TwoLayerPipe(40);
    missing.Layers[0].Material = QStringLiteral("cork");
    EXPECT_EQ(Compute(missing).State, LineState::Missing);
    EXPECT_EQ(Compute(missing).Refused, LineField::Layers);
    Line many = TwoLayerPipe(40);
    many.Layers.assign(kMaxLineLayers, FixedLayer{kWool, 0.036f, 10});
    EXPECT_EQ(Compute(many).Refused, LineField::Layers);
    EXPECT_EQ(Compute(TwoLayerPipe(0)).Refused, LineField::Layers);
    Line duct = Cold(LineKind::Duct);
    duct.DuctHeightMm = 0;
    EXPECT_EQ(Compute(duct).Refused, LineField::DuctHeight);
}

TEST(ProjectLayers, BillOfMaterialsBuysEveryLayerWithItsWaste) {
    Project p;
    p.Settings.WasteAllowance = 10;
    p.Lines = {Fixed(TwoLayerPipe(40), 20), Fixed(TwoLayerPipe(40), 20),
               Fixed(Cold(LineKind::Duct), 20)};
    p.Lines[2].Layers = {FixedLayer{QStringLiteral("k-factor"), 0.05f, 30}};
    p.Lines[2].Varied = VariedLayer::Inner;
    const std::vector<BomItem> items =
        BillOfMaterials(p, ComputeProject(p, ProjectData::FromShared()));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].Product, kFoam + QStringLiteral(", 20 mm x 140.3 mm pipe"));
    EXPECT_EQ(items[1].Product, kWool + QStringLiteral(", 40 mm x 60.3 mm pipe"));
    EXPECT_EQ(items[1].Kind, LineKind::Pipe);
    EXPECT_EQ(items[1].Lines, 2);
    EXPECT_FLOAT_EQ(items[1].Quantity, 20);
    EXPECT_FLOAT_EQ(items[1].QuantityWithWaste, 22);
    // The duct's layers in m² at their mid surfaces: perimeter 2 m plus 8 × mid offset.
    EXPECT_EQ(items[2].Product, kFoam + QStringLiteral(", 20 mm sheet"));
    EXPECT_EQ(items[2].Kind, LineKind::Wall);
    EXPECT_FLOAT_EQ(items[2].Quantity, 25 * (2 + 8 * 0.010));
    EXPECT_EQ(items[3].Product, QStringLiteral("k=0.05, 30 mm sheet"));
    EXPECT_FLOAT_EQ(items[3].Quantity, 25 * (2 + 8 * 0.035));
    EXPECT_FLOAT_EQ(items[3].QuantityWithWaste, 25 * (2 + 8 * 0.035) * 1.1);
}

TEST(ProjectLayers, FileAndCsvKeepLayeredLines) {
    const ProjectData data = ProjectData::FromShared();
    for (unsigned seed = 1; seed <= 8; ++seed) {
        RandomLines random(seed);
        Project p;
        for (int i = 0; i < 30; ++i)
            p.Lines.push_back(RandomLayered(random, data));
        const QByteArray saved = ProjectToJson(p);
        EXPECT_TRUE(saved.contains("\"version\": 2"));
        const ProjectReading reading = ProjectFromJson(saved);
        ASSERT_TRUE(reading.Read) << reading.Error.toStdString();
        EXPECT_TRUE(*reading.Read == p) << "seed " << seed;
        EXPECT_EQ(ProjectToJson(*reading.Read), saved) << "seed " << seed;
        const CsvImport back = ImportLinesCsv(ExportLinesCsv(p, ComputeProject(p, data)));
        ASSERT_TRUE(back.Errors.empty()) << back.Errors.front().Reason.toStdString();
        EXPECT_TRUE(back.Lines == p.Lines) << "seed " << seed;
    }
    EXPECT_TRUE(ProjectToJson(RandomProject(1, 20)).contains("\"version\": 1"));
}

TEST(ProjectLayers, VersionOneFilesKnowNoLayers) {
    const QByteArray v1 =
        "{\"format\": \"termora-project\", \"version\": 1, \"lines\": [{\"kind\": "
        "\"pipe\", \"fixed_layers\": [{\"material\": \"x\"}]}]}";
    const ProjectReading old = ProjectFromJson(v1);
    ASSERT_TRUE(old.Read) << old.Error.toStdString();
    EXPECT_TRUE(old.Read->Lines[0].Layers.empty());
    QByteArray v2 = v1;
    v2.replace("\"version\": 1", "\"version\": 2");
    ASSERT_TRUE(ProjectFromJson(v2).Read);
    EXPECT_EQ(ProjectFromJson(v2).Read->Lines[0].Layers.size(), 1u);
    v2.replace("[{\"material\": \"x\"}]", "[3]");
    EXPECT_TRUE(ProjectFromJson(v2).Error.contains(QStringLiteral("\"fixed_layers\"")));
}

TEST(ProjectLayers, LayersTextReadsWhatEngineersType) {
    std::vector<FixedLayer> layers;
    ASSERT_EQ(SetLayersText(layers, QStringLiteral(" VELTRA MW mineral wool pipe section  50 ;"
                                                   "k=0,04 20.5;")),
              QString());
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_EQ(layers[0], (FixedLayer{kWool, 0.036f, 50}));
    EXPECT_EQ(layers[1], (FixedLayer{QStringLiteral("k-factor"), 0.04f, 20.5f}));
    EXPECT_EQ(LayersText(layers), kWool + QStringLiteral(" 50; k=0.04 20.5"));
    for (const char* bad : {"wool", "wool fifty", "k=x 20"}) {
        EXPECT_FALSE(SetLayersText(layers, QLatin1String(bad)).isEmpty()) << bad;
        EXPECT_EQ(layers.size(), 2u);
    }
    EXPECT_EQ(SetLayersText(layers, QString()), QString());
    EXPECT_TRUE(layers.empty());
}
