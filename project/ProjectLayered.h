#pragma once
// A layered line (fixed layers, a duct or a sphere) as a layered thickness table job
// (engine/LayeredTable.h): its object, its layers with their materials' laws and limits,
// the line's own layer varied inside or outside the fixed ones.
#include <QString>

#include "engine/LayeredTable.h"
#include "project/Project.h"
#include "project/ProjectData.h"

// The job around the single layer's inputs (temperatures, h, criteria, economics, the
// thicknesses listed). Inputs must have passed CheckLine.
LayeredTableInputs LayeredJobOf(const Line& line, const ThicknessTableInputs& job,
                                const ProjectData& data);

// Whether the nominal products belong to the line's own layer: it lies on a pipe or a wall
// itself, as the products' sizes assume.
bool OwnLayerHasProducts(const Line& line);

// The first layer of a solved row whose faces lie beyond its material's limits, named with
// the interface and its temperature; "" when every layer is within them.
QString BeyondLimitsText(const Line& line, const LayeredSolution& solution);
