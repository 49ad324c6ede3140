#pragma once
// The line list's editors: a drop-down list for a cell chosen from a list (kind, installation,
// orientation, cladding, material, thickness, varied layer), the usual text field elsewhere.
// Either way the cell's text goes to the model's setData, checked and undoable as typed text.
#include <QStyledItemDelegate>

class TProjectModel;

class TChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TChoiceDelegate(const TProjectModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const TProjectModel& model_;
};
