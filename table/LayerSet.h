#pragma once
// The insulation system of the thickness table: the object the layers are laid on, the
// layers that stay fixed and which side the table's own layer takes. Turns the window's
// single-layer job into the layered table's inputs and words the layered results the way
// the rows, the minima line and the printed inputs show them. Qt Core only.
#include <QString>
#include <QStringList>
#include <vector>

#include "engine/LayeredTable.h"

// A layer that keeps its thickness: a material of the configuration (its law and
// temperature limits), or the user's typed k-factor (no limits); the material by its index
// in the list, as the editor holds it.
struct FixedLayerChoice {
    int Material = 0;
    float KFactor = 0.04f; // W/(m·K), for the user's material
    float ThicknessMm = 0;
};

struct LayerSet {
    InsulatedShape Object;
    std::vector<FixedLayerChoice> Fixed; // inside out
    bool VaryInner = false;              // the table's layer under the fixed ones, else over them
};

// The layer of a configured material (or the typed k-factor) at a thickness (m).
InsulationLayer LayerOf(int material, float kFactor, float thickness);

// One layer on a pipe or a wall: the single layer's own table, nothing layered about it.
bool IsSingleLayer(const LayerSet& set);

// The layered table's inputs: the job's temperatures, h, criteria and rows, the set's
// object and fixed layers, and the job's own material as the varied layer.
LayeredTableInputs LayeredJob(const ThicknessTableInputs& job, int material, const LayerSet& set);

// The layer names inside out, the varied one marked: "1 VELTRA MW (varied)".
QStringList LayerNames(const LayerSet& set, int variedMaterial);

// "180.00 / 95.31 / 25.02": every interface temperature, medium face first, °C.
QString InterfacesText(const LayeredSolution& s);

// The layers whose faces lie beyond their material's limits: "2 VELTRA AF", or "".
QString BeyondLimitsText(const LayeredSolution& s, const QStringList& names);

// The minima line's addition: the inner layer that keeps the outer materials within their
// limits, and the listed rows where a layer is beyond them. Row names as the first column.
QString LayeredMinimaText(const LayeredTable& t, const LayerSet& set, const QStringList& names,
                          const QStringList& rowNames);

// Lines for the printed inputs and the CSV: the object and the layer set.
QStringList LayerSetSummary(const LayerSet& set, int variedMaterial);

// The unit a heat flow per unit has on the object: "m", "m²" or "vessel".
QString UnitOf(Shape shape);
