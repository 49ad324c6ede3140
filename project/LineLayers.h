#pragma once
// A line's fixed layers as one text, for the CSV column and the window's cell: the layers
// inside out separated by ";", each its material's name (or "k=" and the conductivity in
// W/(m·K) for the user material "k-factor") followed by its thickness in mm, e.g.
// "mineral wool 50; k=0.04 20". "" for none.
#include <QString>
#include <vector>

#include "project/Project.h"

QString LayersText(const std::vector<FixedLayer>& layers);

// Reads such a text ("." or "," decimals, blanks around the items free). Returns "" when
// taken, otherwise the reason, layers unchanged.
QString SetLayersText(std::vector<FixedLayer>& layers, const QString& text);

// The layers of a line inside out, its own layer (Material, KFactor, thicknessMm) included
// where Varied puts it.
std::vector<FixedLayer> AllLayers(const Line& line, float thicknessMm);

// How a layer's material is named in a status or a bill of materials: its name, or
// "k=0.04" for the user material.
QString LayerMaterialText(const FixedLayer& layer);
