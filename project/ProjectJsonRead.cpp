// Reading the project file: every fault refuses the whole file with a message naming where
// it is, so that a project is either read as written or not at all.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

#include "config/Tntinifiles.h"
#include "project/ProjectFile.h"
#include "project/ProjectKeys.h"

namespace {
// Line and column (both from 1, the column in characters) of the character the parser stopped
// at: its error offset counts bytes of UTF-8 and stands just after that character.
QString Position(const QByteArray& bytes, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    const QByteArray before = bytes.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype start = before.lastIndexOf('\n') + 1;
    const qsizetype column = std::max<qsizetype>(1, QString::fromUtf8(before.mid(start)).size());
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// Reads members of one object; the first fault is kept and later reads do nothing.
class Reader {
public:
    explicit Reader(QString& error) : error_(error) {}
    void Where(const QString& where) { where_ = where; }

    void Text(const QJsonObject& o, const char* key, QString& out) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || !error_.isEmpty())
            return;
        if (!v.isString())
            return Fault(key, QStringLiteral("text"));
        out = v.toString();
    }
    void Number(const QJsonObject& o, const char* key, float& out) {
        std::optional<float> value;
        Optional(o, key, value);
        if (value)
            out = *value;
    }
    void Optional(const QJsonObject& o, const char* key, std::optional<float>& out) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || !error_.isEmpty())
            return;
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max())
            return Fault(key, QStringLiteral("a number"));
        out = static_cast<float>(d);
    }
    template <typename E>
    void Choice(const QJsonObject& o, const char* key, E& out,
                std::optional<E> (*fromText)(const QString&)) {
        QString text;
        const bool present = o.contains(QLatin1String(key));
        Text(o, key, text);
        if (!present || !error_.isEmpty())
            return;
        if (const std::optional<E> value = fromText(text))
            out = *value;
        else
            Fault(key, QStringLiteral("one of the documented words"));
    }
    bool Failed() const { return !error_.isEmpty(); }
    void Fault(const char* key, const QString& what) {
        error_ = QStringLiteral("The project file is damaged: \"%1\" %2 must be %3.")
                     .arg(QLatin1String(key), where_, what);
    }

private:
    QString& error_;
    QString where_;
};

void ReadSurface(Reader& r, const QJsonObject& o, Line& line) {
    using namespace keys;
    r.Choice(o, kInstallation, line.Installation, &InstallationFromText);
    r.Choice(o, kOrientation, line.Orientation, &OrientationFromText);
    r.Number(o, kWindSpeed, line.WindSpeed);
    r.Number(o, kWallHeight, line.WallHeight);
    r.Number(o, kSurfaceCoefficient, line.SurfaceCoefficient);
    r.Text(o, kCladding, line.Cladding);
    r.Number(o, kEmissivity, line.Emissivity);
}

void ReadThickness(Reader& r, const QJsonObject& o, Line& line) {
    using namespace keys;
    r.Optional(o, kSurfaceTempLimit, line.SurfaceTempLimit);
    r.Optional(o, MaxHeatFlowKey(line.Kind), line.MaxHeatFlow);
    if (o.contains(QLatin1String(kThickness))) {
        line.Mode = ThicknessMode::Fixed;
        r.Number(o, kThickness, line.FixedThicknessMm);
    }
    if (o.contains(QLatin1String(kProduct))) {
        line.Mode = ThicknessMode::Fixed;
        r.Text(o, kProduct, line.FixedProduct);
    }
}

