#pragma once
// The products a line can be given: the nominal thicknesses of the table that fit its pipe
// diameter and belong to its material.
#include <QString>
#include <optional>
#include <vector>

#include "project/Project.h"
#include "project/ProjectData.h"

class TToleranceTable;

// The nominal thicknesses (mm, ascending, each once) of the table's products for a pipe of
// that outside diameter (every row for walls), when the table belongs to the material;
// otherwise, and where the table offers none, the thickness table's default list.
std::vector<float> NominalThicknessesMm(const TToleranceTable* table, bool pipe, float diameterMm,
                                        const QString& material);

// The nominal thickness of a product named exactly so; nullopt when the table has none.
std::optional<float> ProductThicknessMm(const TToleranceTable* table, const QString& product);

// The table whose products the line's own layer can be (pipes' or walls'), as the computation
// takes it; nullptr where no product fits the line (a duct, a sphere, a layer over others).
const TToleranceTable* NominalTableOf(const Line& line, const ProjectData& data);

// The names of the products the computation can give the line: the rows of its table that
// belong to its material and fit its diameter, in the table's order, each once.
std::vector<QString> NominalProducts(const Line& line, const ProjectData& data);
