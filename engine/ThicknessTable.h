#pragma once
// The thickness design table: one pipe or wall, every thickness side by side, with the
// thinnest that meets the job's criteria and what each saves per year. A pure function of
// numbers built on the functions the calculation forms call, so that every row reads as
// the forms would show it for the same inputs.
#include <optional>
#include <string>
#include <vector>

#include "engine/Ucalc.h"

class TToleranceTable;

// How each row's outer surface coefficient is obtained.
struct SurfaceCoefficientModel {
    bool Computed = false; // false: Typed for every insulated row
    float Typed = 9.0f;    // W/(m²·K)
    bool Outside = false;  // outdoors (wind) or indoors (still air)
    bool Horizontal = true;
    float WindSpeed = 0; // m/s, outdoors
    float Emissivity = 0.93f;
    float SheetHeight = 1; // m, walls
};

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

// The thinnest insulation each active criterion allows (m); absent when inactive,
// Unreachable when no thickness meets it.
struct CriterionMinimum {
    bool Active = false;
    bool Unreachable = false;
    float Thickness = 0;
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
};

struct ThicknessTable {
    ThicknessCriteria Criteria;
    std::vector<ThicknessRow> Rows; // bare first
    int Chosen = -1;                // thinnest row meeting every active criterion
    int Economic = -1;              // row of the lowest PresentValue
};

// The nominal thicknesses offered by default, mm.
std::vector<float> DefaultThicknessesMm();

// h of the bare surface as the forms take it: still indoor air, horizontal pipe or a wall
// 1 m high, the bare emissivity.
float BareCoefficientOf(const ThicknessTableInputs& in);

// h of one insulated row at thickness s (m): typed, or the surface coefficient iteration.
float RowCoefficient(const ThicknessTableInputs& in, float thickness);

// Outer surface temperature as the surface temperature forms give it (λ at the mean of
// ambient and medium), h as given; the medium temperature for a bare surface.
float FormSurfaceTemp(const ThicknessTableInputs& in, float thickness, float h);

// Heat flow per m or m² as the heat loss forms give it, > 0 into the medium.
float FormHeatFlowPerUnit(const ThicknessTableInputs& in, float thickness, float h);

// Minima of the active criteria; throws FloatError as the engine does.
ThicknessCriteria CriteriaMinima(const ThicknessTableInputs& in);

// The whole table; nominal may be null (no product column). Throws FloatError.
ThicknessTable BuildThicknessTable(const ThicknessTableInputs& in, const TToleranceTable* nominal);
