#include "projectwin/LineChoices.h"

#include "project/NominalThicknesses.h"

namespace {
// Shown for the empty cladding as the thickness table's selector words it.
const QString kTypedEmissivity = QStringLiteral("typed emission coefficient");
const QString kAuto = QStringLiteral("auto");

template <typename E, typename Text>
CellChoices Enumeration(std::initializer_list<E> values, Text text) {
    CellChoices c;
    for (E value : values)
        c.Items.push_back({text(value), text(value)});
    return c;
}

template <typename Entry> CellChoices Named(const std::vector<Entry>* entries) {
    CellChoices c;
    if (entries)
        for (const Entry& e : *entries) {
            const QString name = QString::fromStdString(e.Name);
            c.Items.push_back({name, name});
        }
    return c;
}

CellChoices Claddings(const ProjectData& data) {
    CellChoices c = Named(data.Claddings);
    c.Items.push_back({kTypedEmissivity, QString()});
    return c;
}

CellChoices Thicknesses(const Line& line, const ProjectData& data) {
    CellChoices c;
    c.Typed = true;
    c.Items.push_back({kAuto, kAuto});
    for (const QString& product : NominalProducts(line, data))
        c.Items.push_back({product, product});
    return c;
}
} // namespace

std::optional<CellChoices> ChoicesOf(LineField field, const Line& line, const ProjectData& data) {
    switch (field) {
    case LineField::Kind:
        return Enumeration({LineKind::Pipe, LineKind::Wall, LineKind::Duct, LineKind::Sphere},
                           KindText);
    case LineField::Installation:
        return Enumeration(
            {LineInstallation::Indoors, LineInstallation::Outdoors, LineInstallation::TypedH},
            InstallationText);
    case LineField::Orientation:
        return Enumeration({LineOrientation::Horizontal, LineOrientation::Vertical},
                           OrientationText);
    case LineField::VariedLayer:
        return Enumeration({VariedLayer::Outer, VariedLayer::Inner}, VariedLayerText);
    case LineField::Material:
        return Named(data.Materials);
    case LineField::Cladding:
        return Claddings(data);
    case LineField::Thickness:
        return Thicknesses(line, data);
    default:
        return std::nullopt;
    }
}
