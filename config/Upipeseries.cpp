#include "config/Upipeseries.h"

#include <QFileInfo>
#include <exception>

#include "config/Tntinifiles.h"
#include "config/Uutils.h"

namespace {
std::optional<PipeSeries> ParseSeries(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    if (line.startsWith(u';') || equals <= 0)
        return std::nullopt;
    PipeSeries series{line.left(equals).trimmed(), {}};
    try {
        for (const QString& part : line.mid(equals + 1).split(u';', Qt::SkipEmptyParts)) {
            const float mm = ToSingle(StrToFloat(part.trimmed()));
            if (!(mm > 0))
                return std::nullopt;
            series.diametersMm.push_back(mm);
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (series.diametersMm.empty())
        return std::nullopt;
    return series;
}
} // namespace

std::vector<PipeSeries> LoadPipeSeries(const QString& fileName) {
    std::vector<PipeSeries> all;
    if (!QFileInfo(fileName).isFile())
        return all;
    try {
        for (const QString& line : ReadTextLines(fileName)) {
            if (std::optional<PipeSeries> series = ParseSeries(line.trimmed()))
                all.push_back(std::move(*series));
        }
    } catch (const std::exception&) {
        all.clear();
    }
    return all;
}
