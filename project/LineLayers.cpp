#include "project/LineLayers.h"

#include <QStringList>

#include "project/NumberText.h"
#include "project/ProjectKeys.h"

namespace {
const QLatin1String kKPrefix("k=");

// One item: "<material> <mm>" or "k=<W/mK> <mm>".
QString ReadLayer(const QString& item, FixedLayer& layer) {
    const qsizetype blank = item.lastIndexOf(u' ');
    if (blank <= 0)
        return QStringLiteral("'%1' is not a material and a thickness in mm").arg(item);
    const std::optional<float> mm = TryNumber(item.mid(blank + 1));
    if (!mm)
        return QStringLiteral("'%1' is not a thickness in mm").arg(item.mid(blank + 1));
    layer.ThicknessMm = *mm;
    const QString material = item.left(blank).trimmed();
    if (!material.startsWith(kKPrefix, Qt::CaseInsensitive)) {
        layer.Material = material;
        return {};
    }
    const std::optional<float> k = TryNumber(material.mid(kKPrefix.size()).trimmed());
    if (!k)
        return QStringLiteral("'%1' is not a k-factor").arg(material);
    layer.Material = QLatin1String(kUserMaterial);
    layer.KFactor = *k;
    return {};
}
} // namespace

QString LayerMaterialText(const FixedLayer& layer) {
    if (layer.Material == QLatin1String(kUserMaterial))
        return kKPrefix + NumberText(layer.KFactor);
    return layer.Material;
}

QString LayersText(const std::vector<FixedLayer>& layers) {
    QStringList items;
    for (const FixedLayer& layer : layers)
        items << LayerMaterialText(layer) + u' ' + NumberText(layer.ThicknessMm);
    return items.join(QStringLiteral("; "));
}

QString SetLayersText(std::vector<FixedLayer>& layers, const QString& text) {
    std::vector<FixedLayer> read;
    for (const QString& part : text.split(u';')) {
        const QString item = part.simplified();
        if (item.isEmpty())
            continue;
        FixedLayer layer;
        const QString fault = ReadLayer(item, layer);
        if (!fault.isEmpty())
            return fault;
        read.push_back(layer);
    }
    layers = std::move(read);
    return {};
}

std::vector<FixedLayer> AllLayers(const Line& line, float thicknessMm) {
    std::vector<FixedLayer> all = line.Layers;
    const FixedLayer own{line.Material, line.KFactor, thicknessMm};
    if (line.Varied == VariedLayer::Inner)
        all.insert(all.begin(), own);
    else
        all.push_back(own);
    return all;
}
