#pragma once
// The thickness each pipe size needs: the criteria of the thickness table for every outside
// diameter of a list, the product that covers the thickest of them, and what that product
// gives.
#include <string>
#include <vector>

#include "engine/ThicknessTable.h"

struct PipeSizeRow {
    float DiameterMm = 0;
    ThicknessCriteria Criteria;
    bool Unreachable = false; // an active criterion no thickness up to the bound meets
    float Required = 0;       // m, the thickest of the minima
    std::string Product;      // "" where the nominal table has none
    float Thickness = 0;      // m, the product's nominal thickness, else Required
    float h = 0;
    float HeatFlowPerMetre = 0; // W/m, > 0 into the medium
    float SurfaceTemp = 0;
};

// One row per diameter (mm) for the inputs' pipe (TubeDiameter replaced); nominal may be
// null. Throws FloatError as the engine does.
std::vector<PipeSizeRow> BuildPipeSizeTable(const ThicknessTableInputs& in,
                                            const std::vector<float>& diametersMm,
                                            const TToleranceTable* nominal);
