#include "table/GeometryInputs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <optional>

#include "app/Umessages.h"
#include "config/Uutils.h"
#include "engine/CalcFrame.h"
#include "engine/Errors.h"

std::optional<float> ReadMarked(QLineEdit* field, double lowest, double highest) {
    std::optional<float> value;
    try {
        const float v = ToSingle(ParseNumber(field->text()));
        if (v >= lowest && v <= highest)
            value = v;
    } catch (const TermoraError&) {
    }
    field->setProperty("refused", !value);
    field->setStyleSheet(value ? QString() : QStringLiteral("background-color: #ffc8c8;"));
    field->setToolTip(value ? QString() : kMakeSenseText);
    return value;
}

TGeometryInputs::TGeometryInputs(bool pipe, QWidget* parent) : QWidget(parent) {
    form_ = new QFormLayout(this);
    form_->setContentsMargins(0, 0, 0, 0);
    // Each window keeps its own kind first; ducts and vessels are in both.
    shapes_ = {pipe ? Shape::Pipe : Shape::Wall, Shape::Duct, Shape::Sphere};
    Object = new QComboBox(this);
    Object->setObjectName(QStringLiteral("Object"));
    Object->setAccessibleName(QStringLiteral("Insulated object"));
    Object->addItems({pipe ? QStringLiteral("pipe") : QStringLiteral("wall"),
                      QStringLiteral("rectangular duct"), QStringLiteral("sphere")});
    form_->addRow(QStringLiteral("Insulated object"), Object);
    auto field = [this](const QString& caption, const char* name, const char* text) {
        auto* edit = new QLineEdit(QLatin1String(text), this);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(caption);
        form_->addRow(caption, edit);
        connect(edit, &QLineEdit::textChanged, this, &TGeometryInputs::Changed);
        return edit;
    };
    Diameter = field(QStringLiteral("Sphere outer diameter (mm)"), "SphereDiameter", "1000");
    Width = field(QStringLiteral("Duct outer width (mm)"), "DuctWidth", "400");
    Height = field(QStringLiteral("Duct outer height (mm)"), "DuctHeight", "300");
    connect(Object, &QComboBox::currentIndexChanged, this, &TGeometryInputs::ShowFields);
    connect(Object, &QComboBox::currentIndexChanged, this, &TGeometryInputs::Changed);
    ShowFields();
}

Shape TGeometryInputs::Current() const {
    const int index = Object->currentIndex();
    return index >= 0 ? shapes_[static_cast<size_t>(index)] : shapes_.front();
}

void TGeometryInputs::ShowFields() {
    const Shape shape = Current();
    form_->setRowVisible(Diameter, shape == Shape::Sphere);
    form_->setRowVisible(Width, shape == Shape::Duct);
    form_->setRowVisible(Height, shape == Shape::Duct);
}

bool TGeometryInputs::Read(float pipeDiameter, InsulatedShape& object) {
    object = {};
    object.Kind = Current();
    object.Diameter = pipeDiameter;
    bool ok = true;
    auto mm = [&ok](QLineEdit* field, bool used) {
        if (!used) { // a hidden field is never blamed
            field->setProperty("refused", false);
            field->setStyleSheet({});
            field->setToolTip({});
            return 0.0f;
        }
        const std::optional<float> v = ReadMarked(field, 1, 1e6);
        ok = ok && v;
        return v ? MillimetresToMetres(*v) : 0.0f;
    };
    const float sphere = mm(Diameter, object.Kind == Shape::Sphere);
    object.Width = mm(Width, object.Kind == Shape::Duct);
    object.Height = mm(Height, object.Kind == Shape::Duct);
    if (object.Kind == Shape::Sphere)
        object.Diameter = sphere;
    return ok;
}
