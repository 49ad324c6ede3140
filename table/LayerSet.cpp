#include "table/LayerSet.h"

#include "engine/State.h"
#include "engine/Ucalc.h"
#include "table/TableFormat.h"

namespace {
bool UserMaterial(int material) {
    const auto& materials = Shared().ReferenceLists.Materials;
    return material < 0 || material >= static_cast<int>(materials.size()) ||
           materials[static_cast<size_t>(material)].Lambda0 == kKFactorMark;
}

QString MaterialName(int material) {
    if (UserMaterial(material))
        return QStringLiteral("k-factor");
    return QString::fromStdString(
        Shared().ReferenceLists.Materials[static_cast<size_t>(material)].Name);
}

QString Mm(double metres) {
    return ShortNumber(static_cast<float>(metres * 1000.0), 1);
}
} // namespace

InsulationLayer LayerOf(int material, float kFactor, float thickness) {
    InsulationLayer layer;
    layer.Thickness = thickness;
    if (UserMaterial(material)) {
        layer.Law = {kFactor, 0};
        return layer;
    }
    layer.Law = ConductivityLawOf(material);
    layer.MinTemp = MaterialMinTemp(material);
    layer.MaxTemp = MaterialMaxTemp(material);
    return layer;
}

bool IsSingleLayer(const LayerSet& set) {
    return set.Fixed.empty() && (set.Object.Kind == Shape::Pipe || set.Object.Kind == Shape::Wall);
}

LayeredTableInputs LayeredJob(const ThicknessTableInputs& job, int material, const LayerSet& set) {
    LayeredTableInputs in;
    in.Job = job;
    in.Object = set.Object;
    in.VaryInner = set.VaryInner;
    for (const FixedLayerChoice& f : set.Fixed)
        in.Layers.push_back(
            LayerOf(f.Material, f.KFactor, static_cast<float>(f.ThicknessMm * 1e-3)));
    InsulationLayer varied = LayerOf(material, job.Law.Lambda0, 0.001f);
    varied.Law = job.Law; // as the job read it, the typed k-factor included
    in.Layers.insert(set.VaryInner ? in.Layers.begin() : in.Layers.end(), varied);
    return in;
}

QStringList LayerNames(const LayerSet& set, int variedMaterial) {
    QStringList names;
    for (const FixedLayerChoice& f : set.Fixed)
        names << MaterialName(f.Material);
    const QString varied = MaterialName(variedMaterial) + QStringLiteral(" (varied)");
    if (set.VaryInner)
        names.prepend(varied);
    else
        names << varied;
    for (int i = 0; i < names.size(); ++i)
        names[i] = QString::number(i + 1) + u' ' + names[i];
    return names;
}

QString InterfacesText(const LayeredSolution& s) {
    QStringList temps;
    for (float t : s.Interfaces)
        temps << Cell(t, 2);
    return temps.join(QStringLiteral(" / "));
}

QString BeyondLimitsText(const LayeredSolution& s, const QStringList& names) {
    QStringList beyond;
    for (size_t i = 0; i < s.BeyondLimits.size(); ++i)
        if (s.BeyondLimits[i] && static_cast<int>(i) < names.size())
            beyond << names[static_cast<int>(i)];
    return beyond.join(QStringLiteral(", "));
}

QString LayeredMinimaText(const LayeredTable& t, const LayerSet& set, const QStringList& names,
                          const QStringList& rowNames) {
    QString text;
    if (t.Table.Rows.empty())
        return text;
    if (set.VaryInner && !set.Fixed.empty()) {
        text += QStringLiteral(" Minimum inner layer so that the outer material stays within "
                               "its limit: ");
        text += t.InnerForOuterLimits ? Mm(*t.InnerForOuterLimits) + QStringLiteral(" mm.")
                                      : QStringLiteral("over 1000 mm.");
    }
    QStringList rows;
    for (size_t i = 1; i < t.Solutions.size() && static_cast<int>(i) < rowNames.size(); ++i)
        if (!BeyondLimitsText(t.Solutions[i], names).isEmpty())
            rows << rowNames[static_cast<int>(i)];
    if (!rows.isEmpty())
        text += QStringLiteral(" Warning: an interface is beyond the temperature limits of its "
                               "layer's material at ") +
                rows.join(QStringLiteral(", ")) + QStringLiteral(" mm.");
    return text;
}

QString UnitOf(Shape shape) {
    switch (shape) {
    case Shape::Wall:
        return QStringLiteral("m²");
    case Shape::Sphere:
        return QStringLiteral("vessel");
    case Shape::Pipe:
    case Shape::Duct:
        break;
    }
    return QStringLiteral("m");
}

QStringList LayerSetSummary(const LayerSet& set, int variedMaterial) {
    const InsulatedShape& o = set.Object;
    QString object;
    switch (o.Kind) {
    case Shape::Pipe:
        object = QStringLiteral("pipe, outside diameter ") + Mm(o.Diameter) + QStringLiteral(" mm");
        break;
    case Shape::Wall:
        object = QStringLiteral("wall");
        break;
    case Shape::Duct:
        object = QStringLiteral("rectangular duct, outer width ") + Mm(o.Width) +
                 QStringLiteral(" mm, height ") + Mm(o.Height) + QStringLiteral(" mm");
        break;
    case Shape::Sphere:
        object = QStringLiteral("sphere, outer diameter ") + Mm(o.Diameter) + QStringLiteral(" mm");
        break;
    }
    QStringList layers = LayerNames(set, variedMaterial);
    const int first = set.VaryInner ? 1 : 0;
    for (size_t i = 0; i < set.Fixed.size(); ++i) {
        QString& line = layers[first + static_cast<int>(i)];
        if (UserMaterial(set.Fixed[i].Material))
            line += u' ' + ShortNumber(set.Fixed[i].KFactor, 4) + QStringLiteral(" W/mK");
        line += u' ' + ShortNumber(set.Fixed[i].ThicknessMm, 1) + QStringLiteral(" mm");
    }
    return {QStringLiteral("Object: ") + object,
            QStringLiteral("Layers (inside out): ") + layers.join(QStringLiteral("; "))};
}
