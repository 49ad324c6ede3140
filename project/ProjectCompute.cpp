// One line as one thickness table job: the job's inputs from the line, the rows of the
// nominal products that fit it, and the table's chosen row as the answer.
#include "project/ProjectCompute.h"

#include <QtConcurrent/QtConcurrentMap>
#include <cmath>

#include "config/JobBounds.h"
#include "engine/CalcFrame.h"
#include "engine/CheckedMath.h"
#include "engine/Errors.h"
#include "engine/NominalTable.h"
#include "engine/ThicknessTable.h"
#include "engine/Ucalc.h"
#include "project/LineChecks.h"
#include "project/NominalThicknesses.h"
#include "project/ProjectLayered.h"

using checked::Store;

namespace {
SurfaceCoefficientModel CoefficientOf(const Line& line, const ProjectData& data) {
    SurfaceCoefficientModel m;
    if (line.Installation == LineInstallation::TypedH) {
        m.Typed = line.SurfaceCoefficient;
        return m;
    }
    m.Computed = true;
    m.Outside = line.Installation == LineInstallation::Outdoors;
    m.Horizontal = line.Orientation == LineOrientation::Horizontal;
    m.WindSpeed = m.Outside ? line.WindSpeed : 0.0f;
    const CladdingEntry* cladding = data.CladdingNamed(line.Cladding);
    m.Emissivity = cladding ? cladding->Emissivity : line.Emissivity;
    if (line.Kind == LineKind::Wall)
        m.SheetHeight = line.WallHeight;
    return m;
}

ThicknessTableInputs JobOf(const Line& line, const ProjectSettings& s, const ProjectData& data) {
    const MaterialEntry& material = *data.MaterialNamed(line.Material);
    ThicknessTableInputs in;
    in.Pipe = line.Kind == LineKind::Pipe;
    in.AmbientTemp = line.AmbientTemp;
    in.MediumTemp = line.MediumTemp;
    if (in.Pipe)
        in.TubeDiameter = MillimetresToMetres(line.DiameterMm);
    in.Law = ConductivityLawOf(material, line.KFactor);
    in.RelHumidity = line.RelHumidity;
    in.Coefficient = CoefficientOf(line, data);
    in.BareEmissivity = data.BareEmissivity;
    in.Extent = line.Extent;
    in.CostPerKWh = s.EnergyPrice;
    in.HoursPerYear = s.HoursPerYear;
    in.Co2PerKWh = s.Co2PerKWh;
    in.SurfaceTempLimit = line.SurfaceTempLimit;
    in.MaxHeatFlow = line.MaxHeatFlow;
    // As the table reads its percent fields.
    in.LifeYears = s.LifeYears;
    in.InterestRate = s.InterestRatePercent * 0.01f;
    in.PriceIncrease = s.PriceIncreasePercent * 0.01f;
    return in;
}

LineResult Refusal(LineState state, const QString& status, std::optional<LineField> field) {
    LineResult r;
    r.State = state;
    r.Status = status;
    r.Refused = field;
    return r;
}

// The row's economics, as the table shows them beside its typed installed cost.
void SetEconomics(LineResult& r, const ThicknessTableInputs& in, const ThicknessRow& row,
                  int chosen) {
    const auto listed = static_cast<size_t>(chosen - 1);
    if (listed >= in.InstalledCost.size() || !in.InstalledCost[listed])
        return;
    r.InstalledCost = Store(double{*in.InstalledCost[listed]} * in.Extent);
    r.PaybackYears = row.PaybackYears;
    r.LifeCost = row.LifeCost;
    r.PresentValue = row.PresentValue;
}

void SetFigures(LineResult& r, const ThicknessTableInputs& in, const ThicknessTable& table,
                int chosen) {
    const ThicknessRow& row = table.Rows[static_cast<size_t>(chosen)];
    const ThicknessRow& bare = table.Rows.front();
    r.ThicknessMm = Store(double{row.Thickness} * 1000.0);
    r.Product = QString::fromStdString(row.Product);
    r.SurfaceTemp = row.SurfaceTemp;
    r.Gain = row.HeatFlowPerUnit > 0;
    r.HeatFlowPerUnit = std::fabs(row.HeatFlowPerUnit);
    r.HeatFlow = std::fabs(row.HeatFlow);
    r.EnergyPerYear = row.EnergyPerYear;
    r.CostPerYear = row.CostPerYear;
    r.Co2PerYear = row.Co2PerYear;
    r.Saving = row.Saving;
    r.BareHeatFlow = std::fabs(bare.HeatFlow);
    r.BareEnergyPerYear = bare.EnergyPerYear;
    r.BareCostPerYear = bare.CostPerYear;
    r.BareCo2PerYear = bare.Co2PerYear;
    SetEconomics(r, in, row, chosen);
}

// The first criterion the row misses, for a fixed thickness.
QString MissedCriterion(const ThicknessTableInputs& in, const ThicknessTable& table,
                        const ThicknessRow& row) {
    if (row.SurfaceTemp < table.Criteria.DewPoint)
        return QStringLiteral("the fixed thickness lets the surface condense");
    if (in.SurfaceTempLimit && in.MediumTemp > *in.SurfaceTempLimit &&
        row.SurfaceTemp > *in.SurfaceTempLimit)
        return QStringLiteral("the fixed thickness exceeds the surface temperature limit");
    return QStringLiteral("the fixed thickness exceeds the maximum heat flow");
}

// The thicknesses the job lists; a refusal when the fixed product is not in the table.
std::optional<LineResult> ListThicknesses(const Line& line, ThicknessTableInputs& in,
                                          const TToleranceTable* nominal) {
    if (line.Mode == ThicknessMode::Automatic) {
        in.ThicknessesMm = NominalThicknessesMm(nominal, line.Kind == LineKind::Pipe,
                                                line.DiameterMm, line.Material);
    } else if (!line.FixedProduct.isEmpty()) {
        const std::optional<float> mm = ProductThicknessMm(nominal, line.FixedProduct);
        if (!mm)
            return Refusal(
                LineState::Missing,
                QStringLiteral("product \"%1\" is not in the nominal table").arg(line.FixedProduct),
                LineField::Thickness);
        in.ThicknessesMm = {*mm};
    } else {
        in.ThicknessesMm = {line.FixedThicknessMm};
    }
    // The costs typed for the listed thicknesses.
    for (float mm : in.ThicknessesMm) {
        const auto cost = line.InstalledCosts.find(mm);
        in.InstalledCost.push_back(
            cost == line.InstalledCosts.end() ? std::nullopt : std::optional<float>(cost->second));
    }
    return std::nullopt;
}

// The table's answer for the line; chosen is set to the row the figures are of, -1 for none.
LineResult Answer(const Line& line, const ThicknessTableInputs& in, const ThicknessTable& table,
                  const TToleranceTable* nominal, int& chosen) {
    LineResult r;
    chosen = -1;
    if (line.Mode == ThicknessMode::Automatic) {
        int row = table.Chosen;
        // Nothing asks for insulation: the thinnest product is still what is fitted.
        if (row == 0 && table.Rows.size() > 1 && table.Rows[1].MeetsCriteria)
            row = 1;
        if (row <= 0)
            return Refusal(LineState::NoProduct, QLatin1String(kNoProductText), std::nullopt);
        SetFigures(r, in, table, chosen = row);
        if (!nominal || !TableBelongsTo(*nominal, line.Material.toStdString()))
            r.Product.clear(); // the nominal products are made of another material
        return r;
    }
    SetFigures(r, in, table, chosen = 1);
    if (!line.FixedProduct.isEmpty())
        r.Product = line.FixedProduct;
    if (!table.Rows[1].MeetsCriteria) {
        r.State = LineState::FixedFails;
        r.Status = MissedCriterion(in, table, table.Rows[1]);
    }
    return r;
}

LineResult ComputeJob(const Line& line, ThicknessTableInputs& in, const ProjectData& data) {
    const TToleranceTable* nominal = NominalTableOf(line, data);
    if (std::optional<LineResult> refused = ListThicknesses(line, in, nominal))
        return *refused;
    int chosen = -1;
    return Answer(line, in, BuildThicknessTable(in, nominal), nominal, chosen);
}

// The row whose layers a status names: the answer's, or the thickest where none meets.
const LayeredSolution& LimitsRow(const LayeredTable& t, int chosen) {
    if (chosen > 0)
        return t.Solutions[static_cast<size_t>(chosen)];
    size_t thickest = 0;
    for (size_t i = 1; i < t.Table.Rows.size(); ++i)
        if (t.Table.Rows[i].Thickness > t.Table.Rows[thickest].Thickness)
            thickest = i;
    return t.Solutions[thickest];
}

// A layered line: its own layer as the table's varied one; a layer beyond its material's
// limits is named in the status.
LineResult ComputeLayeredJob(const Line& line, ThicknessTableInputs& in, const ProjectData& data) {
    const TToleranceTable* nominal = NominalTableOf(line, data);
    if (std::optional<LineResult> refused = ListThicknesses(line, in, nominal))
        return *refused;
    const LayeredTable t = BuildLayeredTable(LayeredJobOf(line, in, data), nominal);
    int chosen = -1;
    LineResult r = Answer(line, in, t.Table, nominal, chosen);
    const LayeredSolution& row = LimitsRow(t, chosen);
    const QString beyond = row.Interfaces.empty() ? QString() : BeyondLimitsText(line, row);
    if (beyond.isEmpty())
        return r;
    // No thickness of the own layer helps a layer beyond its limits: none is chosen.
    if (line.Mode == ThicknessMode::Automatic)
        return Refusal(LineState::NoProduct,
                       QLatin1String(kNoProductText) + QStringLiteral(": ") + beyond, std::nullopt);
    r.State = LineState::FixedFails;
    r.Status = beyond;
    return r;
}

QString ColdWarning(const Line& line, const ProjectData& data) {
    const float lowest = data.MaterialNamed(line.Material)->MinTemp;
    if (lowest > line.AmbientTemp || lowest > line.MediumTemp)
        return kTooColdForMaterialText;
    return {};
}
} // namespace

