#include "table/LayeredRows.h"

#include <QBrush>
#include <QColor>

#include "table/LayerSet.h"
#include "table/ThicknessModels.h"

namespace {
const QColor kBeyondLimits(255, 200, 200);
}

TLayeredRows::TLayeredRows(TThicknessModel& rows, bool pipe, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows),
      ownUnit_(pipe ? QStringLiteral("m") : QStringLiteral("m²")), unit_(ownUnit_) {
    connect(&rows_, &QAbstractItemModel::modelAboutToBeReset, this, &TLayeredRows::beginResetModel);
    connect(&rows_, &QAbstractItemModel::modelReset, this, &TLayeredRows::endResetModel);
    connect(&rows_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                emit dataChanged(index(from.row(), from.column()), index(to.row(), to.column()));
            });
    connect(&rows_, &QAbstractItemModel::headerDataChanged, this,
            &QAbstractItemModel::headerDataChanged);
}

void TLayeredRows::SetLayers(std::vector<LayeredSolution> solutions, QStringList names,
                             QString unit) {
    beginResetModel();
    solutions_ = std::move(solutions);
    names_ = std::move(names);
    unit_ = std::move(unit);
    endResetModel();
}

void TLayeredRows::Clear() {
    SetLayers({}, {}, ownUnit_);
}

int TLayeredRows::InterfacesColumn() const {
    return Layered() ? rows_.columnCount() : -1;
}

int TLayeredRows::rowCount(const QModelIndex& parent) const {
    return rows_.rowCount(parent);
}

int TLayeredRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.columnCount() + (Layered() ? 1 : 0);
}

// Why a row is beyond a material's limits, or "".
QString TLayeredRows::Warning(int row) const {
    if (row <= 0 || row >= static_cast<int>(solutions_.size()))
        return {};
    const QString beyond = BeyondLimitsText(solutions_[static_cast<size_t>(row)], names_);
    return beyond.isEmpty() ? QString()
                            : QStringLiteral("Beyond the material's temperature limits: ") + beyond;
}

QString TLayeredRows::InterfacesTip(int row) const {
    if (row <= 0 || row >= static_cast<int>(solutions_.size()))
        return {};
    const LayeredSolution& s = solutions_[static_cast<size_t>(row)];
    QString tip = QStringLiteral("Interfaces, medium face first (°C): ") + InterfacesText(s);
    for (int i = 0; i < names_.size() && i < static_cast<int>(s.Lambdas.size()); ++i)
        tip += u'\n' + names_[i] + QStringLiteral(": λ ") +
               QString::number(s.Lambdas[static_cast<size_t>(i)], 'f', 4) + QStringLiteral(" W/mK");
    if (const QString warning = Warning(row); !warning.isEmpty())
        tip = warning + u'\n' + tip;
    return tip;
}

QVariant TLayeredRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    if (index.column() == InterfacesColumn()) {
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            if (row == 0 || row >= static_cast<int>(solutions_.size()))
                return QString();
            const QString warning = Warning(row);
            return InterfacesText(solutions_[static_cast<size_t>(row)]) +
                   (warning.isEmpty() ? QString() : QStringLiteral(" (beyond limits)"));
        }
        if (role == Qt::ToolTipRole)
            return InterfacesTip(row);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::BackgroundRole)
            return {};
    }
    if (role == Qt::BackgroundRole && !Warning(row).isEmpty())
        return QBrush(kBeyondLimits);
    const QVariant own = index.column() < rows_.columnCount()
                             ? rows_.data(rows_.index(row, index.column()), role)
                             : QVariant();
    if (role == Qt::ToolTipRole && Layered() && row > 0)
        return InterfacesTip(row) + QStringLiteral("\n") + own.toString();
    return own;
}

QVariant TLayeredRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == InterfacesColumn())
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("Interfaces (°C)")) : QVariant();
    QVariant own = rows_.headerData(section, orientation, role);
    if (role != Qt::DisplayRole || unit_ == ownUnit_ || orientation != Qt::Horizontal)
        return own;
    // The object's unit for what is per metre or per m² on the window's own surface.
    QString text = own.toString();
    text.replace(QStringLiteral("/") + ownUnit_ + u')', QStringLiteral("/") + unit_ + u')');
    return text;
}

Qt::ItemFlags TLayeredRows::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.column() >= rows_.columnCount())
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return rows_.flags(rows_.index(index.row(), index.column()));
}

bool TLayeredRows::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() >= rows_.columnCount())
        return false;
    return rows_.setData(rows_.index(index.row(), index.column()), value, role);
}
