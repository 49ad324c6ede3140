// Writing the project file. Written by hand rather than through QJsonDocument so that the
// keys keep a reading order (format and version first, a line's inputs in the order of the
// window's columns) and each line of the plant is one line of text, which keeps files small
// and differences between two versions of a project readable.
#include <QStringList>
#include <algorithm>

#include "project/NumberText.h"
#include "project/ProjectFile.h"
#include "project/ProjectKeys.h"

namespace {
QString Quoted(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

// "key": value pairs in the order they are added.
class Members {
public:
    void Text(const char* key, const QString& value) { Add(key, Quoted(value)); }
    void Number(const char* key, float value) { Add(key, NumberText(value)); }
    void Optional(const char* key, const std::optional<float>& value) {
        if (value)
            Number(key, *value);
    }
    void Raw(const char* key, const QString& json) { Add(key, json); }
    QString Inline() const { return u'{' + items_.join(QStringLiteral(", ")) + u'}'; }
    QString Block(const QString& indent) const {
        const QString inner = indent + QStringLiteral("    ");
        return QStringLiteral("{\n") + inner + items_.join(QStringLiteral(",\n") + inner) + u'\n' +
               indent + u'}';
    }

private:
    void Add(const char* key, const QString& value) {
        items_ << Quoted(QLatin1String(key)) + QStringLiteral(": ") + value;
    }
    QStringList items_;
};

void AddSurface(Members& m, const Line& line) {
    using namespace keys;
    // Pipes and ducts run horizontally or vertically; a sphere has no orientation.
    const bool oriented = line.Kind == LineKind::Pipe || line.Kind == LineKind::Duct;
    m.Text(kInstallation, InstallationText(line.Installation));
    if (line.Installation == LineInstallation::TypedH) {
        m.Number(kSurfaceCoefficient, line.SurfaceCoefficient);
        return;
    }
    if (line.Installation == LineInstallation::Indoors && oriented)
        m.Text(kOrientation, OrientationText(line.Orientation));
    if (line.Installation == LineInstallation::Outdoors)
        m.Number(kWindSpeed, line.WindSpeed);
    if (line.Kind == LineKind::Wall)
        m.Number(kWallHeight, line.WallHeight);
    if (line.Cladding.isEmpty())
        m.Number(kEmissivity, line.Emissivity);
    else
        m.Text(kCladding, line.Cladding);
}

void AddThickness(Members& m, const Line& line) {
    using namespace keys;
    m.Optional(kSurfaceTempLimit, line.SurfaceTempLimit);
    m.Optional(MaxHeatFlowKey(line.Kind), line.MaxHeatFlow);
    if (line.Mode == ThicknessMode::Fixed && !line.FixedProduct.isEmpty())
        m.Text(kProduct, line.FixedProduct);
    else if (line.Mode == ThicknessMode::Fixed)
        m.Number(kThickness, line.FixedThicknessMm);
}

// Inside out, each {"material", "k_factor_w_mk" for the user material, "thickness_mm"}.
QString LayersJson(const std::vector<FixedLayer>& layers) {
    QStringList items;
    for (const FixedLayer& layer : layers) {
        Members m;
        m.Text(keys::kMaterial, layer.Material);
        if (layer.Material == QLatin1String(kUserMaterial))
            m.Number(keys::kKFactor, layer.KFactor);
        m.Number(keys::kThickness, layer.ThicknessMm);
        items << m.Inline();
    }
    return u'[' + items.join(QStringLiteral(", ")) + u']';
}

// Thinnest first, each {"thickness_mm", "cost_per_unit"}.
QString CostsJson(const std::map<float, float>& costs) {
    QStringList items;
    for (const auto& [mm, cost] : costs) {
        Members m;
        m.Number(keys::kThickness, mm);
        m.Number(keys::kCostPerUnit, cost);
        items << m.Inline();
    }
    return u'[' + items.join(QStringLiteral(", ")) + u']';
}

void AddEconomics(Members& m, const Line& line) {
    using namespace keys;
    m.Optional(kLifeYears, line.LifeYears);
    m.Optional(kInterestRate, line.InterestRatePercent);
    m.Optional(kPriceIncrease, line.PriceIncreasePercent);
    if (!line.InstalledCosts.empty())
        m.Raw(kInstalledCosts, CostsJson(line.InstalledCosts));
}

bool UsesEconomics(const Line& line) {
    return line.LifeYears || line.InterestRatePercent || line.PriceIncreasePercent ||
           !line.InstalledCosts.empty();
}

// The settings' life economics other than the defaults: files without them stay as before.
bool UsesEconomics(const ProjectSettings& s) {
    const ProjectSettings defaults;
    return s.LifeYears != defaults.LifeYears ||
           s.InterestRatePercent != defaults.InterestRatePercent ||
           s.PriceIncreasePercent != defaults.PriceIncreasePercent;
}

void AddObject(Members& m, const Line& line) {
    using namespace keys;
    if (line.Kind == LineKind::Pipe || line.Kind == LineKind::Sphere)
        m.Number(kDiameter, line.DiameterMm);
    if (line.Kind == LineKind::Duct) {
        m.Number(kDuctWidth, line.DuctWidthMm);
        m.Number(kDuctHeight, line.DuctHeightMm);
    }
    m.Number(ExtentKey(line.Kind), line.Extent);
}

QString LineJson(const Line& line) {
    using namespace keys;
    Members m;
    m.Text(kTag, line.Tag);
    m.Text(kKind, KindText(line.Kind));
    AddObject(m, line);
    m.Number(kMediumTemp, line.MediumTemp);
    m.Number(kAmbientTemp, line.AmbientTemp);
    m.Number(kHumidity, line.RelHumidity);
    AddSurface(m, line);
    m.Text(kMaterial, line.Material);
    if (line.Material == QLatin1String(kUserMaterial))
        m.Number(kKFactor, line.KFactor);
    AddThickness(m, line);
    if (!line.Layers.empty()) {
        m.Raw(kLayers, LayersJson(line.Layers));
        m.Text(kVariedLayer, VariedLayerText(line.Varied));
    }
    m.Optional(kEnergyPrice, line.EnergyPrice);
    m.Optional(kHours, line.HoursPerYear);
    m.Optional(kCo2, line.Co2PerKWh);
    m.Optional(kWaste, line.WasteAllowance);
    AddEconomics(m, line);
    return m.Inline();
}

QString TitleJson(const TitleBlock& title) {
    using namespace keys;
    Members m;
    m.Text(kProjectName, title.ProjectName);
    m.Text(kClient, title.Client);
    m.Text(kEngineer, title.Engineer);
    m.Text(kDate, title.Date);
    return m.Block(QStringLiteral("    "));
}

QString SettingsJson(const ProjectSettings& s) {
    using namespace keys;
    Members m;
    m.Number(kEnergyPrice, s.EnergyPrice);
    m.Number(kHours, s.HoursPerYear);
    m.Number(kCo2, s.Co2PerKWh);
    m.Number(kWaste, s.WasteAllowance);
    if (UsesEconomics(s)) {
        m.Number(kLifeYears, s.LifeYears);
        m.Number(kInterestRate, s.InterestRatePercent);
        m.Number(kPriceIncrease, s.PriceIncreasePercent);
    }
    return m.Block(QStringLiteral("    "));
}

QString LinesJson(const std::vector<Line>& lines) {
    if (lines.empty())
        return QStringLiteral("[]");
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const Line& line : lines)
        items << QStringLiteral("        ") + LineJson(line);
    return QStringLiteral("[\n") + items.join(QStringLiteral(",\n")) + QStringLiteral("\n    ]");
}
} // namespace

// A reader of an older version would drop what it does not know when it saves: it is to
// refuse the file instead.
int ProjectVersionOf(const Project& project) {
    int version = UsesEconomics(project.Settings) ? 3 : 1;
    for (const Line& line : project.Lines) {
        if (UsesEconomics(line))
            return 3;
        if (IsLayered(line))
            version = std::max(version, 2);
    }
    return version;
}

QByteArray ProjectToJson(const Project& project) {
    using namespace keys;
    Members root;
    root.Text(kFormat, QLatin1String(kProjectFormat));
    root.Raw(kVersion, QString::number(ProjectVersionOf(project)));
    root.Raw(kTitle, TitleJson(project.Title));
    root.Raw(kSettings, SettingsJson(project.Settings));
    root.Raw(kLines, LinesJson(project.Lines));
    return (root.Block(QString()) + u'\n').toUtf8();
}
