#include "table/TableSystemLine.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "project/NumberText.h"
#include "project/Project.h"
#include "table/GeometryInputs.h"
#include "table/LayerEditor.h"

namespace {
// The selector's items: the window's own kind, then "rectangular duct", then "sphere".
int ObjectIndex(LineKind kind) {
    switch (kind) {
    case LineKind::Duct:
        return 1;
    case LineKind::Sphere:
        return 2;
    case LineKind::Pipe:
    case LineKind::Wall:
        break;
    }
    return 0;
}

LineKind KindOf(Shape shape) {
    switch (shape) {
    case Shape::Wall:
        return LineKind::Wall;
    case Shape::Duct:
        return LineKind::Duct;
    case Shape::Sphere:
        return LineKind::Sphere;
    case Shape::Pipe:
        break;
    }
    return LineKind::Pipe;
}

float Number(const QLineEdit* field, float otherwise) {
    return TryNumber(field->text()).value_or(otherwise);
}
} // namespace

bool OpensInPipeWindow(const Line& line) {
    return line.Kind != LineKind::Wall;
}

void SetLineSystem(TGeometryInputs& geometry, TLayerEditor& layers, const Line& line) {
    geometry.Object->setCurrentIndex(ObjectIndex(line.Kind));
    if (line.Kind == LineKind::Sphere)
        geometry.Diameter->setText(NumberText(line.DiameterMm));
    geometry.Width->setText(NumberText(line.DuctWidthMm));
    geometry.Height->setText(NumberText(line.DuctHeightMm));
    while (!layers.Rows().empty())
        layers.RemoveLayer(0);
    for (const FixedLayer& layer : line.Layers) {
        if (!layers.AddLayer())
            break;
        const TLayerEditor::Row& row = layers.Rows().back();
        // An unknown material keeps the editor's first; the table then refuses nothing
        // the project would not have flagged in the line's status.
        row.Material->setCurrentIndex(std::max(0, row.Material->findText(layer.Material)));
        row.KFactor->setText(NumberText(layer.KFactor));
        row.Thickness->setText(NumberText(layer.ThicknessMm));
    }
    layers.Varied->setCurrentIndex(line.Varied == VariedLayer::Inner ? 1 : 0);
}

void ReadLineSystem(const TGeometryInputs& geometry, const TLayerEditor& layers, Line& line) {
    line.Kind = KindOf(geometry.Current());
    if (line.Kind == LineKind::Sphere)
        line.DiameterMm = Number(geometry.Diameter, line.DiameterMm);
    line.DuctWidthMm = Number(geometry.Width, line.DuctWidthMm);
    line.DuctHeightMm = Number(geometry.Height, line.DuctHeightMm);
    line.Layers.clear();
    for (const TLayerEditor::Row& row : layers.Rows()) {
        FixedLayer layer;
        layer.Material = row.Material->currentText();
        layer.KFactor = Number(row.KFactor, layer.KFactor);
        layer.ThicknessMm = Number(row.Thickness, layer.ThicknessMm);
        line.Layers.push_back(layer);
    }
    line.Varied = layers.Varied->currentIndex() == 1 ? VariedLayer::Inner : VariedLayer::Outer;
}
