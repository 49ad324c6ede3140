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

QString Number(float value, int decimals) {
    return FormatFloat(value, decimals);
}
} // namespace

void FillTotals(QStandardItemModel& model, const Project& project,
                const std::vector<LineResult>& results) {
    const ProjectTotals t = TotalsOf(project, results);
    const std::vector<QStringList> rows{
        {QStringLiteral("Lines (ok)"), QStringLiteral("%1 (%2)").arg(t.Lines).arg(t.OkLines), {}},
        {QStringLiteral("Pipe length (m)"), Number(t.PipeLength, 2), {}},
        {QStringLiteral("Wall area (m²)"), Number(t.WallArea, 2), {}},
        {QStringLiteral("Duct length (m)"), Number(t.DuctLength, 2), {}},
        {QStringLiteral("Spheres"), Number(t.Spheres, 2), {}},
        {QStringLiteral("Heat loss (W)"), Number(t.HeatLoss, 1), Number(t.BareHeatLoss, 1)},
        {QStringLiteral("Heat gain (W)"), Number(t.HeatGain, 1), Number(t.BareHeatGain, 1)},
        {QStringLiteral("Energy per year (kWh)"), Number(t.EnergyPerYear, 0),
         Number(t.BareEnergyPerYear, 0)},
        {QStringLiteral("Cost per year"), Number(t.CostPerYear, 2), Number(t.BareCostPerYear, 2)},
        {QStringLiteral("CO2 per year (kg)"), Number(t.Co2PerYear, 0), Number(t.BareCo2PerYear, 0)},
    };
    SetRows(model, {QStringLiteral("Total"), QStringLiteral("Insulated"), QStringLiteral("Bare")},
            rows);
}

void FillBom(QStandardItemModel& model, const Project& project,
             const std::vector<LineResult>& results) {
    std::vector<QStringList> rows;
    for (const BomItem& item : BillOfMaterials(project, results))
        rows.push_back({item.Product, KindText(item.Kind), Number(item.ThicknessMm, 1),
                        QString::number(item.Lines), Number(item.Quantity, 2),
                        Number(item.QuantityWithWaste, 2)});
    SetRows(model,
            {QStringLiteral("Product"), QStringLiteral("Kind"), QStringLiteral("Thickness (mm)"),
             QStringLiteral("Lines"), QStringLiteral("Quantity (m or m²)"),
             QStringLiteral("Quantity with waste (m or m²)")},
            rows);
}
