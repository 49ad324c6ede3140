#pragma once
// Lookups in a nominal thickness table ("tt_p.txt", "tt_s.txt"): the calculation forms'
// recommendation and the thickness table's products both come from here.
#include <vector>

class TToleranceTable;
struct TToleranceLine;

// The first row covering the outer diameter (m; pipes only) and the thickness (mm), bounds
// lower exclusive and upper inclusive, diameters compared to the micrometre; nullptr when
// none covers them.
const TToleranceLine* NominalRow(const TToleranceTable& table, bool pipe, float outerDiameter,
                                 float thicknessMm);

// The distinct upper diameter bounds of the table's rows in mm, ascending.
std::vector<float> NominalDiametersMm(const TToleranceTable& table);
