#pragma once
// The checks of a line's inputs before it is computed: the thickness table's bounds and
// messages (config/JobBounds.h), in the order the table reads its fields, so the first
// fault named is the one the table would name.
#include <optional>

#include "project/LineFields.h"
#include "project/ProjectData.h"

struct LineRefusal {
    LineField Field = LineField::Tag;
    QString Message;
    bool Missing = false; // a name the data does not hold, not a value out of bounds
};

// The input faults of a line computed with settings (the line's effective settings).
std::optional<LineRefusal> CheckLine(const Line& line, const ProjectSettings& settings,
                                     const ProjectData& data);
