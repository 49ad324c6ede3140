#include "project/Project.h"

#include <array>
#include <utility>

namespace {
template <typename E, size_t N>
std::optional<E> FromText(const std::array<std::pair<E, const char*>, N>& names,
                          const QString& text) {
    const QString wanted = text.trimmed();
    for (const auto& [value, name] : names) {
        if (wanted.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

template <typename E, size_t N>
QString ToText(const std::array<std::pair<E, const char*>, N>& names, E value) {
    for (const auto& [each, name] : names) {
        if (each == value)
            return QLatin1String(name);
    }
    return {};
}

constexpr std::array<std::pair<LineKind, const char*>, 4> kKinds{{{LineKind::Pipe, "pipe"},
                                                                  {LineKind::Wall, "wall"},
                                                                  {LineKind::Duct, "duct"},
                                                                  {LineKind::Sphere, "sphere"}}};
constexpr std::array<std::pair<VariedLayer, const char*>, 2> kVaried{
    {{VariedLayer::Outer, "outer"}, {VariedLayer::Inner, "inner"}}};
constexpr std::array<std::pair<LineInstallation, const char*>, 3> kInstallations{
    {{LineInstallation::Indoors, "indoors"},
     {LineInstallation::Outdoors, "outdoors"},
     {LineInstallation::TypedH, "typed h"}}};
constexpr std::array<std::pair<LineOrientation, const char*>, 2> kOrientations{
    {{LineOrientation::Horizontal, "horizontal"}, {LineOrientation::Vertical, "vertical"}}};
} // namespace

ProjectSettings EffectiveSettings(const Line& line, const ProjectSettings& project) {
    ProjectSettings s = project;
    s.EnergyPrice = line.EnergyPrice.value_or(project.EnergyPrice);
    s.HoursPerYear = line.HoursPerYear.value_or(project.HoursPerYear);
    s.Co2PerKWh = line.Co2PerKWh.value_or(project.Co2PerKWh);
    s.WasteAllowance = line.WasteAllowance.value_or(project.WasteAllowance);
    s.LifeYears = line.LifeYears.value_or(project.LifeYears);
    s.InterestRatePercent = line.InterestRatePercent.value_or(project.InterestRatePercent);
    s.PriceIncreasePercent = line.PriceIncreasePercent.value_or(project.PriceIncreasePercent);
    return s;
}

bool IsLayered(const Line& line) {
    return !line.Layers.empty() || line.Kind == LineKind::Duct || line.Kind == LineKind::Sphere;
}

QString VariedLayerText(VariedLayer varied) {
    return ToText(kVaried, varied);
}
std::optional<VariedLayer> VariedLayerFromText(const QString& text) {
    return FromText(kVaried, text);
}

QString KindText(LineKind kind) {
    return ToText(kKinds, kind);
}
QString InstallationText(LineInstallation installation) {
    return ToText(kInstallations, installation);
}
QString OrientationText(LineOrientation orientation) {
    return ToText(kOrientations, orientation);
}
std::optional<LineKind> KindFromText(const QString& text) {
    return FromText(kKinds, text);
}
std::optional<LineInstallation> InstallationFromText(const QString& text) {
    return FromText(kInstallations, text);
}
std::optional<LineOrientation> OrientationFromText(const QString& text) {
    return FromText(kOrientations, text);
}
