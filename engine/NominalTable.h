#pragma once
// Lookups in a nominal thickness table ("tt_p.txt", "tt_s.txt"): the calculation forms'
// recommendation and the thickness table's products both come from here.
#include <string>
#include <vector>

class TToleranceTable;
struct TToleranceLine;

// The first row covering the outer diameter (m; pipes only) and the thickness (mm), bounds
// lower exclusive and upper inclusive, diameters compared to the micrometre; nullptr when
// none covers them.
const TToleranceLine* NominalRow(const TToleranceTable& table, bool pipe, float outerDiameter,
                                 float thicknessMm);

// Whether the row's diameter bounds cover the outer diameter (m), as NominalRow compares them.
bool CoversDiameter(const TToleranceLine& row, float outerDiameter);

// The product's nominal thickness is the row's upper bound: true where it is thicknessMm
// (to the micrometre).
bool IsNominalThickness(const TToleranceLine& row, float thicknessMm);

// A nominal table belongs to the material whose name starts with the code of its products
// ("VELTRA AF" of "VELTRA AF-13-048 / 13 x 48.3 mm" belongs to "VELTRA AF elastomeric
// foam", not to "VELTRA AFX ..." nor to another range): the table's products are made of it.
bool TableBelongsTo(const TToleranceTable& table, const std::string& materialName);

// The distinct upper diameter bounds of the table's rows in mm, ascending.
std::vector<float> NominalDiametersMm(const TToleranceTable& table);
