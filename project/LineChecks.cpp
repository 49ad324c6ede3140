#include "project/LineChecks.h"

#include "config/JobBounds.h"
#include "engine/CalcFrame.h"
#include "engine/Ucalc.h"

namespace {
using namespace jobbounds;

// Collects the first fault; the later checks then do nothing.
class Checker {
public:
    void Bound(LineField field, float value, Range r) {
        Require(field, Within(value, r.Lowest, r.Highest));
    }
    void Temperature(LineField field, float value) { Require(field, TemperatureInRange(value)); }
    void Require(LineField field, bool ok, const QString& message = kSenselessValueText) {
        if (!ok && !refusal)
            refusal = LineRefusal{field, message, false};
    }
    void Missing(LineField field, const QString& what, const QString& name) {
        if (!refusal)
            refusal = LineRefusal{
                field, QStringLiteral("%1 \"%2\" is not in Termora.ini").arg(what, name), true};
    }
    std::optional<LineRefusal> refusal;
};

void CheckMaterial(Checker& c, const Line& line, const ProjectData& data) {
    if (line.Material.isEmpty())
        return c.Require(LineField::Material, false, kNoMaterialText);
    const MaterialEntry* m = data.MaterialNamed(line.Material);
    if (!m)
        return c.Missing(LineField::Material, QStringLiteral("material"), line.Material);
    if (m->Lambda0 == kKFactorMark)
        c.Bound(LineField::KFactor, line.KFactor, kKFactor);
}

void CheckSurface(Checker& c, const Line& line, const ProjectData& data) {
    if (line.Installation == LineInstallation::TypedH)
        return c.Require(LineField::SurfaceCoefficient,
                         SurfaceCoefficientInRange(line.SurfaceCoefficient));
    if (line.Cladding.isEmpty())
        c.Bound(LineField::Emissivity, line.Emissivity, kEmissivity);
    else if (!data.CladdingNamed(line.Cladding))
        c.Missing(LineField::Cladding, QStringLiteral("cladding"), line.Cladding);
    if (line.Installation == LineInstallation::Outdoors)
        c.Require(LineField::WindSpeed, WindSpeedInRange(line.WindSpeed));
    if (line.Kind == LineKind::Wall)
        c.Bound(LineField::WallHeight, line.WallHeight, kSheetHeight);
}

// The life economics as the table's fields bound them; each cost as its column does.
void CheckEconomics(Checker& c, const Line& line, const ProjectSettings& s) {
    c.Bound(LineField::LifeYears, s.LifeYears, kLifeYears);
    c.Bound(LineField::InterestRate, s.InterestRatePercent, kInterestPercent);
    c.Bound(LineField::PriceIncrease, s.PriceIncreasePercent, kPriceIncreasePercent);
    for (const auto& [mm, cost] : line.InstalledCosts) {
        c.Bound(LineField::InstalledCosts, mm, kThicknessMm);
        c.Bound(LineField::InstalledCosts, cost, kInstalledCost);
    }
}

void CheckYear(Checker& c, const Line& line, const ProjectSettings& s) {
    // A number of spheres may be a fraction (a vessel's two heads make one).
    c.Bound(LineField::Extent, line.Extent, line.Kind == LineKind::Wall ? kWallArea : kPipeLength);
    c.Bound(LineField::EnergyPrice, s.EnergyPrice, kEnergyPrice);
    c.Bound(LineField::HoursPerYear, s.HoursPerYear, kHoursPerYear);
    c.Bound(LineField::Co2PerKWh, s.Co2PerKWh, kCo2PerKWh);
    if (line.SurfaceTempLimit)
        c.Temperature(LineField::SurfaceTempLimit, *line.SurfaceTempLimit);
    if (line.MaxHeatFlow)
        c.Bound(LineField::MaxHeatFlow, *line.MaxHeatFlow, kMaxHeatFlow);
    if (line.Mode == ThicknessMode::Fixed && line.FixedProduct.isEmpty())
        c.Bound(LineField::Thickness, line.FixedThicknessMm, kThicknessMm);
    c.Bound(LineField::WasteAllowance, s.WasteAllowance, Range{0, 1000});
    CheckEconomics(c, line, s);
}

// The layers beside the line's own: each a material of the data and a thickness.
void CheckLayers(Checker& c, const Line& line, const ProjectData& data) {
    c.Require(LineField::Layers, line.Layers.size() < static_cast<size_t>(kMaxLineLayers),
              QStringLiteral("at most %1 layers in all").arg(kMaxLineLayers));
    for (const FixedLayer& layer : line.Layers) {
        if (layer.Material.isEmpty())
            return c.Require(LineField::Layers, false, kNoMaterialText);
        const MaterialEntry* m = data.MaterialNamed(layer.Material);
        if (!m)
            return c.Missing(LineField::Layers, QStringLiteral("material"), layer.Material);
        if (m->Lambda0 == kKFactorMark)
            c.Bound(LineField::Layers, layer.KFactor, kKFactor);
        c.Bound(LineField::Layers, layer.ThicknessMm, kThicknessMm);
    }
}

void CheckObject(Checker& c, const Line& line) {
    if (line.Kind == LineKind::Pipe || line.Kind == LineKind::Sphere)
        c.Bound(LineField::Diameter, line.DiameterMm, kDiameterMm);
    if (line.Kind != LineKind::Duct)
        return;
    c.Bound(LineField::DuctWidth, line.DuctWidthMm, kDiameterMm);
    c.Bound(LineField::DuctHeight, line.DuctHeightMm, kDiameterMm);
}

// The line's own material against the medium where it lies on the object; outside fixed
// layers its limits are checked at its interface by the computation.
void CheckLimits(Checker& c, const Line& line, const ProjectData& data) {
    const MaterialEntry* m = data.MaterialNamed(line.Material);
    if (!m || c.refusal || (!line.Layers.empty() && line.Varied == VariedLayer::Outer))
        return;
    const float highest = m->MaxTemp;
    c.Require(LineField::MediumTemp, !(highest < line.AmbientTemp || highest < line.MediumTemp),
              kTooHotForMaterialText);
}
} // namespace

std::optional<LineRefusal> CheckLine(const Line& line, const ProjectSettings& settings,
                                     const ProjectData& data) {
    Checker c;
    CheckObject(c, line);
    c.Temperature(LineField::AmbientTemp, line.AmbientTemp);
    c.Temperature(LineField::MediumTemp, line.MediumTemp);
    CheckMaterial(c, line, data);
    c.Bound(LineField::RelHumidity, line.RelHumidity,
            line.Kind == LineKind::Wall ? kWallHumidity : kPipeHumidity);
    if (!c.refusal)
        c.Require(LineField::RelHumidity, DewPointBelowAir(line.AmbientTemp, line.RelHumidity));
    CheckSurface(c, line, data);
    CheckYear(c, line, settings);
    CheckLayers(c, line, data);
    CheckLimits(c, line, data);
    return c.refusal;
}
