#pragma once
// A typical line, and random lines of every kind with the inputs the file keeps.
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <random>

#include "project/ProjectCompute.h"
#include "project/ProjectData.h"

inline const QString kFoam = QStringLiteral("VELTRA AF elastomeric foam");
inline const QString kWool = QStringLiteral("VELTRA MW mineral wool pipe section");

inline Line ChilledWaterPipe() {
    Line line;
    line.Tag = QStringLiteral("CHW-1"), line.DiameterMm = 60.3f, line.Extent = 40;
    line.MediumTemp = 6, line.AmbientTemp = 25, line.RelHumidity = 70;
    line.Cladding = QStringLiteral("PVC jacket"), line.Material = kFoam;
    return line;
}

inline LineResult Compute(const Line& line, const ProjectSettings& settings = {}) {
    return ComputeLine(line, settings, ProjectData::FromShared());
}
inline std::vector<LineResult> Computed(const Project& p) {
    return ComputeProject(p, ProjectData::FromShared());
}
inline QString ShippedExample() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/example.termora");
}
inline QByteArray Bytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RandomLines {
public:
    explicit RandomLines(unsigned seed) : gen_(seed) {}

    float Uniform(float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(gen_);
    }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(gen_); }
    bool Chance() { return Pick(2) == 0; }

    // Tags with what a spreadsheet quotes; economics drawn only when asked, so that the lines
    // without them stay as they were.
    Line Next(const ProjectData& data, bool layered = false, bool economics = false) {
        static const QStringList tags =
            QStringLiteral("CHW|a,b|x;y|say \"hi\"|two\nlines| pad |Ü-ß°|\t||R-12|=1+2|@x|-dash")
                .split(u'|');
        Line line;
        line.Tag = tags[Pick(tags.size())] + QString::number(Pick(1000));
        line.Kind = static_cast<LineKind>(Pick(layered ? 4 : 2));
        if (line.Kind == LineKind::Pipe || line.Kind == LineKind::Sphere)
            line.DiameterMm = Uniform(6, 200);
        if (line.Kind == LineKind::Duct)
            line.DuctWidthMm = Uniform(100, 2000), line.DuctHeightMm = Uniform(9, 900);
        line.Extent = Uniform(0.5f, 500), line.AmbientTemp = Uniform(-10, 35);
        line.MediumTemp = Uniform(-40, 100),
        line.RelHumidity = Uniform(line.Kind == LineKind::Wall ? 10 : 30, 85);
        SetSurface(line, data);
        line.Material = Name(*data.Materials, 2);
        if (Chance())
            line.MaxHeatFlow = Uniform(10, 60);
        if (Chance())
            line.SurfaceTempLimit = Uniform(40, 60);
        if (Pick(4) == 0)
            line.Mode = ThicknessMode::Fixed, line.FixedThicknessMm = Uniform(5, 100);
        if (Pick(4) == 0)
            line.WasteAllowance = Uniform(0, 30);
        if (Pick(4) == 0)
            line.EnergyPrice = Uniform(0.02f, 0.4f);
        for (int i = layered ? Pick(kMaxLineLayers) : 0; i > 0; --i) {
            const bool k = Chance(); // the user material with its k-factor, or a named one
            line.Layers.push_back({k ? QStringLiteral("k-factor") : Name(*data.Materials, 3),
                                   k ? Uniform(0.02f, 0.2f) : 0.036f, Uniform(5, 80)});
        }
        // Which layer is varied is kept with fixed layers only.
        line.Varied = !line.Layers.empty() && Chance() ? VariedLayer::Inner : VariedLayer::Outer;
        if (economics)
            AddEconomics(line);
        return line;
    }

    // Costs for some default and nominal thicknesses (and a fixed one); own life economics.
    void AddEconomics(Line& line) {
        for (float mm : {6.f, 9.f, 13.f, 19.f, 25.f, 30.f, 32.f, 40.f, 50.f, 60.f, 80.f, 100.f})
            if (Chance())
                line.InstalledCosts[mm] = Uniform(0, 300);
        if (line.Mode == ThicknessMode::Fixed && Pick(4) != 0)
            line.InstalledCosts[line.FixedThicknessMm] = Uniform(0, 300);
        for (auto* own : {&line.LifeYears, &line.InterestRatePercent, &line.PriceIncreasePercent})
            if (Chance())
                *own = Uniform(0, 12);
    }

private:
    template <class List> QString Name(const List& list, int among) {
        return QString::fromStdString(list[Pick(among)].Name);
    }

    void SetSurface(Line& line, const ProjectData& data) {
        line.Installation = static_cast<LineInstallation>(Pick(3));
        if (line.Installation == LineInstallation::TypedH) {
            line.SurfaceCoefficient = Uniform(2, 40);
            return;
        }
        const bool oriented = line.Kind == LineKind::Pipe || line.Kind == LineKind::Duct;
        if (line.Installation == LineInstallation::Outdoors)
            line.WindSpeed = Uniform(0.5f, 9);
        else if (oriented && Chance())
            line.Orientation = LineOrientation::Vertical;
        if (line.Kind == LineKind::Wall)
            line.WallHeight = Uniform(0.3f, 5);
        if (Chance())
            line.Cladding = Name(*data.Claddings, 3);
        else
            line.Emissivity = Uniform(0.05f, 0.95f);
    }

    std::mt19937 gen_;
};

inline Project RandomProject(unsigned seed, int lines, bool layered = false,
                             bool economics = false) {
    const ProjectData data = ProjectData::FromShared();
    RandomLines random(seed);
    Project p;
    p.Title = {QStringLiteral("Plant \"A\""), QStringLiteral("Client, Ltd."),
               QStringLiteral("Ü. Engineer"), QStringLiteral("2026-12-10")};
    p.Settings.EnergyPrice = 0.13f;
    for (int i = 0; i < lines; ++i)
        p.Lines.push_back(random.Next(data, layered, economics));
    if (economics && random.Chance())
        p.Settings.LifeYears = random.Uniform(1, 30),
        p.Settings.InterestRatePercent = random.Uniform(0, 8),
        p.Settings.PriceIncreasePercent = random.Uniform(-2, 8);
    return p;
}
