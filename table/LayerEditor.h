#pragma once
// The layers of the insulation system that keep their thickness, inside out, and the side
// the table's own layer (the material of the inputs above) takes: under them or over them.
// Up to five layers in all.
#include <QWidget>
#include <vector>

#include "table/LayerSet.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class TLayerEditor : public QWidget {
    Q_OBJECT
public:
    explicit TLayerEditor(QWidget* parent = nullptr);

    // One fixed layer's fields.
    struct Row {
        QWidget* Box = nullptr;
        QComboBox* Material = nullptr;
        QLineEdit* KFactor = nullptr;   // the user's material
        QLineEdit* Thickness = nullptr; // mm
        QPushButton* Remove = nullptr;
    };

    QComboBox* Varied = nullptr; // "inner" or "outer"
    QPushButton* AddButton = nullptr;
    const std::vector<Row>& Rows() const { return rows_; }

    // Adds a fixed layer (outermost); false when the system has its five layers.
    bool AddLayer();
    void RemoveLayer(int index);

    // The fixed layers and the varied side; marks the bad fields and returns false with them.
    bool Read(LayerSet& set);

signals:
    void Changed();

private:
    void ShowFields();

    QVBoxLayout* list_ = nullptr;
    std::vector<Row> rows_;
};
