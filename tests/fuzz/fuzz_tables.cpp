// The nominal thickness tables read from files, and both lookups: at the fuzzed diameter and
// thickness and at every row's own bounds.
#include <QStringList>

#include "FuzzSupport.h"
#include "config/Utolerance.h"
#include "engine/State.h"

namespace {

bool Covers(float from, float to, float value) {
    return from < value && value <= to;
}

// The sheet lookup answers with the first row whose thickness range covers the value.
QString SheetReference(const TToleranceTable& table, float thickness) {
    for (int i = 0; i < table.Count(); ++i)
        if (Covers(table[i].ThicknessFrom, table[i].ThicknessTo, thickness))
            return table[i].Recommendation.empty()
                       ? QStringLiteral("see Help")
                       : QString::fromStdString(table[i].Recommendation);
    return QStringLiteral("see Help");
}

void CheckPipe(const TToleranceTable& table, float diameter, float thickness) {
    const QString found = LookupPipeRecommendation(diameter, thickness);
    bool known = found == QStringLiteral("see Help");
    for (int i = 0; !known && i < table.Count(); ++i)
        known = found == QString::fromStdString(table[i].Recommendation);
    Require(known, "the pipe lookup answers with a row's text or \"see Help\"");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const float diameter = TakeFloat(data, size);
    const float thickness = TakeFloat(data, size);
    const QByteArray bytes = Bytes(data, size);
    WriteFile(QStringLiteral("tt_p.txt"), bytes);
    WriteFile(QStringLiteral("tt_s.txt"), bytes);
    LoadPipeTable(RunDir().path());
    LoadSheetTable(RunDir().path());
    const TProcessState& state = Shared();
    Require(state.PipeTable && state.SheetTable, "a readable file gives a table");

    CheckPipe(*state.PipeTable, diameter, thickness);
    Require(LookupSheetRecommendation(thickness) == SheetReference(*state.SheetTable, thickness),
            "the sheet lookup finds the first covering row");
    for (int i = 0; i < state.PipeTable->Count() && i < 16; ++i) {
        const TToleranceLine& row = (*state.PipeTable)[i];
        CheckPipe(*state.PipeTable, row.DiameterTo / 1000.0f, row.ThicknessTo);
        Require(LookupSheetRecommendation(row.ThicknessTo) ==
                    SheetReference(*state.SheetTable, row.ThicknessTo),
                "the sheet lookup finds the first covering row");
    }
    return 0;
}
