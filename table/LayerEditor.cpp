#include "table/LayerEditor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/State.h"
#include "engine/Ucalc.h"
#include "table/GeometryInputs.h"

namespace {
bool IsUserMaterial(int index) {
    const auto& materials = Shared().ReferenceLists.Materials;
    return index >= 0 && index < static_cast<int>(materials.size()) &&
           materials[static_cast<size_t>(index)].Lambda0 == kKFactorMark;
}
} // namespace

TLayerEditor::TLayerEditor(QWidget* parent) : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    Varied = new QComboBox(this);
    Varied->setObjectName(QStringLiteral("VariedLayer"));
    Varied->setAccessibleName(QStringLiteral("Table's layer"));
    Varied->addItems({QStringLiteral("outer"), QStringLiteral("inner")});
    form->addRow(QStringLiteral("Table's layer"), Varied);
    outer->addLayout(form);
    auto* caption = new QLabel(QStringLiteral("Fixed layers, inside out:"), this);
    outer->addWidget(caption);
    list_ = new QVBoxLayout;
    outer->addLayout(list_);
    AddButton = new QPushButton(QStringLiteral("Add layer"), this);
    AddButton->setObjectName(QStringLiteral("AddLayer"));
    outer->addWidget(AddButton);
    connect(AddButton, &QPushButton::clicked, this, &TLayerEditor::AddLayer);
    connect(Varied, &QComboBox::currentIndexChanged, this, &TLayerEditor::Changed);
    ShowFields();
}

bool TLayerEditor::AddLayer() {
    if (rows_.size() + 1 >= kMaxLayers)
        return false;
    Row row;
    row.Box = new QWidget(this);
    auto* line = new QHBoxLayout(row.Box);
    line->setContentsMargins(0, 0, 0, 0);
    row.Material = new QComboBox(row.Box);
    row.Material->setAccessibleName(QStringLiteral("Layer material"));
    for (const MaterialEntry& m : Shared().ReferenceLists.Materials)
        row.Material->addItem(QString::fromStdString(m.Name));
    row.Material->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row.Material->setMinimumContentsLength(8);
    row.KFactor = new QLineEdit(QStringLiteral("0.04"), row.Box);
    row.KFactor->setAccessibleName(QStringLiteral("Layer k-factor (W/mK)"));
    row.KFactor->setPlaceholderText(QStringLiteral("W/mK"));
    row.KFactor->setMaximumWidth(60);
    row.Thickness = new QLineEdit(QStringLiteral("50"), row.Box);
    row.Thickness->setAccessibleName(QStringLiteral("Layer thickness (mm)"));
    row.Thickness->setMaximumWidth(50);
    row.Remove = new QPushButton(QStringLiteral("x"), row.Box);
    row.Remove->setAccessibleName(QStringLiteral("Remove layer"));
    row.Remove->setMaximumWidth(28);
    line->addWidget(row.Material, 1);
    line->addWidget(row.KFactor);
    line->addWidget(row.Thickness);
    line->addWidget(new QLabel(QStringLiteral("mm"), row.Box));
    line->addWidget(row.Remove);
    list_->addWidget(row.Box);
    QWidget* box = row.Box;
    connect(row.Remove, &QPushButton::clicked, this, [this, box] {
        for (size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].Box == box)
                RemoveLayer(static_cast<int>(i));
    });
    connect(row.Material, &QComboBox::currentIndexChanged, this, &TLayerEditor::ShowFields);
    connect(row.Material, &QComboBox::currentIndexChanged, this, &TLayerEditor::Changed);
    for (QLineEdit* edit : {row.KFactor, row.Thickness})
        connect(edit, &QLineEdit::textChanged, this, &TLayerEditor::Changed);
    rows_.push_back(row);
    ShowFields();
    emit Changed();
    return true;
}

void TLayerEditor::RemoveLayer(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size()))
        return;
    rows_[static_cast<size_t>(index)].Box->deleteLater();
    rows_[static_cast<size_t>(index)].Box->hide();
    rows_.erase(rows_.begin() + index);
    ShowFields();
    emit Changed();
}

void TLayerEditor::ShowFields() {
    for (const Row& row : rows_)
        row.KFactor->setVisible(IsUserMaterial(row.Material->currentIndex()));
    AddButton->setEnabled(rows_.size() + 1 < kMaxLayers);
    Varied->setEnabled(!rows_.empty());
}

bool TLayerEditor::Read(LayerSet& set) {
    set.VaryInner = Varied->currentIndex() == 1;
    set.Fixed.clear();
    bool ok = true;
    for (const Row& row : rows_) {
        FixedLayerChoice layer;
        layer.Material = row.Material->currentIndex();
        const auto thickness = ReadMarked(row.Thickness, 0.001, 1000);
        ok = ok && thickness && layer.Material >= 0;
        layer.ThicknessMm = thickness.value_or(0);
        if (IsUserMaterial(layer.Material)) {
            const auto k = ReadMarked(row.KFactor, 0.0001, 10);
            ok = ok && k;
            layer.KFactor = k.value_or(0);
        }
        set.Fixed.push_back(layer);
    }
    return ok;
}