LineResult ComputeLine(const Line& line, const ProjectSettings& settings, const ProjectData& data) {
    const ProjectSettings s = EffectiveSettings(line, settings);
    if (const std::optional<LineRefusal> refusal = CheckLine(line, s, data)) {
        const LineState state = refusal->Missing ? LineState::Missing : LineState::Refused;
        const QString status =
            refusal->Missing ? refusal->Message
                             : FieldName(refusal->Field) + QStringLiteral(": ") + refusal->Message;
        return Refusal(state, status, refusal->Field);
    }
    ThicknessTableInputs in = JobOf(line, s, data);
    try {
        LineResult r =
            IsLayered(line) ? ComputeLayeredJob(line, in, data) : ComputeJob(line, in, data);
        r.Warning = ColdWarning(line, data);
        return r;
    } catch (const TermoraError& e) {
        return Refusal(LineState::Failed, QString::fromStdString(e.what()), std::nullopt);
    }
}

QFuture<LineResult> StartComputeProject(const Project& project, const ProjectData& data) {
    const ProjectSettings settings = project.Settings;
    std::vector<Line> lines = project.Lines;
    return QtConcurrent::mapped(std::move(lines), [settings, data](const Line& line) {
        return ComputeLine(line, settings, data);
    });
}

std::vector<LineResult> ComputeProject(const Project& project, const ProjectData& data) {
    const ProjectSettings& settings = project.Settings;
    std::function<LineResult(const Line&)> compute = [&](const Line& line) {
        return ComputeLine(line, settings, data);
    };
    return QtConcurrent::blockingMapped<std::vector<LineResult>>(project.Lines, compute);
}
