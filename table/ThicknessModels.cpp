#include "table/ThicknessModels.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "config/JobBounds.h"
#include "config/Uutils.h"
#include "engine/CalcFrame.h"
#include "table/TableFormat.h"

namespace {
const QColor kChosen(255, 236, 160);

QString Optional(const std::optional<float>& value, int decimals) {
    return value ? Cell(*value, decimals) : QString();
}

QString Mm(float metres) {
    return Cell(static_cast<float>(metres * 1000.0), 1);
}

// Numbers right-aligned, the product's name as text.
QVariant Alignment(int column, int productColumn) {
    return column == productColumn ? QVariant() : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
}

// The column captions, units included: the view's header, the CSV's and the printed one.
QVariant Caption(const QStringList& captions, int section, Qt::Orientation orientation, int role) {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= captions.size())
        return {};
    return captions[section];
}
} // namespace

QString HeatFlowCaption(bool heatLoss, const QString& unit) {
    return (heatLoss ? QStringLiteral("Heat loss (") : QStringLiteral("Heat gain (")) + unit + u')';
}

QString MinimumText(const CriterionMinimum& m, int decimals) {
    if (!m.Active)
        return QStringLiteral("-");
    if (m.Unreachable)
        return QStringLiteral("not reachable");
    if (m.BeyondBound)
        return QStringLiteral("over ") + ShortNumber(kThickestSearched * 1000.0f, 0);
    return Cell(static_cast<float>(m.Thickness * 1000.0), decimals);
}

QString AlsoMetText(const CriterionMinimum& m, int decimals) {
    QStringList bands;
    for (const ThicknessBand& b : m.AlsoMet) {
        const auto mm = [decimals](float metres) {
            return metres == 0 ? QStringLiteral("0")
                               : Cell(static_cast<float>(metres * 1000.0), decimals);
        };
        bands << (b.To == 0 ? QStringLiteral("bare")
                            : QStringLiteral("from ") + mm(b.From) + QStringLiteral(" to ") +
                                  mm(b.To) + QStringLiteral(" mm"));
    }
    return bands.isEmpty() ? QString()
                           : QStringLiteral("also met ") + bands.join(QStringLiteral(", "));
}

TThicknessModel::TThicknessModel(bool pipe, QObject* parent)
    : QAbstractTableModel(parent), pipe_(pipe) {}

void TThicknessModel::SetReading(bool heatLoss, const QString& noNominalTable) {
    heatLoss_ = heatLoss;
    noNominalTable_ = noNominalTable;
}

void TThicknessModel::SetTable(const ThicknessTable& table) {
    beginResetModel();
    table_ = table;
    endResetModel();
}

void TThicknessModel::Clear() {
    SetTable({});
}

std::vector<std::optional<float>>
TThicknessModel::InstalledCosts(const std::vector<float>& thicknessesMm) const {
    std::vector<std::optional<float>> costs;
    for (float mm : thicknessesMm) {
        const auto found = installed_.find(MillimetresToMetres(mm));
        costs.push_back(found == installed_.end() ? std::nullopt
                                                  : std::optional<float>(found->second));
    }
    return costs;
}

std::map<float, float>
TThicknessModel::InstalledCostsByMm(const std::vector<float>& thicknessesMm) const {
    const std::vector<std::optional<float>> costs = InstalledCosts(thicknessesMm);
    std::map<float, float> byMm;
    for (size_t i = 0; i < costs.size(); ++i)
        if (costs[i])
            byMm.emplace(thicknessesMm[i], *costs[i]);
    return byMm;
}

void TThicknessModel::SetInstalledCosts(const std::map<float, float>& byMm) {
    installed_.clear();
    for (const auto& [mm, cost] : byMm)
        installed_[MillimetresToMetres(mm)] = cost;
}

int TThicknessModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.Rows.size());
}

int TThicknessModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString TThicknessModel::Text(const ThicknessRow& row, int column) const {
    switch (column) {
    case kThickness:
        return row.Thickness != 0    ? Mm(row.Thickness)
               : table_.BareStillAir ? QStringLiteral("bare (still air)")
                                     : QStringLiteral("bare");
    case kProduct:
        return row.Thickness == 0    ? QString()
               : row.Product.empty() ? QStringLiteral("-/-")
                                     : QString::fromStdString(row.Product);
    case kCoefficient:
        return Cell(row.h, 3);
    case kSurface:
        return Cell(row.SurfaceTemp, 2);
    case kCondensation:
        return row.Condensation ? QStringLiteral("yes") : QStringLiteral("no");
    case kFlowPerUnit:
        return Cell(Engineers(row.HeatFlowPerUnit), 3);
    case kFlow:
        return Cell(Engineers(row.HeatFlow), 3);
    case kSaving:
        return Cell(row.Saving, 2);
    case kEnergy:
        return SignificantCell(row.EnergyPerYear, 3);
    case kCost:
        return Cell(row.CostPerYear, 2);
    case kCo2:
        return SignificantCell(row.Co2PerYear, 3);
    case kInstalled: {
        const auto found = installed_.find(row.Thickness);
        return row.Thickness == 0 || found == installed_.end() ? QString()
                                                               : ShortNumber(found->second, 2);
    }
    case kPayback:
        return row.PaybackYears ? SignificantCell(*row.PaybackYears, 2, 1) : QString();
    case kLifeCost:
        return Optional(row.LifeCost, 2);
    case kPresentValue:
        return Optional(row.PresentValue, 2);
    default:
        return {};
    }
}

