// One line as one thickness table job: the job's inputs from the line, the rows of the
// nominal products that fit it, and the table's chosen row as the answer.
#include "project/ProjectCompute.h"

#include <QtConcurrent/QtConcurrentMap>
#include <cmath>

#include "config/JobBounds.h"
#include "engine/CalcFrame.h"
#include "engine/CheckedMath.h"
#include "engine/Errors.h"
#include "engine/ThicknessTable.h"
#include "project/LineChecks.h"
#include "project/NominalThicknesses.h"

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
    const int cladding = data.CladdingIndex(line.Cladding);
    m.Emissivity = cladding >= 0 ? (*data.Claddings)[static_cast<size_t>(cladding)].Emissivity
                                 : line.Emissivity;
    if (line.Kind == LineKind::Wall)
        m.SheetHeight = line.WallHeight;
    return m;
}

ThicknessTableInputs JobOf(const Line& line, const ProjectSettings& s, const ProjectData& data) {
    const MaterialEntry& material =
        (*data.Materials)[static_cast<size_t>(data.MaterialIndex(line.Material))];
    ThicknessTableInputs in;
    in.Pipe = line.Kind == LineKind::Pipe;
    in.AmbientTemp = line.AmbientTemp;
    in.MediumTemp = line.MediumTemp;
    if (in.Pipe)
        in.TubeDiameter = MillimetresToMetres(line.DiameterMm);
    in.Law = material.Lambda0 == kKFactorMark
                 ? ConductivityLaw{line.KFactor, 0}
                 : ConductivityLaw{material.Lambda0, material.LambdaSlope};
    in.RelHumidity = line.RelHumidity;
    in.Coefficient = CoefficientOf(line, data);
    in.BareEmissivity = data.BareEmissivity;
    in.Extent = line.Extent;
    in.CostPerKWh = s.EnergyPrice;
    in.HoursPerYear = s.HoursPerYear;
    in.Co2PerKWh = s.Co2PerKWh;
    in.SurfaceTempLimit = line.SurfaceTempLimit;
    in.MaxHeatFlow = line.MaxHeatFlow;
    return in;
}

LineResult Refusal(LineState state, const QString& status, std::optional<LineField> field) {
    LineResult r;
    r.State = state;
    r.Status = status;
    r.Refused = field;
    return r;
}

void SetFigures(LineResult& r, const ThicknessTable& table, int chosen) {
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

LineResult ComputeJob(const Line& line, ThicknessTableInputs& in, const ProjectData& data) {
    const TToleranceTable* nominal = in.Pipe ? data.PipeTable : data.SheetTable;
    const bool automatic = line.Mode == ThicknessMode::Automatic;
    if (automatic) {
        in.ThicknessesMm = NominalThicknessesMm(nominal, in.Pipe, line.DiameterMm, line.Material);
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
    const ThicknessTable table = BuildThicknessTable(in, nominal);
    LineResult r;
    if (automatic) {
        int chosen = table.Chosen;
        // Nothing asks for insulation: the thinnest product is still what is fitted.
        if (chosen == 0 && table.Rows.size() > 1 && table.Rows[1].MeetsCriteria)
            chosen = 1;
        if (chosen <= 0)
            return Refusal(LineState::NoProduct, QLatin1String(kNoProductText), std::nullopt);
        SetFigures(r, table, chosen);
        if (!nominal || !TableOfMaterial(*nominal, line.Material))
            r.Product.clear(); // the nominal products are made of another material
        return r;
    }
    SetFigures(r, table, 1);
    if (!line.FixedProduct.isEmpty())
        r.Product = line.FixedProduct;
    if (!table.Rows[1].MeetsCriteria) {
        r.State = LineState::FixedFails;
        r.Status = MissedCriterion(in, table, table.Rows[1]);
    }
    return r;
}

QString ColdWarning(const Line& line, const ProjectData& data) {
    const int index = data.MaterialIndex(line.Material);
    const float lowest = (*data.Materials)[static_cast<size_t>(index)].MinTemp;
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
        LineResult r = ComputeJob(line, in, data);
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
