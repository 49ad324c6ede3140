#pragma once
// What a load of Termora.ini left out: where a failure stopped it and which entries of the
// file were never read because of it, or that the file gave nothing at all.
#include <QString>
#include <QStringList>

#include "engine/State.h"

class TTntIniFile;

// The step of the load under way; a failure leaves it at the step it ended.
struct TLoadProgress {
    enum Step { Materials, Claddings, Settings, Media, HelpFiles, Done };
    Step step = Materials;
    int index = 0; // the number of the key being read (Mat3: 3)
};

// One sentence each for the user: where the load stopped and what it left out ("Clad3 to
// Clad10 (8 claddings)"), naming the bare steel's value in the file when its "Fe" line was
// never read. Empty when the load went to its end.
QStringList StoppedLoadGaps(const TTntIniFile& ini, const TLoadProgress& progress,
                            const TGlobalSettings& settings);

// The sentence for a file that gave no material, cladding or medium (empty, unreadable or
// not a configuration at all); empty when it gave any.
QString NothingLoadedGap(const QString& fileName, const TReferenceLists& lists);
