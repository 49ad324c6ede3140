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

template <typename Entry> int IndexOf(const std::vector<Entry>* list, const QString& name) {
    if (!list)
        return -1;
    const std::string wanted = name.toStdString();
    for (size_t i = 0; i < list->size(); ++i) {
        if ((*list)[i].Name == wanted)
            return static_cast<int>(i);
    }
    return -1;
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

int ProjectData::MaterialIndex(const QString& name) const {
    return IndexOf(Materials, name);
}

int ProjectData::CladdingIndex(const QString& name) const {
    return IndexOf(Claddings, name);
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
