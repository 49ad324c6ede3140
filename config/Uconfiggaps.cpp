#include "config/Uconfiggaps.h"

#include <array>

#include "config/Tntinifiles.h"
#include "config/Uutils.h"

namespace {

struct ListKeys {
    const char* section;
    const char* prefix;
    int first;
    const char* one;
    const char* plural;
};

constexpr std::array<ListKeys, 4> kLists = {{
    {"Material", "Mat", 1, "material", "materials"},
    {"Cladding", "Clad", 1, "cladding", "claddings"},
    {"MediumType", "Med", 1, "medium", "media"},
    {"HelpFiles", "Help", 0, "help file", "help files"},
}};

QString KeyOf(const ListKeys& list, int i) {
    return QString::fromLatin1(list.prefix) + QString::number(i);
}

QString ValueOf(const TTntIniFile& ini, const ListKeys& list, int i) {
    return ini.ReadValue(QString::fromLatin1(list.section), KeyOf(list, i), QString());
}

// The numbers from..last of the list's keys the file holds (the list ends at an empty one).
int LastKey(const TTntIniFile& ini, const ListKeys& list, int from) {
    int last = from - 1;
    while (!ValueOf(ini, list, last + 1).isEmpty())
        ++last;
    return last;
}

QString Range(const ListKeys& list, int from, int last) {
    const int count = last - from + 1;
    const QString keys = count == 1
                             ? KeyOf(list, from)
                             : KeyOf(list, from) + QStringLiteral(" to ") + KeyOf(list, last);
    return QStringLiteral("%1 (%2 %3)")
        .arg(keys)
        .arg(count)
        .arg(QString::fromLatin1(count == 1 ? list.one : list.plural));
}

// The "Fe" line among the claddings from..last that were not read: its value as written.
QString UnreadBareSteel(const TTntIniFile& ini, int from, int last) {
    QString value;
    for (int i = from; i <= last; ++i) {
        const QString line = ValueOf(ini, kLists[1], i);
        if (line.section(u';', 0, 0) == QStringLiteral("Fe"))
            value = line.section(u';', 1, 1);
    }
    return value;
}

// The list a step reads; the settings have none.
int ListOf(TLoadProgress::Step step) {
    switch (step) {
    case TLoadProgress::Materials:
        return 0;
    case TLoadProgress::Claddings:
        return 1;
    case TLoadProgress::Media:
        return 2;
    case TLoadProgress::HelpFiles:
        return 3;
    default:
        return -1;
    }
}

} // namespace

QStringList StoppedLoadGaps(const TTntIniFile& ini, const TLoadProgress& progress,
                            const TGlobalSettings& settings) {
    if (progress.step == TLoadProgress::Done)
        return {};
    QStringList missing;
    QString where = QStringLiteral("Termora.ini: the load stopped");
    QString bareSteel;
    for (int step = progress.step; step < TLoadProgress::Done; ++step) {
        const int list = ListOf(static_cast<TLoadProgress::Step>(step));
        if (list < 0) {
            missing << QStringLiteral("the display settings");
            continue;
        }
        const ListKeys& keys = kLists[static_cast<size_t>(list)];
        const int from = step == progress.step ? progress.index : keys.first;
        if (step == progress.step) {
            const qsizetype line = ini.LineOf(QString::fromLatin1(keys.section), KeyOf(keys, from));
            where += QStringLiteral(" at line %1 (%2)").arg(line).arg(KeyOf(keys, from));
        }
        const int last = LastKey(ini, keys, from);
        if (last >= from)
            missing << Range(keys, from, last);
        if (list == 1 && last >= from)
            bareSteel = UnreadBareSteel(ini, from, last);
    }
    QStringList gaps{where + QStringLiteral("; not loaded: ") + missing.join(QStringLiteral(", ")) +
                     u'.'};
    if (!bareSteel.isEmpty())
        gaps << QStringLiteral("Bare steel (\"Fe\") has %1 in the file but %2 is used.")
                    .arg(bareSteel, ShortestText(settings.BareSteelEmissivity));
    return gaps;
}

QString NothingLoadedGap(const QString& fileName, const TReferenceLists& lists) {
    const bool anyMaterial = lists.Materials.size() > 1; // the user material is always there
    if (anyMaterial || lists.Claddings.size() > 1 || !lists.Media.empty())
        return {};
    return QStringLiteral("%1 gave no materials, claddings or media (empty or unreadable): only "
                          "the user material \"k-factor\" is offered.")
        .arg(fileName);
}
