#include "projectprint/SchedulePrint.h"

#include <QBuffer>
#include <QPdfWriter>

#include "config/Uutils.h"
#include "project/ProjectCsv.h"
#include "project/ProjectFile.h"
#include "projectprint/ScheduleLayout.h"

namespace {
// Relative widths of the line table's columns; they add up to 1.
const std::vector<double> kLineWidths{0.10, 0.04, 0.05, 0.06, 0.05, 0.05, 0.09, 0.06,
                                      0.11, 0.05, 0.06, 0.06, 0.06, 0.05, 0.05, 0.06};
const std::vector<double> kBomWidths{0.46, 0.08, 0.1, 0.08, 0.14, 0.14};
const std::vector<double> kTotalWidths{0.4, 0.2, 0.2, 0.2};

QString Figure(const LineResult& r, float value, int decimals) {
    return r.HasFigures() ? FormatFloat(value, decimals) : QString();
}

QString Size(const Line& line) {
    switch (line.Kind) {
    case LineKind::Pipe:
    case LineKind::Sphere:
        return FormatFloat(line.DiameterMm, 1);
    case LineKind::Duct:
        return FormatFloat(line.DuctWidthMm, 1) + QStringLiteral(" x ") +
               FormatFloat(line.DuctHeightMm, 1) + QStringLiteral(" mm");
    case LineKind::Wall:
        break;
    }
    return QStringLiteral("-");
}

// Pipes and ducts run in metres, walls spread in m², spheres are counted.
QString Extent(const Line& line) {
    switch (line.Kind) {
    case LineKind::Pipe:
    case LineKind::Duct:
        return FormatFloat(line.Extent, 2) + QStringLiteral(" m");
    case LineKind::Sphere:
        return FormatFloat(line.Extent, 2) + QStringLiteral(" pcs");
    case LineKind::Wall:
        break;
    }
    return FormatFloat(line.Extent, 2) + QStringLiteral(" m²");
}

QString FlowPerUnit(const LineResult& r) {
    if (!r.HasFigures())
        return {};
    return (r.Gain ? QStringLiteral("gain ") : QStringLiteral("loss ")) +
           FormatFloat(r.HeatFlowPerUnit, 2);
}

void AddTitle(ScheduleLayout& layout, const TitleBlock& t) {
    layout.Heading(QStringLiteral("Insulation schedule"));
    layout.Pairs({{QStringLiteral("Project"), t.ProjectName},
                  {QStringLiteral("Client"), t.Client},
                  {QStringLiteral("Engineer"), t.Engineer},
                  {QStringLiteral("Date"), t.Date}});
}

void AddCostTotals(ScheduleLayout& layout, const ProjectTotals& t) {
    auto money = [](const std::optional<float>& value) {
        return value ? FormatFloat(*value, 2) : QStringLiteral("-");
    };
    layout.Row({QStringLiteral("Installed cost (lines)"),
                QStringLiteral("%1 (%2)").arg(FormatFloat(t.InstalledCost, 2)).arg(t.CostedLines),
                QString(), QString()});
    layout.Row({QStringLiteral("Life cost"), money(t.LifeCost), QString(), QString()});
    layout.Row({QStringLiteral("Present value"), money(t.PresentValue), QString(), QString()});
}

void AddTotals(ScheduleLayout& layout, const ProjectTotals& t) {
    layout.Heading(QStringLiteral("Totals"));
    layout.Table(kTotalWidths, {QString(), QStringLiteral("Insulated"), QStringLiteral("Bare"),
                                QStringLiteral("Saved")});
    auto row = [&](const QString& name, float insulated, float bare, int decimals) {
        layout.Row({name, FormatFloat(insulated, decimals), FormatFloat(bare, decimals),
                    FormatFloat(bare - insulated, decimals)});
    };
    layout.Row({QStringLiteral("Lines (of which ok)"),
                QStringLiteral("%1 (%2)").arg(t.Lines).arg(t.OkLines), QString(), QString()});
    layout.Row(
        {QStringLiteral("Pipe length (m)"), FormatFloat(t.PipeLength, 2), QString(), QString()});
    layout.Row(
        {QStringLiteral("Wall area (m²)"), FormatFloat(t.WallArea, 2), QString(), QString()});
    layout.Row(
        {QStringLiteral("Duct length (m)"), FormatFloat(t.DuctLength, 2), QString(), QString()});
    layout.Row({QStringLiteral("Spheres"), FormatFloat(t.Spheres, 2), QString(), QString()});
    row(QStringLiteral("Heat loss (W)"), t.HeatLoss, t.BareHeatLoss, 1);
    row(QStringLiteral("Heat gain (W)"), t.HeatGain, t.BareHeatGain, 1);
    row(QStringLiteral("Energy per year (kWh)"), t.EnergyPerYear, t.BareEnergyPerYear, 0);
    row(QStringLiteral("Cost per year"), t.CostPerYear, t.BareCostPerYear, 2);
    row(QStringLiteral("CO2 per year (kg)"), t.Co2PerYear, t.BareCo2PerYear, 0);
    AddCostTotals(layout, t);
}

void AddBom(ScheduleLayout& layout, const std::vector<BomItem>& items) {
    layout.Heading(QStringLiteral("Bill of materials"));
    layout.Table(kBomWidths,
                 {QStringLiteral("Product"), QStringLiteral("Kind"),
                  QStringLiteral("Thickness (mm)"), QStringLiteral("Lines"),
                  QStringLiteral("Quantity (m or m²)"), QStringLiteral("With waste (m or m²)")});
    for (const BomItem& item : items)
        layout.Row(BomCells(item));
}
} // namespace