// Version 2's fixed layers; a list of objects with a material and a thickness.
void ReadLayers(Reader& r, const QJsonObject& o, Line& line) {
    using namespace keys;
    r.Choice(o, kVariedLayer, line.Varied, &VariedLayerFromText);
    const QJsonValue list = o.value(QLatin1String(kLayers));
    if (list.isUndefined() || r.Failed())
        return;
    if (!list.isArray())
        return r.Fault(kLayers, QStringLiteral("a list"));
    for (const QJsonValue item : list.toArray()) {
        if (r.Failed())
            return;
        if (!item.isObject())
            return r.Fault(kLayers, QStringLiteral("a list of objects"));
        FixedLayer layer;
        r.Text(item.toObject(), kMaterial, layer.Material);
        r.Number(item.toObject(), kKFactor, layer.KFactor);
        r.Number(item.toObject(), kThickness, layer.ThicknessMm);
        line.Layers.push_back(layer);
    }
}

// Version 3's installed costs: a list of objects with a thickness, each once, and its cost.
void ReadCosts(Reader& r, const QJsonObject& o, Line& line) {
    using namespace keys;
    const QJsonValue list = o.value(QLatin1String(kInstalledCosts));
    if (list.isUndefined() || r.Failed())
        return;
    const QString what = QStringLiteral("a list of {\"thickness_mm\", \"cost_per_unit\"}, "
                                        "each thickness once");
    if (!list.isArray())
        return r.Fault(kInstalledCosts, what);
    for (const QJsonValue item : list.toArray()) {
        const QJsonObject cost = item.toObject();
        std::optional<float> mm, perUnit;
        r.Optional(cost, kThickness, mm);
        r.Optional(cost, kCostPerUnit, perUnit);
        if (r.Failed())
            return;
        if (!mm || !perUnit || !line.InstalledCosts.emplace(*mm, *perUnit).second)
            return r.Fault(kInstalledCosts, what);
    }
}

void ReadEconomics(Reader& r, const QJsonObject& o, Line& line) {
    using namespace keys;
    r.Optional(o, kLifeYears, line.LifeYears);
    r.Optional(o, kInterestRate, line.InterestRatePercent);
    r.Optional(o, kPriceIncrease, line.PriceIncreasePercent);
    ReadCosts(r, o, line);
}

// A version 1 file knows pipes and walls only and has no fixed layers, and only version 3 has
// costs and life economics (a reader of an older version ignores such keys, so this one does too).
Line ReadLine(Reader& r, const QJsonObject& o, int version) {
    using namespace keys;
    Line line;
    r.Text(o, kTag, line.Tag);
    r.Choice(o, kKind, line.Kind, &KindFromText);
    if (version < 2 && line.Kind != LineKind::Pipe && line.Kind != LineKind::Wall)
        r.Fault(kKind, QStringLiteral("one of the documented words"));
    r.Number(o, kDiameter, line.DiameterMm);
    r.Number(o, kDuctWidth, line.DuctWidthMm);
    r.Number(o, kDuctHeight, line.DuctHeightMm);
    r.Number(o, ExtentKey(line.Kind), line.Extent);
    r.Number(o, kMediumTemp, line.MediumTemp);
    r.Number(o, kAmbientTemp, line.AmbientTemp);
    r.Number(o, kHumidity, line.RelHumidity);
    ReadSurface(r, o, line);
    r.Text(o, kMaterial, line.Material);
    r.Number(o, kKFactor, line.KFactor);
    ReadThickness(r, o, line);
    r.Optional(o, kEnergyPrice, line.EnergyPrice);
    r.Optional(o, kHours, line.HoursPerYear);
    r.Optional(o, kCo2, line.Co2PerKWh);
    r.Optional(o, kWaste, line.WasteAllowance);
    if (version >= 2)
        ReadLayers(r, o, line);
    if (version >= 3)
        ReadEconomics(r, o, line);
    return line;
}

