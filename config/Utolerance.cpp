#include "config/Utolerance.h"

#include <exception>
#include <memory>
#include <optional>

#include "config/Tntinifiles.h"
#include "config/Ufields.h"
#include "config/Ureport.h"
#include "engine/Errors.h"
#include "engine/NominalTable.h"
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

// The recommendation of the first row covering the diameter (pipes) and thickness.
QString Lookup(const std::optional<TToleranceTable>& table, const char* absentText, bool pipe,
               float outerDiameter, float thicknessMm) {
    try {
        if (!table)
            throw TermoraError(absentText);
        const TToleranceLine* row = NominalRow(*table, pipe, outerDiameter, thicknessMm);
        if (!row || row->Recommendation.empty())
            return QStringLiteral("see Help");
        return QString::fromStdString(row->Recommendation);
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
    return Lookup(Shared().PipeTable, "Pipes Tolerance table not open!", true, outerDiameter,
                  thicknessMm);
}

QString LookupSheetRecommendation(float thicknessMm) {
    return Lookup(Shared().SheetTable, "Sheets Tolerance table not open!", false, 0, thicknessMm);
}
