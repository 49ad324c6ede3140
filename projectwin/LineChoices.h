#pragma once
// The lists a line's cells are chosen from: the texts of the enumerations, the materials and
// claddings of the loaded data, the products that fit the line. A choice sets the cell's text
// exactly as typing it would.
#include <QString>
#include <optional>
#include <vector>

#include "project/LineFields.h"
#include "project/ProjectData.h"

struct CellChoice {
    QString Shown; // in the list
    QString Text;  // the cell's text it sets
};

struct CellChoices {
    std::vector<CellChoice> Items;
    bool Typed = false; // a text besides the items may be typed (a thickness in mm)
};

// The choices of the line's cell in that column; nullopt for a column of typed text only.
std::optional<CellChoices> ChoicesOf(LineField field, const Line& line, const ProjectData& data);
