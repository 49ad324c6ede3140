#pragma once
// The reference data a project is computed with: the materials and claddings of Termora.ini,
// the nominal thickness tables, the bare steel's emission coefficient. Borrowed, never owned:
// the lists must outlive every computation that uses them and not change during one.
#include <QString>
#include <vector>

#include "engine/State.h"

struct ProjectData {
    const std::vector<MaterialEntry>* Materials = nullptr;
    const std::vector<CladdingEntry>* Claddings = nullptr;
    const TToleranceTable* PipeTable = nullptr;  // absent: no products for pipes
    const TToleranceTable* SheetTable = nullptr; // absent: no products for walls
    float BareEmissivity = 0.79f;

    // The running program's data (Shared(): Termora.ini and the tables as loaded).
    static ProjectData FromShared();

    // The entry of that name (exact text), nullptr when there is none.
    const MaterialEntry* MaterialNamed(const QString& name) const;
    const CladdingEntry* CladdingNamed(const QString& name) const;
};

// Loads Termora.ini, tt_p.txt and tt_s.txt from directory into Shared() for a program
// without windows (the command line, the tests). Faults are reported through ReportError
// as at start-up; returns false when Termora.ini could not be read at all.
bool LoadProjectData(const QString& directory);
