#pragma once
// The products a line can be given: the nominal thicknesses of the table that fit its pipe
// diameter and belong to its material.
#include <QString>
#include <optional>
#include <vector>

class TToleranceTable;

// The nominal thicknesses (mm, ascending, each once) of the table's products for a pipe of
// that outside diameter (every row for walls), when the table belongs to the material;
// otherwise, and where the table offers none, the thickness table's default list.
std::vector<float> NominalThicknessesMm(const TToleranceTable* table, bool pipe, float diameterMm,
                                        const QString& material);

// The nominal thickness of a product named exactly so; nullopt when the table has none.
std::optional<float> ProductThicknessMm(const TToleranceTable* table, const QString& product);
