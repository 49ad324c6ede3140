#include "config/Uconfig.h"

#include <exception>
#include <memory>

#include "config/Tntinifiles.h"
#include "config/Uconfigcheck.h"
#include "config/Uconfiggaps.h"
#include "config/Ufields.h"
#include "config/Ureport.h"
#include "engine/State.h"
#include "engine/Ucalc.h"

namespace {

const QString kNoValue;

// Reads <prefix>1, <prefix>2, ... (or from 0) until the first empty value.
// The progress names the key being read, for the report of a load that stops there.
template <typename Handle>
void ForEachNumbered(const TTntIniFile& ini, const QString& section, const QString& prefix,
                     int first, Handle handle, TLoadProgress* progress = nullptr) {
    for (int i = first;; ++i) {
        QString value = ini.ReadValue(section, prefix + QString::number(i), kNoValue);
        if (value.isEmpty())
            return;
        if (progress)
            progress->index = i;
        handle(value);
    }
}

// The user material, whose conductivity is entered at run time.
void AddUserMaterial(std::vector<MaterialEntry>& materials) {
    materials.push_back({"k-factor", kKFactorMark, -99.0f, -200.0f, 200.0f});
}

void LoadMaterials(const TTntIniFile& ini, std::vector<MaterialEntry>& materials,
                   TLoadProgress& progress) {
    ForEachNumbered(
        ini, "Material", "Mat", 1,
        [&](const QString& value) {
            TFieldSplitter fields(value);
            MaterialEntry m;
            m.Name = fields.Next().toStdString();
            m.Lambda0 = fields.NextNumber();
            m.LambdaSlope = fields.NextNumber();
            m.MinTemp = fields.NextNumber();
            m.MaxTemp = fields.LastNumber();
            materials.push_back(std::move(m));
        },
        &progress);
    AddUserMaterial(materials);
}

void LoadCladdings(const TTntIniFile& ini, TReferenceLists& lists, TGlobalSettings& settings,
                   TLoadProgress& progress) {
    lists.Claddings.push_back({"None", 0.93f});
    ForEachNumbered(
        ini, "Cladding", "Clad", 1,
        [&](const QString& value) {
            TFieldSplitter fields(value);
            CladdingEntry c;
            c.Name = fields.Next().toStdString();
            c.Emissivity = fields.LastNumber();
            if (c.Name == "Fe")
                settings.BareSteelEmissivity = c.Emissivity;
            lists.Claddings.push_back(std::move(c));
        },
        &progress);
    if (settings.BareSteelEmissivity == 0.0f)
        settings.BareSteelEmissivity = 0.7f;
}

void LoadMedia(const TTntIniFile& ini, std::vector<MediumEntry>& media, TLoadProgress& progress) {
    ForEachNumbered(
        ini, "MediumType", "Med", 1,
        [&](const QString& value) {
            TFieldSplitter fields(value);
            MediumEntry m;
            m.Name = fields.Next().toStdString();
            m.Density = fields.NextNumber();
            m.HeatCapacity = fields.NextNumber();
            m.LatentHeat = fields.NextNumber();
            m.FreezingTemp = fields.LastNumber();
            media.push_back(std::move(m));
        },
        &progress);
}

uint8_t CharSetOf(const QString& text) {
    bool ok = false;
    qlonglong value = text.toLongLong(&ok);
    return ok ? static_cast<uint8_t>(value & 0xFF) : 0;
}

void LoadDisplaySettings(const TTntIniFile& ini, const FontTest& fontInstalled,
                         TGlobalSettings& settings) {
    const QString preferred = QStringLiteral("Arial Unicode MS");
    settings.FontName = (fontInstalled && fontInstalled(preferred))
                            ? preferred.toStdString()
                            : ini.ReadValue("Global", "FontName", "Arial").toStdString();
    settings.CurrCharSet = CharSetOf(ini.ReadValue("Global", "CurrCharSet", "0"));
    settings.SalesAdress = ini.ReadValue("Global", "SalesAdress", kNoValue).toStdString();
}

void LoadHelpFiles(const TTntIniFile& ini, const QString& directory, TProcessState& state) {
    QString helpDir = ini.ReadValue("Global", "HelpFileDir", "HELP");
    state.GlobalSettings.HelpFileDir = helpDir.toStdString();
    const QString prefix = FileBeside(directory, helpDir) + u'/';
    ForEachNumbered(ini, "HelpFiles", "Help", 0, [&](const QString& value) {
        state.ReferenceLists.HelpFiles.push_back((prefix + value).toStdString());
    });
}

void LoadFrom(const TTntIniFile& ini, const QString& directory, const FontTest& fontInstalled,
              TProcessState& state, TLoadProgress& progress) {
    progress.step = TLoadProgress::Materials;
    LoadMaterials(ini, state.ReferenceLists.Materials, progress);
    progress.step = TLoadProgress::Claddings;
    LoadCladdings(ini, state.ReferenceLists, state.GlobalSettings, progress);
    progress.step = TLoadProgress::Settings;
    LoadDisplaySettings(ini, fontInstalled, state.GlobalSettings);
    progress.step = TLoadProgress::Media;
    LoadMedia(ini, state.ReferenceLists.Media, progress);
    progress.step = TLoadProgress::HelpFiles;
    state.GlobalSettings.ShowSurfaceTemp = ini.ReadValue("Global", "ShowSurfaceTemp", "0") == "1";
    LoadHelpFiles(ini, directory, state);
    progress.step = TLoadProgress::Done;
}

// After a failed load the program stays usable: the user material is offered and a bare
// surface keeps its usual emission coefficient.
void CompleteAfterFailure(TProcessState& state) {
    auto& materials = state.ReferenceLists.Materials;
    if (materials.empty() || materials.back().Lambda0 != kKFactorMark ||
        materials.back().Name != "k-factor")
        AddUserMaterial(materials);
    if (state.GlobalSettings.BareSteelEmissivity == 0.0f)
        state.GlobalSettings.BareSteelEmissivity = 0.7f;
}

} // namespace

TConfigLoad LoadConfigurationReport(const QString& directory, const FontTest& fontInstalled) {
    TProcessState& state = Shared();
    state.ReferenceLists = TReferenceLists();
    state.GlobalSettings = TGlobalSettings();
    const QString fileName = FileBeside(directory, "Termora.ini");
    std::unique_ptr<TTntIniFile> ini;
    TLoadProgress progress;
    TConfigLoad load;
    try {
        ini = std::make_unique<TTntIniFile>(fileName);
        LoadFrom(*ini, directory, fontInstalled, state, progress);
    } catch (const std::exception& e) {
        // What was read before the failure stays; start-up goes on with it.
        ReportError("Read of Inifile failed! Error: " + ErrorText(e));
        CompleteAfterFailure(state);
        if (ini)
            load.gaps = StoppedLoadGaps(*ini, progress, state.GlobalSettings);
    }
    const QString nothing = NothingLoadedGap(fileName, state.ReferenceLists);
    if (!nothing.isEmpty())
        load.gaps << nothing;
    if (ini)
        load.findings = CheckReferenceLists(*ini, state.ReferenceLists);
    return load;
}

std::vector<TConfigFinding> LoadConfiguration(const QString& directory,
                                              const FontTest& fontInstalled) {
    return LoadConfigurationReport(directory, fontInstalled).findings;
}