// Why a row names no product: the next one up, or that there is none to name.
QString TThicknessModel::ProductTip(const ThicknessRow& row) const {
    if (row.Thickness == 0)
        return {};
    if (!row.Product.empty())
        return QString::fromStdString(row.Product);
    if (!noNominalTable_.isEmpty())
        return noNominalTable_;
    if (!row.NextProduct.empty())
        return QStringLiteral("No product of this thickness; next up: ") +
               QString::fromStdString(row.NextProduct);
    return QStringLiteral("No product of the nominal table covers this thickness on this "
                          "surface.");
}

QVariant TThicknessModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ThicknessRow& row = table_.Rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(row, index.column());
    case Qt::BackgroundRole:
        return index.row() == table_.Chosen ? QVariant(QBrush(kChosen)) : QVariant();
    case Qt::FontRole: {
        if (index.row() != table_.Economic)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::TextAlignmentRole:
        return Alignment(index.column(), kProduct);
    case Qt::ToolTipRole: {
        // The product's own word first: which product it would be, or why there is none.
        const QString product = index.column() == kProduct ? ProductTip(row) : QString();
        return product.isEmpty() ? RowTip(index.row()) : product;
    }
    default:
        return {};
    }
}

QVariant TThicknessModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const QString per = pipe_ ? QStringLiteral("/m)") : QStringLiteral("/m²)");
    return Caption({QStringLiteral("Thickness (mm)"), QStringLiteral("Product"),
                    QStringLiteral("h (W/m²K)"), QStringLiteral("Surface (°C)"),
                    QStringLiteral("Condensation"),
                    HeatFlowCaption(heatLoss_, QStringLiteral("W") + per.chopped(1)),
                    HeatFlowCaption(heatLoss_, QStringLiteral("W")), QStringLiteral("Saving (%)"),
                    QStringLiteral("Energy (kWh/a)"), QStringLiteral("Cost (/a)"),
                    QStringLiteral("CO2 (kg/a)"), QStringLiteral("Installed cost (") + per,
                    QStringLiteral("Payback (a)"), QStringLiteral("Cost over life"),
                    QStringLiteral("Present value")},
                   section, orientation, role);
}

Qt::ItemFlags TThicknessModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == kInstalled && index.row() > 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TThicknessModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const float thickness = table_.Rows[static_cast<size_t>(index.row())].Thickness;
    const QString text = value.toString().trimmed();
    if (text.isEmpty()) {
        installed_.erase(thickness);
    } else {
        try {
            const float cost = ToSingle(ParseNumber(text));
            if (!Within(cost, jobbounds::kInstalledCost.Lowest, jobbounds::kInstalledCost.Highest))
                return false;
            installed_[thickness] = cost;
        } catch (const std::exception&) {
            return false;
        }
    }
    emit dataChanged(index, index);
    emit InstalledCostChanged();
    return true;
}

void TPipeSizeModel::SetRows(std::vector<PipeSizeRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TPipeSizeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TPipeSizeModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

void TPipeSizeModel::SetReading(bool heatLoss, const QString& noNominalTable) {
    heatLoss_ = heatLoss;
    noNominalTable_ = noNominalTable;
}

QVariant TPipeSizeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PipeSizeRow& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::TextAlignmentRole:
        return Alignment(index.column(), kProduct);
    case Qt::DisplayRole:
        return Text(row, index.column());
    case Qt::ToolTipRole:
        if (index.column() != kProduct || !row.Product.empty() || row.Unreachable)
            return {};
        return noNominalTable_.isEmpty()
                   ? QStringLiteral("No product of the nominal table covers this thickness on "
                                    "this pipe.")
                   : noNominalTable_;
    default:
        return {};
    }
}

QString TPipeSizeModel::Text(const PipeSizeRow& row, int column) const {
    switch (column) {
    case kDiameter:
        return ShortNumber(row.DiameterMm, 2);
    case kCondensation:
        return MinimumText(row.Criteria.Condensation, 2);
    case kSurfaceLimit:
        return MinimumText(row.Criteria.SurfaceTemp, 2);
    case kFlowLimit:
        return MinimumText(row.Criteria.HeatFlow, 2);
    case kProduct:
        return row.Unreachable       ? QStringLiteral("not reachable")
               : row.Product.empty() ? QStringLiteral("-/-")
                                     : QString::fromStdString(row.Product);
    case kThickness:
        return Mm(row.Thickness);
    case kFlowPerMetre:
        return Cell(heatLoss_ ? -row.HeatFlowPerMetre : row.HeatFlowPerMetre, 3);
    case kSurface:
        return Cell(row.SurfaceTemp, 2);
    default:
        return {};
    }
}

QVariant TPipeSizeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return Caption({QStringLiteral("Outside diameter (mm)"), QStringLiteral("No condensation (mm)"),
                    QStringLiteral("Surface limit (mm)"), QStringLiteral("Max. heat flow (mm)"),
                    QStringLiteral("Recommended product"), QStringLiteral("Thickness (mm)"),
                    HeatFlowCaption(heatLoss_, QStringLiteral("W/m")),
                    QStringLiteral("Surface (°C)")},
                   section, orientation, role);
}
