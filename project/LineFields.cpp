#include "project/LineFields.h"

#include <QRegularExpression>
#include <array>

#include "config/Uutils.h"
#include "engine/Errors.h"
#include "project/InstalledCosts.h"
#include "project/LineLayers.h"
#include "project/NumberText.h"

namespace {
struct FieldColumn {
    LineField Field;
    const char* Name;
    const char* Unit; // "" for none
};

constexpr std::array<FieldColumn, kLineFieldCount> kColumns{{
    {LineField::Tag, "Tag", ""},
    {LineField::Kind, "Kind", ""},
    {LineField::Diameter, "Outside diameter", "mm"},
    {LineField::Extent, "Length or area", "m or m²"},
    {LineField::MediumTemp, "Medium temperature", "°C"},
    {LineField::AmbientTemp, "Ambient temperature", "°C"},
    {LineField::RelHumidity, "Relative humidity", "%"},
    {LineField::Installation, "Installation", ""},
    {LineField::Orientation, "Orientation", ""},
    {LineField::WindSpeed, "Wind speed", "m/s"},
    {LineField::WallHeight, "Wall height", "m"},
    {LineField::SurfaceCoefficient, "Surface coefficient", "W/m²K"},
    {LineField::Cladding, "Cladding", ""},
    {LineField::Emissivity, "Emission coefficient", ""},
    {LineField::Material, "Material", ""},
    {LineField::KFactor, "k-factor", "W/mK"},
    {LineField::SurfaceTempLimit, "Surface temperature limit", "°C"},
    {LineField::MaxHeatFlow, "Maximum heat flow", "W/m or W/m²"},
    {LineField::Thickness, "Thickness", "mm"},
    {LineField::EnergyPrice, "Energy price", "per kWh"},
    {LineField::HoursPerYear, "Hours per year", "h"},
    {LineField::Co2PerKWh, "CO2 per kWh", "kg"},
    {LineField::WasteAllowance, "Waste allowance", "%"},
    {LineField::DuctWidth, "Duct width", "mm"},
    {LineField::DuctHeight, "Duct height", "mm"},
    {LineField::Layers, "Fixed layers", "mm"},
    {LineField::VariedLayer, "Varied layer", ""},
    {LineField::InstalledCosts, "Installed costs", "mm=cost per m or m²"},
    {LineField::LifeYears, "Life", "years"},
    {LineField::InterestRate, "Interest rate", "%/a"},
    {LineField::PriceIncrease, "Energy price increase", "%/a"},
}};

const FieldColumn& ColumnOf(LineField field) {
    return kColumns[static_cast<size_t>(field)];
}

template <typename L> auto NumberOf(L& line, LineField field) -> decltype(&line.Extent) {
    switch (field) {
    case LineField::Diameter:
        return &line.DiameterMm;
    case LineField::Extent:
        return &line.Extent;
    case LineField::MediumTemp:
        return &line.MediumTemp;
    case LineField::AmbientTemp:
        return &line.AmbientTemp;
    case LineField::RelHumidity:
        return &line.RelHumidity;
    case LineField::WindSpeed:
        return &line.WindSpeed;
    case LineField::WallHeight:
        return &line.WallHeight;
    case LineField::SurfaceCoefficient:
        return &line.SurfaceCoefficient;
    case LineField::Emissivity:
        return &line.Emissivity;
    case LineField::KFactor:
        return &line.KFactor;
    case LineField::DuctWidth:
        return &line.DuctWidthMm;
    case LineField::DuctHeight:
        return &line.DuctHeightMm;
    default:
        return nullptr;
    }
}

template <typename L> auto OptionalOf(L& line, LineField field) -> decltype(&line.MaxHeatFlow) {
    switch (field) {
    case LineField::SurfaceTempLimit:
        return &line.SurfaceTempLimit;
    case LineField::MaxHeatFlow:
        return &line.MaxHeatFlow;
    case LineField::EnergyPrice:
        return &line.EnergyPrice;
    case LineField::HoursPerYear:
        return &line.HoursPerYear;
    case LineField::Co2PerKWh:
        return &line.Co2PerKWh;
    case LineField::WasteAllowance:
        return &line.WasteAllowance;
    case LineField::LifeYears:
        return &line.LifeYears;
    case LineField::InterestRate:
        return &line.InterestRatePercent;
    case LineField::PriceIncrease:
        return &line.PriceIncreasePercent;
    default:
        return nullptr;
    }
}

template <typename L> auto TextOf(L& line, LineField field) -> decltype(&line.Tag) {
    switch (field) {
    case LineField::Tag:
        return &line.Tag;
    case LineField::Cladding:
        return &line.Cladding;
    case LineField::Material:
        return &line.Material;
    default:
        return nullptr;
    }
}

QString ThicknessText(const Line& line) {
    if (line.Mode == ThicknessMode::Automatic)
        return QStringLiteral("auto");
    if (!line.FixedProduct.isEmpty())
        return line.FixedProduct;
    return NumberText(line.FixedThicknessMm);
}

// "auto", a number of mm, or else a product's name.
void SetThickness(Line& line, const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        line.Mode = ThicknessMode::Automatic;
        return;
    }
    line.Mode = ThicknessMode::Fixed;
    if (const std::optional<float> mm = TryNumber(trimmed)) {
        line.FixedThicknessMm = *mm;
        line.FixedProduct.clear();
    } else {
        line.FixedProduct = trimmed;
    }
}

