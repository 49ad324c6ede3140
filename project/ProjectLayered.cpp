#include "project/ProjectLayered.h"

#include <algorithm>

#include "engine/CalcFrame.h"
#include "engine/Ucalc.h"
#include "project/LineLayers.h"

namespace {
InsulatedShape ObjectOf(const Line& line) {
    InsulatedShape object;
    switch (line.Kind) {
    case LineKind::Wall:
        object.Kind = Shape::Wall;
        break;
    case LineKind::Pipe:
        object.Kind = Shape::Pipe;
        break;
    case LineKind::Duct:
        object.Kind = Shape::Duct;
        break;
    case LineKind::Sphere:
        object.Kind = Shape::Sphere;
        break;
    }
    object.Diameter = MillimetresToMetres(line.DiameterMm);
    object.Width = MillimetresToMetres(line.DuctWidthMm);
    object.Height = MillimetresToMetres(line.DuctHeightMm);
    return object;
}

InsulationLayer LayerOf(const FixedLayer& layer, const ProjectData& data) {
    const MaterialEntry& m = *data.MaterialNamed(layer.Material);
    InsulationLayer out;
    out.Law = ConductivityLawOf(m, layer.KFactor);
    out.Thickness = MillimetresToMetres(layer.ThicknessMm);
    out.MinTemp = m.MinTemp;
    out.MaxTemp = m.MaxTemp;
    return out;
}
} // namespace

LayeredTableInputs LayeredJobOf(const Line& line, const ThicknessTableInputs& job,
                                const ProjectData& data) {
    LayeredTableInputs in;
    in.Job = job;
    in.Object = ObjectOf(line);
    // The own layer's thickness is each row's; 1 mm keeps the system usable until then.
    for (const FixedLayer& layer : AllLayers(line, 1))
        in.Layers.push_back(LayerOf(layer, data));
    in.VaryInner = line.Varied == VariedLayer::Inner || line.Layers.empty();
    return in;
}

bool OwnLayerHasProducts(const Line& line) {
    const bool flatOrRound = line.Kind == LineKind::Pipe || line.Kind == LineKind::Wall;
    return flatOrRound && (line.Layers.empty() || line.Varied == VariedLayer::Inner);
}

QString BeyondLimitsText(const Line& line, const LayeredSolution& solution) {
    const std::vector<FixedLayer> layers = AllLayers(line, 0);
    for (size_t i = 0; i < solution.BeyondLimits.size() && i < layers.size(); ++i) {
        if (!solution.BeyondLimits[i])
            continue;
        const float inner = solution.Interfaces[i];
        const float outer = solution.Interfaces[i + 1];
        // A hot line's layer is beyond its highest temperature, a cold line's its lowest.
        const bool hot = line.MediumTemp > line.AmbientTemp;
        const float face = hot ? std::max(inner, outer) : std::min(inner, outer);
        return QStringLiteral("layer %1 (%2): its face at %3 °C is %4 than the material allows")
            .arg(i + 1)
            .arg(LayerMaterialText(layers[i]), QString::number(face, 'f', 1),
                 hot ? QStringLiteral("hotter") : QStringLiteral("colder"));
    }
    return {};
}
