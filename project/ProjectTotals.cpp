// What a project adds up to: its totals and the bill of materials.
#include <QHash>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/CheckedMath.h"
#include "project/LineLayers.h"
#include "project/NumberText.h"
#include "project/ProjectCompute.h"

using checked::Store;

namespace {
// Sums in double, stored as float once at the end.
struct Sums {
    double PipeLength = 0, WallArea = 0, DuctLength = 0, Spheres = 0;
    double Loss = 0, Gain = 0, Energy = 0, Cost = 0, Co2 = 0;
    double BareLoss = 0, BareGain = 0, BareEnergy = 0, BareCost = 0, BareCo2 = 0;

    void Add(const LineResult& r) {
        (r.Gain ? Gain : Loss) += r.HeatFlow;
        (r.Gain ? BareGain : BareLoss) += r.BareHeatFlow;
        Energy += r.EnergyPerYear;
        Cost += r.CostPerYear;
        Co2 += r.Co2PerYear;
        BareEnergy += r.BareEnergyPerYear;
        BareCost += r.BareCostPerYear;
        BareCo2 += r.BareCo2PerYear;
    }
};

// The installed costs; the life's costs only while every line with figures has them.
struct CostSums {
    int Lines = 0;
    double Installed = 0, Life = 0, Present = 0;
    bool Whole = true;

    void Add(const LineResult& r) {
        if (r.InstalledCost)
            ++Lines, Installed += *r.InstalledCost;
        Whole = Whole && r.LifeCost && r.PresentValue;
        if (Whole)
            Life += *r.LifeCost, Present += *r.PresentValue;
    }
    void Into(ProjectTotals& t) const {
        t.CostedLines = Lines;
        t.InstalledCost = Store(Installed);
        if (Lines > 0 && Whole)
            t.LifeCost = Store(Life), t.PresentValue = Store(Present);
    }
};

double& ExtentSum(Sums& s, LineKind kind) {
    switch (kind) {
    case LineKind::Pipe:
        return s.PipeLength;
    case LineKind::Wall:
        return s.WallArea;
    case LineKind::Duct:
        return s.DuctLength;
    case LineKind::Sphere:
        break;
    }
    return s.Spheres;
}

// Where no nominal product belongs to a layer: the material, thickness and, for a pipe
// section, the diameter it is laid on (the pipe's, or over the layers inside it).
QString DescriptiveName(const Line& line, const QString& material, float thicknessMm,
                        double offsetMm) {
    QString name =
        material + QStringLiteral(", ") + NumberText(thicknessMm) + QStringLiteral(" mm");
    if (line.Kind != LineKind::Pipe)
        return name + QStringLiteral(" sheet");
    const float laidOn = Store(double{line.DiameterMm} + 2.0 * offsetMm);
    return name + QStringLiteral(" x ") + NumberText(laidOn) + QStringLiteral(" mm pipe");
}

// What a layer between offset and offset + thickness (mm) takes for the line: pipe sections
// in m, sheet in m² (a duct's and a sphere's taken at the layer's mid surface).
double LayerQuantity(const Line& line, double offsetMm, double thicknessMm) {
    const double mid = (offsetMm + thicknessMm / 2.0) / 1000.0;
    switch (line.Kind) {
    case LineKind::Pipe:
    case LineKind::Wall:
        return line.Extent;
    case LineKind::Duct:
        return line.Extent * (2.0 * (line.DuctWidthMm + line.DuctHeightMm) / 1000.0 + 8.0 * mid);
    case LineKind::Sphere:
        break;
    }
    const double d = line.DiameterMm / 1000.0 + 2.0 * mid;
    return line.Extent * std::numbers::pi * d * d;
}

struct BomSum {
    BomItem Item;
    double Quantity = 0, WithWaste = 0;
};

// The line's own layer (its product, or described) and its fixed layers, each to its item.
void AddLine(QHash<QString, BomSum>& sums, const Line& line, const LineResult& r, double waste) {
    const std::vector<FixedLayer> layers = AllLayers(line, r.ThicknessMm);
    const size_t own = line.Varied == VariedLayer::Inner ? 0 : layers.size() - 1;
    double offset = 0;
    for (size_t i = 0; i < layers.size(); ++i) {
        const FixedLayer& layer = layers[i];
        const double at = offset;
        offset += layer.ThicknessMm;
        if (layer.ThicknessMm <= 0)
            continue;
        QString name = i == own ? r.Product : QString();
        if (name.isEmpty())
            name = DescriptiveName(line, i == own ? line.Material : LayerMaterialText(layer),
                                   layer.ThicknessMm, at);
        const LineKind unit = line.Kind == LineKind::Pipe ? LineKind::Pipe : LineKind::Wall;
        BomSum& sum = sums[KindText(unit) + u'\n' + name];
        sum.Item.Product = name;
        sum.Item.Kind = unit;
        sum.Item.ThicknessMm = layer.ThicknessMm;
        sum.Item.Lines += 1;
        const double quantity = LayerQuantity(line, at, layer.ThicknessMm);
        sum.Quantity += quantity;
        sum.WithWaste += quantity * (1.0 + waste / 100.0);
    }
}
} // namespace

ProjectTotals TotalsOf(const Project& project, const std::vector<LineResult>& results) {
    Sums s;
    CostSums costs;
    ProjectTotals t;
    t.Lines = static_cast<int>(project.Lines.size());
    for (size_t i = 0; i < project.Lines.size(); ++i) {
        const Line& line = project.Lines[i];
        ExtentSum(s, line.Kind) += line.Extent;
        if (i >= results.size())
            continue;
        t.OkLines += results[i].State == LineState::Ok ? 1 : 0;
        if (results[i].HasFigures())
            s.Add(results[i]), costs.Add(results[i]);
    }
    costs.Into(t);
    t.PipeLength = Store(s.PipeLength);
    t.WallArea = Store(s.WallArea);
    t.DuctLength = Store(s.DuctLength);
    t.Spheres = Store(s.Spheres);
    t.HeatLoss = Store(s.Loss);
    t.HeatGain = Store(s.Gain);
    t.EnergyPerYear = Store(s.Energy);
    t.CostPerYear = Store(s.Cost);
    t.Co2PerYear = Store(s.Co2);
    t.BareHeatLoss = Store(s.BareLoss);
    t.BareHeatGain = Store(s.BareGain);
    t.BareEnergyPerYear = Store(s.BareEnergy);
    t.BareCostPerYear = Store(s.BareCost);
    t.BareCo2PerYear = Store(s.BareCo2);
    return t;
}

std::vector<BomItem> BillOfMaterials(const Project& project,
                                     const std::vector<LineResult>& results) {
    QHash<QString, BomSum> sums;
    const size_t count = std::min(project.Lines.size(), results.size());
    for (size_t i = 0; i < count; ++i) {
        const Line& line = project.Lines[i];
        if (results[i].HasFigures() && results[i].ThicknessMm > 0)
            AddLine(sums, line, results[i],
                    EffectiveSettings(line, project.Settings).WasteAllowance);
    }
    std::vector<BomItem> items;
    for (BomSum& sum : sums) {
        sum.Item.Quantity = Store(sum.Quantity);
        sum.Item.QuantityWithWaste = Store(sum.WithWaste);
        items.push_back(sum.Item);
    }
    std::sort(items.begin(), items.end(), [](const BomItem& a, const BomItem& b) {
        if (a.Kind != b.Kind)
            return a.Kind == LineKind::Pipe;
        return a.Product < b.Product;
    });
    return items;
}
