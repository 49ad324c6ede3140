#include "project/ProjectData.h"

#include <QFileInfo>

#include "config/Tntinifiles.h"
#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "config/Uutils.h"
#include "engine/Errors.h"

namespace {
// The bare steel's emission coefficient as the thickness table reads it: two decimals.
float TwoDecimals(float value) {
    try {
        return ToSingle(StrToFloat(FormatPattern(value, "#0.00")));
    } catch (const TermoraError&) {
        return 0;
    }
}

template <typename Entry>
const Entry* EntryNamed(const std::vector<Entry>* list, const QString& name) {
    if (!list)
        return nullptr;
    const std::string wanted = name.toStdString();
    for (const Entry& entry : *list) {
        if (entry.Name == wanted)
            return &entry;
    }
    return nullptr;
}
} // namespace

ProjectData ProjectData::FromShared() {
    TProcessState& state = Shared();
    ProjectData data;
    data.Materials = &state.ReferenceLists.Materials;
    data.Claddings = &state.ReferenceLists.Claddings;
    data.PipeTable = state.PipeTable ? &*state.PipeTable : nullptr;
    data.SheetTable = state.SheetTable ? &*state.SheetTable : nullptr;
    data.BareEmissivity = TwoDecimals(state.GlobalSettings.BareSteelEmissivity);
    return data;
}

const MaterialEntry* ProjectData::MaterialNamed(const QString& name) const {
    return EntryNamed(Materials, name);
}

const CladdingEntry* ProjectData::CladdingNamed(const QString& name) const {
    return EntryNamed(Claddings, name);
}

bool LoadProjectData(const QString& directory) {
    if (!QFileInfo::exists(FileBeside(directory, QStringLiteral("Termora.ini"))))
        return false;
    // No windows here: every font counts as installed.
    LoadConfiguration(directory, [](const QString&) { return true; });
    LoadPipeTable(directory);
    LoadSheetTable(directory);
    return true;
}