template <typename E> QString SetEnum(E& target, std::optional<E> value, const QString& text) {
    if (!value)
        return QStringLiteral("'%1' is not one of the choices").arg(text.trimmed());
    target = *value;
    return {};
}
} // namespace

QString FieldName(LineField field) {
    return QString::fromUtf8(ColumnOf(field).Name);
}

QString FieldHeader(LineField field) {
    const FieldColumn& c = ColumnOf(field);
    if (*c.Unit == 0)
        return FieldName(field);
    return FieldName(field) + QStringLiteral(" (") + QString::fromUtf8(c.Unit) + u')';
}

std::optional<LineField> FieldFromHeader(const QString& header) {
    static const QRegularExpression unit(QStringLiteral("\\s*[\\(\\[][^\\)\\]]*[\\)\\]]\\s*$"));
    QString name = header;
    name.remove(unit);
    name = name.simplified();
    for (const FieldColumn& c : kColumns) {
        if (name.compare(QString::fromUtf8(c.Name), Qt::CaseInsensitive) == 0)
            return c.Field;
    }
    return std::nullopt;
}

QString FieldText(const Line& line, LineField field) {
    if (const float* number = NumberOf(line, field))
        return NumberText(*number);
    if (const std::optional<float>* value = OptionalOf(line, field))
        return *value ? NumberText(**value) : QString();
    if (const QString* text = TextOf(line, field))
        return *text;
    switch (field) {
    case LineField::Kind:
        return KindText(line.Kind);
    case LineField::Installation:
        return InstallationText(line.Installation);
    case LineField::Orientation:
        return OrientationText(line.Orientation);
    case LineField::Layers:
        return LayersText(line.Layers);
    case LineField::VariedLayer:
        return VariedLayerText(line.Varied);
    case LineField::InstalledCosts:
        return InstalledCostsText(line.InstalledCosts);
    default:
        return ThicknessText(line);
    }
}

QString SetFieldText(Line& line, LineField field, const QString& text) {
    try {
        if (float* number = NumberOf(line, field)) {
            *number = ReadNumber(text);
            return {};
        }
        if (std::optional<float>* value = OptionalOf(line, field)) {
            *value = text.trimmed().isEmpty() ? std::nullopt : std::optional(ReadNumber(text));
            return {};
        }
    } catch (const TermoraError& e) {
        return QString::fromStdString(e.what());
    }
    if (QString* target = TextOf(line, field)) {
        *target = field == LineField::Tag ? text : text.trimmed();
        return {};
    }
    switch (field) {
    case LineField::Kind:
        return SetEnum(line.Kind, KindFromText(text), text);
    case LineField::Installation:
        return SetEnum(line.Installation, InstallationFromText(text), text);
    case LineField::Orientation:
        return SetEnum(line.Orientation, OrientationFromText(text), text);
    case LineField::Layers:
        return SetLayersText(line.Layers, text);
    case LineField::VariedLayer:
        return SetEnum(line.Varied, VariedLayerFromText(text), text);
    case LineField::InstalledCosts:
        return SetInstalledCostsText(line.InstalledCosts, text);
    default:
        SetThickness(line, text);
        return {};
    }
}
