// What a project adds up to: its totals and the bill of materials.
#include <QHash>
#include <algorithm>
#include <cmath>

#include "engine/CheckedMath.h"
#include "project/NumberText.h"
#include "project/ProjectCompute.h"

using checked::Store;

namespace {
// Sums in double, stored as float once at the end.
struct Sums {
    double PipeLength = 0, WallArea = 0;
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

// Where no nominal product belongs to the row: the material, thickness and pipe size.
QString DescriptiveName(const Line& line, const LineResult& r) {
    QString name =
        line.Material + QStringLiteral(", ") + NumberText(r.ThicknessMm) + QStringLiteral(" mm");
    if (line.Kind == LineKind::Pipe)
        name += QStringLiteral(" x ") + NumberText(line.DiameterMm) + QStringLiteral(" mm pipe");
    else
        name += QStringLiteral(" sheet");
    return name;
}
} // namespace

ProjectTotals TotalsOf(const Project& project, const std::vector<LineResult>& results) {
    Sums s;
    ProjectTotals t;
    t.Lines = static_cast<int>(project.Lines.size());
    for (size_t i = 0; i < project.Lines.size(); ++i) {
        const Line& line = project.Lines[i];
        (line.Kind == LineKind::Pipe ? s.PipeLength : s.WallArea) += line.Extent;
        if (i >= results.size())
            continue;
        t.OkLines += results[i].State == LineState::Ok ? 1 : 0;
        if (results[i].HasFigures())
            s.Add(results[i]);
    }
    t.PipeLength = Store(s.PipeLength);
    t.WallArea = Store(s.WallArea);
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
    struct Sum {
        BomItem Item;
        double Quantity = 0, WithWaste = 0;
    };
    QHash<QString, Sum> sums;
    const size_t count = std::min(project.Lines.size(), results.size());
    for (size_t i = 0; i < count; ++i) {
        const Line& line = project.Lines[i];
        const LineResult& r = results[i];
        if (!r.HasFigures() || r.ThicknessMm <= 0)
            continue;
        const QString name = r.Product.isEmpty() ? DescriptiveName(line, r) : r.Product;
        const QString key = KindText(line.Kind) + u'\n' + name;
        Sum& sum = sums[key];
        sum.Item.Product = name;
        sum.Item.Kind = line.Kind;
        sum.Item.ThicknessMm = r.ThicknessMm;
        sum.Item.Lines += 1;
        const double waste = EffectiveSettings(line, project.Settings).WasteAllowance;
        sum.Quantity += line.Extent;
        sum.WithWaste += line.Extent * (1.0 + waste / 100.0);
    }
    std::vector<BomItem> items;
    for (Sum& sum : sums) {
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
