#pragma once
// Lookups in a nominal thickness table without the shared state: the table comes in.
#include <vector>

class TToleranceTable;
struct TToleranceLine;

// The first row covering the outer diameter (m; pipes only) and the thickness (mm), with
// the bounds compared as the forms' recommendation does (lower exclusive, upper inclusive,
// diameters to the micrometre); nullptr when none covers them.
const TToleranceLine* NominalRow(const TToleranceTable& table, bool pipe, float outerDiameter,
                                 float thicknessMm);

// The distinct upper diameter bounds of the table's rows in mm, ascending.
std::vector<float> NominalDiametersMm(const TToleranceTable& table);
