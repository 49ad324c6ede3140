#pragma once
// The "by thickness" rows as the view, the CSV and the page show them for a layered system
// or another object: the rows of the thickness model, plus a column with the temperature at
// every interface, rows warned where a layer is beyond its material's limits, and the
// units of the object. For one layer on the window's own pipe or wall it is the thickness
// model as it is.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "engine/LayeredSystem.h"

class TThicknessModel;

class TLayeredRows : public QAbstractTableModel {
    Q_OBJECT
public:
    TLayeredRows(TThicknessModel& rows, bool pipe, QObject* parent = nullptr);

    // By row of the thickness model (empty for the bare row); no solutions: one layer.
    void SetLayers(std::vector<LayeredSolution> solutions, QStringList names, QString unit);
    void Clear();
    bool Layered() const { return !solutions_.empty(); }
    int InterfacesColumn() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QString Warning(int row) const;
    QString InterfacesTip(int row) const;

    TThicknessModel& rows_;
    QString ownUnit_;
    QString unit_;
    std::vector<LayeredSolution> solutions_;
    QStringList names_;
};