QStringList ScheduleHeaders() {
    return {QStringLiteral("Tag"),
            QStringLiteral("Kind"),
            QStringLiteral("Size (mm)"),
            QStringLiteral("Length / area"),
            QStringLiteral("Medium (°C)"),
            QStringLiteral("Ambient (°C)"),
            QStringLiteral("Material"),
            QStringLiteral("Thickness (mm)"),
            QStringLiteral("Product"),
            QStringLiteral("Surface (°C)"),
            QStringLiteral("W/m or W/m²"),
            QStringLiteral("Heat flow (W)"),
            QStringLiteral("kWh per year"),
            QStringLiteral("Cost per year"),
            QStringLiteral("Installed cost"),
            QStringLiteral("Status")};
}

QStringList ScheduleCells(const Line& line, const LineResult& r) {
    return {line.Tag,
            KindText(line.Kind),
            Size(line),
            Extent(line),
            FormatFloat(line.MediumTemp, 1),
            FormatFloat(line.AmbientTemp, 1),
            line.Material,
            Figure(r, r.ThicknessMm, 1),
            r.Product,
            Figure(r, r.SurfaceTemp, 1),
            FlowPerUnit(r),
            Figure(r, r.HeatFlow, 1),
            Figure(r, r.EnergyPerYear, 0),
            Figure(r, r.CostPerYear, 2),
            r.InstalledCost ? FormatFloat(*r.InstalledCost, 2) : QString(),
            r.Status};
}

int DrawSchedule(QPagedPaintDevice& device, const Project& project,
                 const std::vector<LineResult>& results) {
    ScheduleLayout layout(device, project.Title.ProjectName);
    AddTitle(layout, project.Title);
    layout.Heading(QStringLiteral("Lines"));
    layout.Table(kLineWidths, ScheduleHeaders());
    for (size_t i = 0; i < project.Lines.size() && i < results.size(); ++i)
        layout.Row(ScheduleCells(project.Lines[i], results[i]));
    AddTotals(layout, TotalsOf(project, results));
    AddBom(layout, BillOfMaterials(project, results));
    return layout.Draw();
}

QString WriteSchedulePdf(const Project& project, const std::vector<LineResult>& results,
                         const QString& fileName) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        pdf.setTitle(QStringLiteral("Insulation schedule ") + project.Title.ProjectName);
        pdf.setCreator(QStringLiteral("Termora"));
        DrawSchedule(pdf, project, results);
    }
    return WriteFileAtomically(fileName, bytes);
}
