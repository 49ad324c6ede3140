#include "config/Utolerance.h"

#include <cmath>
#include <exception>
#include <memory>
#include <optional>

#include "config/Tntinifiles.h"
#include "config/Ufields.h"
#include "config/Ureport.h"
#include "engine/Errors.h"
#include "engine/State.h"

namespace {

constexpr int kHeaderLines = 10;

// Fills the row field by field; a bad field throws and leaves the later ones at 0 / empty.
void FillRow(TToleranceLine& row, const QString& line) {
    TFieldSplitter fields(line);
    row.DiameterFrom = fields.NextNumber();
    row.DiameterTo = fields.NextNumber();
    row.ThicknessFrom = fields.NextNumber();
    row.ThicknessTo = fields.NextNumber();
    row.Recommendation = fields.Last().toStdString();
}

void LoadTable(const QString& directory, const QString& fileName,
               std::optional<TToleranceTable>& table) {
    table.reset();
    try {
        const QStringList lines = ReadTextLines(FileBeside(directory, fileName));
        table.emplace();
        for (qsizetype i = kHeaderLines; i < lines.size(); ++i) {
            if (lines[i].isEmpty())
                continue;
            auto row = std::make_unique<TToleranceLine>();
            TToleranceLine& added = *row;
            table->Add(std::move(row));
            FillRow(added, lines[i]);
        }
    } catch (const std::exception& e) {
        // The rows read so far, the malformed one included, stay; the rest is ignored.
        ReportError("Reading of tolerance table failed! Error: " + ErrorText(e));
    }
}

// The rows' half-open bounds: lower exclusive, upper inclusive.
bool Within(double value, double from, double to) {
    return from < value && value <= to;
}

// The diameter arrives in m as a 32-bit float: 28 mm is 0.028f, a hair above 28 mm once
// multiplied back. Diameters and bounds are compared to the micrometre, so a diameter equal
// to a bound stays equal to it and the half-open bounds hold as written in the table.
double ToMicrometres(double mm) {
    return std::round(mm * 1000.0) / 1000.0;
}

template <typename Matches>
QString Lookup(const std::optional<TToleranceTable>& table, const char* absentText,
               Matches matches) {
    try {
        if (!table)
            throw TermoraError(absentText);
        for (int i = 0; i < table->Count(); ++i) {
            const TToleranceLine& row = (*table)[i];
            if (matches(row))
                return row.Recommendation.empty() ? QStringLiteral("see Help")
                                                  : QString::fromStdString(row.Recommendation);
        }
        return QStringLiteral("see Help");
    } catch (const std::exception& e) {
        ReportError("Could not evaluate tolerance table! Error: " + ErrorText(e));
        return QStringLiteral("Error!");
    }
}

} // namespace

void LoadPipeTable(const QString& directory) {
    LoadTable(directory, QStringLiteral("tt_p.txt"), Shared().PipeTable);
}

void LoadSheetTable(const QString& directory) {
    LoadTable(directory, QStringLiteral("tt_s.txt"), Shared().SheetTable);
}

QString LookupPipeRecommendation(float outerDiameter, float thicknessMm) {
    const double diameterMm = ToMicrometres(static_cast<double>(outerDiameter) * 1000.0);
    return Lookup(Shared().PipeTable, "Pipes Tolerance table not open!",
                  [&](const TToleranceLine& row) {
                      return Within(diameterMm, ToMicrometres(row.DiameterFrom),
                                    ToMicrometres(row.DiameterTo)) &&
                             Within(thicknessMm, row.ThicknessFrom, row.ThicknessTo);
                  });
}

QString LookupSheetRecommendation(float thicknessMm) {
    return Lookup(Shared().SheetTable, "Sheets Tolerance table not open!",
                  [&](const TToleranceLine& row) {
                      return Within(thicknessMm, row.ThicknessFrom, row.ThicknessTo);
                  });
}
