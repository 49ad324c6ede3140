#pragma once
// Computing a project: each line is one thickness table job (engine/ThicknessTable.h) whose
// chosen row is the answer; the project adds the lines up into totals and a bill of
// materials. Pure functions of the project and the reference data, safe to run on any
// thread while the data does not change.
#include <QFuture>
#include <QString>
#include <optional>
#include <vector>

#include "project/LineFields.h"
#include "project/Project.h"
#include "project/ProjectData.h"

enum class LineState {
    Ok,         // "ok"
    Refused,    // an input out of bounds or unusable: the thickness table's refusal message
    Missing,    // a material, cladding or product that the data does not hold, named
    NoProduct,  // "no product meets the criteria"
    FixedFails, // the fixed thickness misses a criterion, named
    Failed,     // the computation raised a float error, its text
};

// The text of LineState::NoProduct.
inline constexpr const char* kNoProductText = "no product meets the criteria";

struct LineResult {
    LineState State = LineState::Ok;
    QString Status = QStringLiteral("ok");
    std::optional<LineField> Refused; // the offending input, for Refused and Missing
    QString Warning; // e.g. the material's lowest temperature is above the medium's
    // Figures: present for Ok and FixedFails (HasFigures()).
    float ThicknessMm = 0;
    QString Product;           // the nominal product, "" where none belongs to the row
    float SurfaceTemp = 0;     // °C
    bool Gain = false;         // heat flows into the medium (it is colder than the air)
    float HeatFlowPerUnit = 0; // W/m or W/m², magnitude (a loss, or a gain when Gain)
    float HeatFlow = 0;        // W for the line's extent, magnitude
    float EnergyPerYear = 0;   // kWh
    float CostPerYear = 0;
    float Co2PerYear = 0; // kg
    float Saving = 0;     // % of the bare line's heat flow
    // The same line bare, as the table's bare row.
    float BareHeatFlow = 0; // W, magnitude
    float BareEnergyPerYear = 0;
    float BareCostPerYear = 0;
    float BareCo2PerYear = 0;
    // Where a cost is typed for the answer's thickness: the installed cost for the line's
    // extent, and the thickness table row's payback, cost over the life and present value.
    std::optional<float> InstalledCost;
    std::optional<float> PaybackYears; // absent too where the insulation saves nothing
    std::optional<float> LifeCost;
    std::optional<float> PresentValue;

    bool HasFigures() const { return State == LineState::Ok || State == LineState::FixedFails; }
    bool operator==(const LineResult&) const = default;
};

// One line, within milliseconds: what the window calls after an edit.
LineResult ComputeLine(const Line& line, const ProjectSettings& settings, const ProjectData& data);

// Every line, spread over the machine's cores; results in the order of the lines.
std::vector<LineResult> ComputeProject(const Project& project, const ProjectData& data);

// The same started in the background (Qt Concurrent), for a window that shows progress
// (QFutureWatcher::progressValueChanged) and stays responsive. The lines are copied.
QFuture<LineResult> StartComputeProject(const Project& project, const ProjectData& data);

struct ProjectTotals {
    int Lines = 0;
    int OkLines = 0;
    float PipeLength = 0; // m, every pipe line
    float WallArea = 0;   // m², every wall line
    float DuctLength = 0; // m, every duct line
    float Spheres = 0;    // every sphere line's number of spheres
    // Over the lines with figures: the insulated plant and the same plant bare.
    float HeatLoss = 0; // W, lines whose medium is hotter than the air
    float HeatGain = 0; // W, lines whose medium is colder
    float EnergyPerYear = 0;
    float CostPerYear = 0;
    float Co2PerYear = 0;
    float BareHeatLoss = 0;
    float BareHeatGain = 0;
    float BareEnergyPerYear = 0;
    float BareCostPerYear = 0;
    float BareCo2PerYear = 0;
    // Over the lines with figures and an installed cost; the life cost and present value
    // only where every line with figures has one (a part would understate the plant).
    int CostedLines = 0;
    float InstalledCost = 0;
    std::optional<float> LifeCost;
    std::optional<float> PresentValue;

    bool operator==(const ProjectTotals&) const = default;
};

ProjectTotals TotalsOf(const Project& project, const std::vector<LineResult>& results);

// One product to buy: pipe sections in m (Kind Pipe) or sheet in m² (Kind Wall: walls,
// ducts and spheres), summed over the lines with figures and a thickness; the line's own
// layer and each fixed layer. Layers without a nominal product are grouped by material and
// thickness (and the diameter they are laid on for pipes) under a descriptive name.
struct BomItem {
    QString Product;
    LineKind Kind = LineKind::Pipe;
    float ThicknessMm = 0;
    int Lines = 0;
    float Quantity = 0;          // m or m², as the lines give it
    float QuantityWithWaste = 0; // each line's quantity plus its waste allowance

    bool operator==(const BomItem&) const = default;
};

// Sorted by kind (pipes first), then product name.
std::vector<BomItem> BillOfMaterials(const Project& project,
                                     const std::vector<LineResult>& results);
