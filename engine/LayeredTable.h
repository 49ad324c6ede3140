#pragma once
// The thickness table of a layered system: the single layer's job (temperatures, h,
// criteria, economics, the thicknesses listed) on an object of any shape with its layers,
// of which the table varies the inner or the outer one. Rows, minima, bare reference and
// economics are the single layer's, computed from the layered solve; each row also has the
// temperature at every interface and the layers beyond their material's limits, and a row
// with a fixed layer beyond its limits does not meet the criteria. One layer on a pipe or a
// wall gives the single layer's table, bit for bit.
#include <optional>
#include <vector>

#include "engine/LayeredSystem.h"
#include "engine/ThicknessTable.h"

struct LayeredTableInputs {
    ThicknessTableInputs Job; // its Pipe, TubeDiameter and Law are taken from the system
    InsulatedShape Object;
    std::vector<InsulationLayer> Layers; // inside out; the varied one's thickness is the rows'
    bool VaryInner = false;              // the first layer, else the last
    std::optional<float> CladdingEmissivity;
};

struct LayeredTable {
    ThicknessTable Table;
    // By row of Table.Rows: the layered solution (empty for the bare row).
    std::vector<LayeredSolution> Solutions;
    // Where the inner layer is varied under fixed outer layers: the thinnest inner layer that
    // keeps them within their materials' limits (m); absent where none up to the search bound
    // does, or where the outer layer is varied.
    std::optional<float> InnerForOuterLimits;
};

// The system of one row: the varied layer at thickness (m), the job's temperatures and h.
LayeredInputs LayeredRowInputs(const LayeredTableInputs& in, float thickness);

// The table; nominal may be null. Inputs must be usable with the varied layer at 1 mm.
// Throws FloatError.
LayeredTable BuildLayeredTable(const LayeredTableInputs& in, const TToleranceTable* nominal);
