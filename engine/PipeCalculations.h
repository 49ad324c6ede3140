#pragma once
// Physics of the five pipe calculations, as plain functions of numbers.
//
// The calculation form reads and converts its lines (mm -> m through MillimetresToMetres,
// flow through FlowRateToSI, kJ/kg -> J/kg, % -> fraction), checks the material
// (CheckMaterialLimits), calls the *Plausible test ("Please enter values that make sense!"
// when false), substitutes the default h for a bare pipe (NeedsDefaultCoefficient), picks
// λ (MeanConductivity), then calls the computation and writes its fields with the patterns
// named below. Arithmetic faults throw FloatError ("Calculation failed! Error: ...").
// Units: °C, m, W/(m²·K), W/(m·K), kg/m³, J/(kg·K), J/kg, m/s or l/s, W, hours.

#include "engine/CalcFrame.h"

// ---- CalculationType 0, CalcPipeCondensation -------------------------------------------
// Parameter lines: 0 θa, 1 θi, 2 D (mm), 3 material, 4 h, 5 φ (%).
struct PipeCondensationInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    float TubeDiameter = 0; // m
    int MaterialIndex = 0;
    float SurfaceCoefficient = 0;
    float RelHumidity = 0; // %
};

// Result 1 "#########0.000".
using PipeCondensationResult = CondensationResult;

// θa >= θi; θa, θi -200..300; D >= 0.001 m; h 1..50; φ 25..96 (all inclusive).
bool PipeCondensationPlausible(const PipeCondensationInputs& in);
PipeCondensationResult PipeCondensation(const PipeCondensationInputs& in);

// ---- CalculationType 1, CalcPipeSurfaceTemperature -------------------------------------
// Parameter lines: 0 θa, 1 θi, 2 D (mm), 3 s (mm), 4 material, 5 h.
// Result 0 is λ of MeanConductivity ("#########0.0000", "-/-" when Bare).
struct PipeSurfaceTempInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    float TubeDiameter = 0; // m
    float Thickness = 0;    // m
    int MaterialIndex = 0;
    float SurfaceCoefficient = 0; // in use: typed, from the dialog, or the default
};

// θa, θi -200..300 (either order); D >= 0.001 m; s >= 0; h 1..50.
bool PipeSurfaceTempPlausible(const PipeSurfaceTempInputs& in);
// One evaluation: λ at the mean of θa and θi, h as given (not iterated).
SurfaceTempResult PipeSurfaceTemp(const PipeSurfaceTempInputs& in);

// ---- CalculationType 2, CalcPipeHeatLoss -----------------------------------------------
// Parameter lines: 0 θa, 1 θi, 2 D (mm), 3 s (mm; rewritten "#0.000"), 4 L (m),
// 5 material, 6 h, 7 cost per kWh. Result 0 is λ ("-/-" when Bare).
struct PipeHeatLossInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    float TubeDiameter = 0; // m
    float Thickness = 0;    // m
    float PipeLength = 0;   // m
    float SurfaceCoefficient = 0;
    float CostPerKWh = 0;
    float Lambda = 0; // MeanConductivity
    // SurfaceCoefficient after DefaultSurfaceCoefficient ran with the thickness line at "0"
    // (the previous value when that failed); the form then restores the line as "#0.000",
    // the h in use and HFromDialog.
    float BareCoefficient = 0;
};

// θa, θi -200..300; D >= 0.001 m; L >= 0.001 m; h 1..50; cost 0..1000000; s >= 0.
bool PipeHeatLossPlausible(const PipeHeatLossInputs& in);
HeatLossResult PipeHeatLoss(const PipeHeatLossInputs& in);

// ---- CalculationType 3, CalcPipeTemperatureDrop ----------------------------------------
// Parameter lines: 0 θa, 1 θi (inlet), 2 ρ, 3 cp, 4 flow (with its unit list), 5 D (mm),
// 6 s (mm), 7 L (m), 8 material, 9 h. Result 0 is λ ("-/-" when Bare).
struct PipeTemperatureDropInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    float Density = 0;
    float HeatCapacity = 0;
    float FlowRate = 0;     // FlowRateToSI: m/s or l/s
    int FlowRateUnit = 0;   // position in the unit list (decides velocity or volume flow)
    float TubeDiameter = 0; // m
    float Thickness = 0;    // m
    float PipeLength = 0;   // m
    float SurfaceCoefficient = 0;
    float Lambda = 0;
};

struct TemperatureDropResult {
    float MassFlow = 0;        // kg/s
    float Transmittance = 0;   // W/(m·K)
    float TemperatureDrop = 0; // result 1, "#########0.00"; > 0 for a medium warmer than the air
    float HeatFlow = 0;        // result 2, "#########0.000"; > 0 into the medium
    bool Bare = false;         // result 0 reads "-/-"
};

// θa, θi -200..300; D >= 0.001 m; L >= 0.001 m; h 1..50; ρ 0.001..22580;
// cp 1..25000; flow 0.001..1000 (after FlowRateToSI); s >= 0.
bool PipeTemperatureDropPlausible(const PipeTemperatureDropInputs& in);
TemperatureDropResult PipeTemperatureDrop(const PipeTemperatureDropInputs& in);

// ---- CalculationType 4, CalcPipeFreezingTime and FreezingTimeFor -----------------------
// Parameter lines: 0 θa, 1 θi, 2 ρ, 3 cp, 4 θf, 5 latent heat (kJ/kg, × 1000),
// 6 max. frozen part (%, × 0.01), 7 D (mm), 8 s (mm), 9 material, 10 h. λ is not shown.
// FreezingTimeFor(x): the same inputs with Thickness = x (and the default h when x is 0
// and h is not from the dialog); its value is PipeFreezingTime(...).Hours.
struct PipeFreezingInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    float Density = 0;
    float HeatCapacity = 0;
    float FreezingTemp = 0;
    float LatentHeat = 0;    // J/kg
    float MaxFrozenPart = 0; // fraction 0..1
    float TubeDiameter = 0;  // m, the diameter of the medium
    float Thickness = 0;     // m
    float SurfaceCoefficient = 0;
    float Lambda = 0;
};

// Result 0 of the freezing form.
enum class FreezingOutcome {
    Undetermined, // medium exactly at θf or at θa: result 0 stays empty
    Never,        // "never"
    Frozen,       // "frozen"
    Computed,     // Hours, "#0.00"
};

struct FreezingResult {
    FreezingOutcome Outcome = FreezingOutcome::Undetermined;
    float Hours = 0; // 0 unless Computed
    float Transmittance = 0;
};

// Which of the six temperature orders holds.
FreezingOutcome ClassifyFreezing(float ambientTemp, float mediumTemp, float freezingTemp);

// θa, θi, θf -200..300; D >= 0.001 m; h 1..50; ρ 0.001..22580; cp 1..25000;
// latent heat 0..1e7 J/kg; frozen part 0..1; s >= 0 unless checkThickness is false
// (FreezingTimeFor, which returns 0 after the message when this fails).
bool PipeFreezingPlausible(const PipeFreezingInputs& in, bool checkThickness = true);
// Cooling to θf plus freezing the given part, in hours, for a medium in air below θf.
FreezingResult PipeFreezingTime(const PipeFreezingInputs& in);
