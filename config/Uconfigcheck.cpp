#include "config/Uconfigcheck.h"

#include <QStringList>
#include <algorithm>

#include "config/Tntinifiles.h"
#include "config/Uutils.h"
#include "engine/Ucalc.h"

namespace {

QString Number(float value) {
    return ShortestText(value);
}

// The conductivity law as the calculations evaluate it, temperatures clamped at -160 °C.
double ConductivityAt(const MaterialEntry& m, float theta) {
    const float t = std::max(theta, -160.0f);
    return static_cast<float>(double{m.Lambda0} + double{m.LambdaSlope} * t);
}

QString MaterialProblem(const MaterialEntry& m) {
    QStringList problems;
    if (!(m.MinTemp <= m.MaxTemp))
        problems << QStringLiteral("lowest temperature %1 °C is above highest temperature %2 °C")
                        .arg(Number(m.MinTemp), Number(m.MaxTemp));
    // Linear in the temperature: positive at both limits means positive in between.
    for (float limit : {m.MinTemp, m.MaxTemp}) {
        const double lambda = ConductivityAt(m, limit);
        if (!(lambda > 0)) {
            problems << QStringLiteral("thermal conductivity %1 W/m K at %2 °C is not above 0")
                            .arg(Number(static_cast<float>(lambda)), Number(limit));
            break;
        }
    }
    return problems.join(QStringLiteral("; "));
}

QString CladdingProblem(const CladdingEntry& c) {
    if (c.Emissivity >= 0.0f && c.Emissivity <= 1.0f)
        return {};
    return QStringLiteral("emission coefficient %1 is outside 0 to 1").arg(Number(c.Emissivity));
}

QString MediumProblem(const MediumEntry& m) {
    QStringList problems;
    if (!(m.Density > 0))
        problems << QStringLiteral("density %1 kg/m³ is not above 0").arg(Number(m.Density));
    if (!(m.HeatCapacity > 0))
        problems << QStringLiteral("specific heat capacity %1 J/kg K is not above 0")
                        .arg(Number(m.HeatCapacity));
    return problems.join(QStringLiteral("; "));
}

// Adds a finding for each entry with a problem; entry i comes from key prefix + (i + first).
template <typename Entry, typename Problem>
void CheckList(const TTntIniFile& ini, const char* section, const char* prefix,
               const std::vector<Entry>& entries, size_t from, size_t to, int first,
               Problem problem, std::vector<TConfigFinding>& findings) {
    for (size_t i = from; i < to; ++i) {
        const QString what = problem(entries[i]);
        if (what.isEmpty())
            continue;
        const QString key = QString::fromLatin1(prefix) + QString::number(i - from + first);
        findings.push_back({ini.LineOf(QString::fromLatin1(section), key), key,
                            QString::fromStdString(entries[i].Name), what});
    }
}

// The materials read from the file: all but the user material appended after them.
size_t FileMaterials(const std::vector<MaterialEntry>& materials) {
    const bool userLast = !materials.empty() && materials.back().Lambda0 == kKFactorMark;
    return materials.size() - (userLast ? 1 : 0);
}

} // namespace

std::vector<TConfigFinding> CheckReferenceLists(const TTntIniFile& ini,
                                                const TReferenceLists& lists) {
    std::vector<TConfigFinding> findings;
    const auto& materials = lists.Materials;
    CheckList(
        ini, "Material", "Mat", materials, 0, FileMaterials(materials), 1,
        [](const MaterialEntry& m) {
            // A configured entry with the user material's mark takes its conductivity.
            return m.Lambda0 == kKFactorMark ? QString() : MaterialProblem(m);
        },
        findings);
    const auto& claddings = lists.Claddings;
    CheckList(ini, "Cladding", "Clad", claddings, std::min<size_t>(1, claddings.size()),
              claddings.size(), 1, CladdingProblem, findings);
    CheckList(ini, "MediumType", "Med", lists.Media, 0, lists.Media.size(), 1, MediumProblem,
              findings);
    return findings;
}

QString DescribeFinding(const TConfigFinding& f) {
    const QString where = f.line > 0 ? QStringLiteral("line %1, ").arg(f.line) : QString();
    return where + f.key + QStringLiteral(" (") + f.name + QStringLiteral("): ") + f.problem;
}
