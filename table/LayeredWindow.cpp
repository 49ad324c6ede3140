// The thickness table window's insulation system: the object, the fixed layers and the
// layered table behind the rows, the minima line's additions and the inputs they print.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/Umessages.h"
#include "table/GeometryInputs.h"
#include "table/LayerEditor.h"
#include "table/LayerSet.h"
#include "table/LayeredRows.h"
#include "table/TableFormat.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

namespace {
QString ExtentCaption(Shape shape) {
    switch (shape) {
    case Shape::Wall:
        return QStringLiteral("Area (m²)");
    case Shape::Duct:
        return QStringLiteral("Duct length (m)");
    case Shape::Sphere:
        return QStringLiteral("Number of vessels");
    case Shape::Pipe:
        break;
    }
    return QStringLiteral("Pipe length (m)");
}
} // namespace

// The object first, the job's fields, then the layers around the table's own.
QWidget* TThicknessTableWindow::BuildInputPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    Geometry = new TGeometryInputs(pipe_, panel);
    Layers = new TLayerEditor(panel);
    Layers->setObjectName(QStringLiteral("LayerEditor"));
    column->addWidget(Geometry);
    column->addWidget(Inputs);
    auto* caption = new QLabel(QStringLiteral("<b>Insulation layers</b> (the material above is "
                                              "the table's layer)"),
                               panel);
    caption->setWordWrap(true);
    column->addWidget(caption);
    column->addWidget(Layers);
    column->addStretch(1);
    layeredRows_ = new TLayeredRows(*thicknessModel_, pipe_, this);
    connect(Geometry, &TGeometryInputs::Changed, this, &TThicknessTableWindow::ObjectChanged);
    connect(Layers, &TLayerEditor::Changed, this, &TThicknessTableWindow::Recompute);
    return panel;
}

void TThicknessTableWindow::ObjectChanged() {
    const Shape shape = Geometry->Current();
    auto* form = qobject_cast<QFormLayout*>(Inputs->layout());
    if (form && Inputs->Diameter)
        form->setRowVisible(Inputs->Diameter, shape == Shape::Pipe);
    if (auto* label = form ? qobject_cast<QLabel*>(form->labelForField(Inputs->Extent)) : nullptr)
        label->setText(ExtentCaption(shape));
    Inputs->MaxFlowOn->setText(QStringLiteral("Maximum heat flow (W/") + UnitOf(shape) + u')');
    Recompute();
}

// The object and the fixed layers; false with the fields marked when one is refused.
bool TThicknessTableWindow::ReadSystem(float pipeDiameter) {
    const bool layers = Layers->Read(layerSet_);
    return Geometry->Read(pipeDiameter, layerSet_.Object) && layers;
}

// One layer on the window's own pipe or wall is the single layer's table itself; any other
// system is the layered table, its interfaces and limits shown beside the rows.
ThicknessTable TThicknessTableWindow::BuildTable(const ThicknessTableInputs& in,
                                                 const TToleranceTable* nominal) {
    layeredMinima_.clear();
    if (IsSingleLayer(layerSet_)) {
        layeredRows_->Clear();
        return BuildThicknessTable(in, nominal);
    }
    const int material = Inputs->Material->currentIndex();
    const LayeredTableInputs job = LayeredJob(in, material, layerSet_);
    LayeredTable t = BuildLayeredTable(job, nominal);
    const bool onObject = layerSet_.Fixed.empty() || layerSet_.VaryInner;
    if (nominal && (!onObject || layerSet_.Object.Kind == Shape::Duct ||
                    layerSet_.Object.Kind == Shape::Sphere))
        thicknessModel_->SetReading(
            in.MediumTemp > in.AmbientTemp,
            QStringLiteral("The nominal table's products are for a layer laid on the pipe or "
                           "wall itself."));
    const QStringList names = LayerNames(layerSet_, material);
    QStringList rowNames;
    for (const ThicknessRow& row : t.Table.Rows)
        rowNames << Cell(static_cast<float>(row.Thickness * 1000.0), 1);
    layeredMinima_ = LayeredMinimaText(t, layerSet_, names, rowNames);
    layeredRows_->SetLayers(std::move(t.Solutions), names, UnitOf(layerSet_.Object.Kind));
    return t.Table;
}

QStringList TThicknessTableWindow::SystemSummary() const {
    if (IsSingleLayer(layerSet_))
        return {};
    return LayerSetSummary(layerSet_, Inputs->Material->currentIndex());
}
