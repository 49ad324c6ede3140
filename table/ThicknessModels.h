#pragma once
// The two tables of the thickness table window as item models.
#include <QAbstractTableModel>
#include <map>
#include <optional>

#include "engine/PipeSizeTable.h"
#include "engine/ThicknessTable.h"

// "By thickness": bare, then one row per listed thickness. The installed cost column is
// the one the user edits; a changed cost asks for a new computation.
class TThicknessModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kThickness,
        kProduct,
        kCoefficient,
        kSurface,
        kCondensation,
        kFlowPerUnit,
        kFlow,
        kSaving,
        kEnergy,
        kCost,
        kCo2,
        kInstalled,
        kPayback,
        kLifeCost,
        kPresentValue,
        kColumns
    };

    explicit TThicknessModel(bool pipe, QObject* parent = nullptr);

    // How the next table reads: heat loss (medium hotter than the air) or heat gain, and
    // why no product is named when the material has no nominal table ("" when it has one).
    void SetReading(bool heatLoss, const QString& noNominalTable);

    void SetTable(const ThicknessTable& table);
    void Clear();
    const ThicknessTable& Table() const { return table_; }
    // The typed installed costs for the listed thicknesses, as the engine takes them; a
    // cost belongs to its thickness, so it stays when the list changes.
    std::vector<std::optional<float>> InstalledCosts(const std::vector<float>& thicknessesMm) const;
    // The same by thickness in mm, for a project line; and a line's costs in place of all the
    // typed ones (the table then needs recomputing).
    std::map<float, float> InstalledCostsByMm(const std::vector<float>& thicknessesMm) const;
    void SetInstalledCosts(const std::map<float, float>& byMm);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void InstalledCostChanged();

private:
    QString Text(const ThicknessRow& row, int column) const;
    QString ProductTip(const ThicknessRow& row) const;
    float Engineers(float flowIntoMedium) const {
        return heatLoss_ ? -flowIntoMedium : flowIntoMedium;
    }
    QString RowTip(int row) const;

    bool pipe_;
    bool heatLoss_ = true;
    QString noNominalTable_;
    ThicknessTable table_;
    std::map<float, float> installed_; // by thickness, m
};

// "By pipe size": one row per outside diameter.
class TPipeSizeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kDiameter,
        kCondensation,
        kSurfaceLimit,
        kFlowLimit,
        kProduct,
        kThickness,
        kFlowPerMetre,
        kSurface,
        kColumns
    };

    using QAbstractTableModel::QAbstractTableModel;
    // As the thickness model's.
    void SetReading(bool heatLoss, const QString& noNominalTable);
    void SetRows(std::vector<PipeSizeRow> rows);
    const std::vector<PipeSizeRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const PipeSizeRow& row, int column) const;

    std::vector<PipeSizeRow> rows_;
    bool heatLoss_ = true;
    QString noNominalTable_;
};

// "Heat loss (W/m)" or "Heat gain (W/m²)": the words engineers use, positive as read.
QString HeatFlowCaption(bool heatLoss, const QString& unit);

// A criterion's minimum as the window shows it: mm to the decimals given, "over 1000" past
// the search's bound, "not reachable" or "-" when inactive.
QString MinimumText(const CriterionMinimum& m, int decimals);

// The thinner bands where a criterion holds too: "also met from 20.20 to 39.75 mm", or ""
// when there are none.
QString AlsoMetText(const CriterionMinimum& m, int decimals);