void ReadHead(Reader& r, const QJsonObject& root, Project& p, int version) {
    using namespace keys;
    const QJsonObject title = root.value(QLatin1String(kTitle)).toObject();
    r.Where(QStringLiteral("in the title"));
    r.Text(title, kProjectName, p.Title.ProjectName);
    r.Text(title, kClient, p.Title.Client);
    r.Text(title, kEngineer, p.Title.Engineer);
    r.Text(title, kDate, p.Title.Date);
    const QJsonObject settings = root.value(QLatin1String(kSettings)).toObject();
    r.Where(QStringLiteral("in the settings"));
    r.Number(settings, kEnergyPrice, p.Settings.EnergyPrice);
    r.Number(settings, kHours, p.Settings.HoursPerYear);
    r.Number(settings, kCo2, p.Settings.Co2PerKWh);
    r.Number(settings, kWaste, p.Settings.WasteAllowance);
    if (version < 3)
        return;
    r.Number(settings, kLifeYears, p.Settings.LifeYears);
    r.Number(settings, kInterestRate, p.Settings.InterestRatePercent);
    r.Number(settings, kPriceIncrease, p.Settings.PriceIncreasePercent);
}

// Format and version: another program's JSON or a newer Termora's file is not guessed at.
QString CheckFormat(const QJsonObject& root) {
    if (root.value(QLatin1String(keys::kFormat)).toString() != QLatin1String(kProjectFormat))
        return QStringLiteral("This is not a Termora project file (its \"format\" is not "
                              "\"termora-project\").");
    const QJsonValue version = root.value(QLatin1String(keys::kVersion));
    const double v = version.toDouble(-1);
    if (!version.isDouble() || v < 1 || v != std::floor(v))
        return QStringLiteral("The project file is damaged: its \"version\" is not a whole "
                              "number from 1.");
    if (v > kProjectVersion)
        return QStringLiteral("The project file was written by a newer Termora (format version "
                              "%1); this Termora reads version %2 and older.")
            .arg(version.toVariant().toLongLong())
            .arg(kProjectVersion);
    return {};
}

QString CheckShape(const QJsonObject& root) {
    for (const char* key : {keys::kTitle, keys::kSettings}) {
        const QJsonValue v = root.value(QLatin1String(key));
        if (!v.isUndefined() && !v.isObject())
            return QStringLiteral("The project file is damaged: \"%1\" must be an object.")
                .arg(QLatin1String(key));
    }
    const QJsonValue lines = root.value(QLatin1String(keys::kLines));
    if (!lines.isUndefined() && !lines.isArray())
        return QStringLiteral("The project file is damaged: \"lines\" must be a list.");
    return {};
}

std::optional<Project> ReadRoot(const QJsonObject& root, QString& error) {
    const int version = root.value(QLatin1String(keys::kVersion)).toInt();
    Project p;
    Reader r(error);
    ReadHead(r, root, p, version);
    const QJsonArray lines = root.value(QLatin1String(keys::kLines)).toArray();
    p.Lines.reserve(static_cast<size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size() && !r.Failed(); ++i) {
        if (!lines[i].isObject()) {
            error = QStringLiteral("The project file is damaged: line %1 of the list is not an "
                                   "object.")
                        .arg(i + 1);
            break;
        }
        r.Where(QStringLiteral("in line %1 of the list").arg(i + 1));
        p.Lines.push_back(ReadLine(r, lines[i].toObject(), version));
    }
    if (!error.isEmpty())
        return std::nullopt;
    return p;
}
} // namespace

ProjectReading ProjectFromJson(const QByteArray& bytes) {
    ProjectReading reading;
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        reading.Error = QStringLiteral("The project file is damaged: %1 at %2.")
                            .arg(parse.errorString(), Position(bytes, parse.offset));
        return reading;
    }
    if (!doc.isObject()) {
        reading.Error = QStringLiteral("This is not a Termora project file (it holds no JSON "
                                       "object).");
        return reading;
    }
    const QJsonObject root = doc.object();
    reading.Error = CheckFormat(root);
    if (reading.Error.isEmpty())
        reading.Error = CheckShape(root);
    if (reading.Error.isEmpty())
        reading.Read = ReadRoot(root, reading.Error);
    return reading;
}

ProjectReading LoadProject(const QString& fileName) {
    return ParseDataFile<ProjectReading>(fileName, ProjectFromJson);
}
