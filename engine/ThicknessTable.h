#pragma once
// The thickness design table: one pipe or wall, every thickness side by side, with the
// thinnest that meets the job's criteria and what each saves per year. Every row and every
// minimum comes from one solve of the layer (SolveRow: λ at the layer's mean temperature,
// h at the settled surface), so that a row never contradicts a minimum beside it.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/RowSolve.h"

class TToleranceTable;

struct ThicknessTableInputs {
    bool Pipe = true;
    float AmbientTemp = 20;
    float MediumTemp = 60;
    float TubeDiameter = 0.1f; // m, pipes
    ConductivityLaw Law;
    float RelHumidity = 60; // %
    SurfaceCoefficientModel Coefficient;
    // Emissivity of the bare surface (the configured bare steel's, to two decimals).
    float BareEmissivity = 0.3f;
    float Extent = 1; // pipe length (m) or area (m²)
    float CostPerKWh = 0.5f;
    float HoursPerYear = 8760;
    float Co2PerKWh = 0.2f;                          // kg
    std::optional<float> SurfaceTempLimit;           // °C, for a medium hotter than the limit
    std::optional<float> MaxHeatFlow;                // W/m or W/m², magnitude
    std::vector<float> ThicknessesMm;                // the insulated rows, in this order
    std::vector<std::optional<float>> InstalledCost; // per m or m², by insulated row
    float LifeYears = 10;
    float InterestRate = 0;  // a year, 0.05 = 5 %: discounts the life's energy costs
    float PriceIncrease = 0; // a year, 0.03 = 3 %: the energy price's growth
};

// Thicknesses are searched from kThinnestStated up to kThickestSearched (m); where bare
// fails and any layer at all meets a criterion, its minimum is kThinnestStated.
inline constexpr float kThickestSearched = 1.0f;
inline constexpr float kThinnestStated = 1e-5f;

// A range of thicknesses (m); From 0 is the bare surface itself.
struct ThicknessBand {
    float From = 0;
    float To = 0;
};

// The thickness from which an active criterion holds for every thicker layer up to
// kThickestSearched (m). Unreachable when no thickness can meet it (a limit below the air),
// BeyondBound when it still fails at kThickestSearched. AlsoMet: thinner bands where it
// holds too, thinnest first.
struct CriterionMinimum {
    bool Active = false;
    bool Unreachable = false;
    bool BeyondBound = false;
    float Thickness = 0;
    std::vector<ThicknessBand> AlsoMet;
};

struct ThicknessCriteria {
    float DewPoint = 0;
    CriterionMinimum Condensation;
    CriterionMinimum SurfaceTemp;
    CriterionMinimum HeatFlow;
};

struct ThicknessRow {
    float Thickness = 0;       // m; 0 for the bare row
    std::string Product;       // the nominal table's product of exactly this thickness
    std::string NextProduct;   // where there is none: the product that covers this thickness
    float h = 0;               // W/(m²·K)
    float SurfaceTemp = 0;     // °C
    bool Condensation = false; // surface below the dew point
    float HeatFlowPerUnit = 0; // W/m or W/m², > 0 into the medium
    float HeatFlow = 0;        // W for the extent, as the heat loss form
    float Saving = 0;          // % against bare
    float EnergyPerYear = 0;   // kWh
    float CostPerYear = 0;
    float Co2PerYear = 0; // kg
    std::optional<float> PaybackYears;
    std::optional<float> LifeCost;     // installed cost plus the life's energy cost
    std::optional<float> PresentValue; // the same, energy costs grown and discounted
    bool MeetsCriteria = false;
    float Lambda = 0; // W/(m·K), at the layer's mean temperature; 0 bare
    Settling Settle = Settling::Iterated;
    int Regime = -1; // of the convection correlation, as RowSolution
    float FlowH = 0; // NoBalance: h of the larger heat flow
    // The surface is further from the air than at the next thinner listed row (index into
    // Rows, -1 for none): h fell between them.
    int AwayFromAirAfter = -1;
};

struct ThicknessTable {
    ThicknessCriteria Criteria;
    std::vector<ThicknessRow> Rows; // bare first
    // The thinnest listed row from which every thicker listed row meets every active
    // criterion.
    int Chosen = -1;
    int Economic = -1; // row of the lowest PresentValue
    // The rows' h is typed, no installation known: the bare row is the forms' reference,
    // a bare surface in still indoor air.
    bool BareStillAir = false;
};

// The nominal thicknesses offered by default, mm.
std::vector<float> DefaultThicknessesMm();

// h of the bare surface as the forms take it: still indoor air, horizontal pipe or a wall
// 1 m high, the bare emissivity.
float BareCoefficientOf(const ThicknessTableInputs& in);

// The layer of one row at thickness s (m) for SolveRow. Thickness 0 is the bare row: the
// job's own installation with the bare emissivity where h is computed, the forms' still
// indoor air where it is typed.
RowSolveInputs RowInputsOf(const ThicknessTableInputs& in, float thickness);

enum class Criterion { Condensation, SurfaceTemp, HeatFlow };

// Whether a row solved by SolveRow meets one criterion of the job; an inactive one always.
bool RowMeets(const ThicknessTableInputs& in, Criterion criterion, float dewPoint,
              const RowSolution& row);

// Minima of the active criteria: a geometric scan of 0 .. kThickestSearched with every
// regime change of h located, then bisection of each crossing. Throws FloatError.
ThicknessCriteria CriteriaMinima(const ThicknessTableInputs& in);

// The whole table; nominal may be null (no product column). Throws FloatError.
ThicknessTable BuildThicknessTable(const ThicknessTableInputs& in, const TToleranceTable* nominal);

// Another system varied by one thickness (a layer of a layered system): the row at each
// thickness, 0 being the system without that layer; its bare surface, and the bare
// surface's heat flow for the extent (W, > 0 into the medium), which the saving compares with.
using RowSolver = std::function<RowSolution(float thickness)>;
struct TableSystem {
    RowSolver Solve;
    RowSolution Bare;
    float BareHeatFlow = 0;
};

// The criteria and the table of such a system; the layer's own law in `in` is unused.
ThicknessCriteria CriteriaMinima(const ThicknessTableInputs& in, const RowSolver& solve);
ThicknessTable BuildThicknessTable(const ThicknessTableInputs& in, const TToleranceTable* nominal,
                                   const TableSystem& system);
