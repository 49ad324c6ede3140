#include "projectwin/ProjectSummary.h"

#include <QStandardItemModel>

#include "config/Uutils.h"
#include "project/ProjectCsv.h"
#include "project/ProjectData.h"

namespace {
void SetRows(QStandardItemModel& model, const QStringList& headers,
             const std::vector<QStringList>& rows) {
    model.clear();
    model.setHorizontalHeaderLabels(headers);
    for (const QStringList& row : rows) {
        QList<QStandardItem*> items;
        for (const QString& cell : row) {
            auto* item = new QStandardItem(cell);
            item->setEditable(false);
            items << item;
        }
        model.appendRow(items);
    }
}
// "-" where not every line has an installed cost.
QString Money(const std::optional<float>& value) {
    return value ? FormatFloat(*value, 2) : QStringLiteral("-");
}
} // namespace

void FillTotals(QStandardItemModel& model, const Project& project,
                const std::vector<LineResult>& results) {
    const ProjectTotals t = TotalsOf(project, results);
    const std::vector<QStringList> rows{
        {QStringLiteral("Lines (ok)"), QStringLiteral("%1 (%2)").arg(t.Lines).arg(t.OkLines), {}},
        {QStringLiteral("Pipe length (m)"), FormatFloat(t.PipeLength, 2), {}},
        {QStringLiteral("Wall area (m²)"), FormatFloat(t.WallArea, 2), {}},
        {QStringLiteral("Duct length (m)"), FormatFloat(t.DuctLength, 2), {}},
        {QStringLiteral("Spheres"), FormatFloat(t.Spheres, 2), {}},
        {QStringLiteral("Heat loss (W)"), FormatFloat(t.HeatLoss, 1),
         FormatFloat(t.BareHeatLoss, 1)},
        {QStringLiteral("Heat gain (W)"), FormatFloat(t.HeatGain, 1),
         FormatFloat(t.BareHeatGain, 1)},
        {QStringLiteral("Energy per year (kWh)"), FormatFloat(t.EnergyPerYear, 0),
         FormatFloat(t.BareEnergyPerYear, 0)},
        {QStringLiteral("Cost per year"), FormatFloat(t.CostPerYear, 2),
         FormatFloat(t.BareCostPerYear, 2)},
        {QStringLiteral("CO2 per year (kg)"), FormatFloat(t.Co2PerYear, 0),
         FormatFloat(t.BareCo2PerYear, 0)},
        {QStringLiteral("Installed cost (lines)"),
         QStringLiteral("%1 (%2)").arg(FormatFloat(t.InstalledCost, 2)).arg(t.CostedLines),
         {}},
        {QStringLiteral("Life cost"), Money(t.LifeCost), {}},
        {QStringLiteral("Present value"), Money(t.PresentValue), {}},
    };
    SetRows(model, {QStringLiteral("Total"), QStringLiteral("Insulated"), QStringLiteral("Bare")},
            rows);
}

void FillBom(QStandardItemModel& model, const Project& project,
             const std::vector<LineResult>& results) {
    std::vector<QStringList> rows;
    for (const BomItem& item : BillOfMaterials(project, results))
        rows.push_back(BomCells(item));
    SetRows(model, BomHeaders(), rows);
}
