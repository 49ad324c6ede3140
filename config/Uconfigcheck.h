#pragma once
// Entries of Termora.ini that load but cannot be right: the calculations would give
// impossible results with them (a negative heat loss) or refuse every input.
#include <QString>
#include <vector>

#include "engine/State.h"

class TTntIniFile;

struct TConfigFinding {
    qsizetype line = 0; // 1-based line of the entry in the file; 0 when not found there
    QString key;        // "Mat3", "Clad1", "Med2"
    QString name;       // the entry's name as loaded
    QString problem;    // what is wrong, in a few words
};

// Checks every material, cladding and medium that came from the file (not the fixed
// entries "k-factor" and "None"), in list order.
std::vector<TConfigFinding> CheckReferenceLists(const TTntIniFile& ini,
                                                const TReferenceLists& lists);

// One line for the user: "line 12, Mat3 (Foam): <problem>".
QString DescribeFinding(const TConfigFinding& finding);
