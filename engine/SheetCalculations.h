#pragma once
// Physics of the three sheet (flat surface) calculations, as plain functions of numbers.
// The calculation form's part is as described in PipeCalculations.h: read and convert the
// lines, CheckMaterialLimits, the *Plausible test, the default h for a bare sheet, λ, then
// the computation; arithmetic faults throw FloatError.
#include "engine/CalcFrame.h"

// ---- CalculationType 5, CalcSheetCondensation ------------------------------------------
// Parameter lines: 0 θa, 1 θi, 2 material, 3 h (used as entered), 4 φ (%).
// No conductivity and no k-factor text in this calculation.
struct SheetCondensationInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    int MaterialIndex = 0;
    float SurfaceCoefficient = 0;
    float RelHumidity = 0; // %
};

// Result 1 "#########0.00"; when no insulation is needed no row is appended and
// InsulationThickness keeps its value.
using SheetCondensationResult = CondensationResult;

// In this order: θa >= θi; θa -200..300; θi -200..300; h 1..50; φ <= 96 (no lower bound).
bool SheetCondensationPlausible(const SheetCondensationInputs& in);
SheetCondensationResult SheetCondensation(const SheetCondensationInputs& in);

// ---- CalculationType 6, CalcSheetHeatLoss ----------------------------------------------
// Parameter lines: 0 θa, 1 θi, 2 s (mm; rewritten "#0.000"), 3 A (m²), 4 material, 5 h,
// 6 cost per kWh. Result 0 is λ of MeanConductivity ("-/-" when Bare); results 1-4 from
// HeatLossResult (CalcFrame.h), Transmittance in W/(m²·K).
struct SheetHeatLossInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    float Thickness = 0; // m
    float Area = 0;      // m²
    float SurfaceCoefficient = 0;
    float CostPerKWh = 0;
    float Lambda = 0;
    // SurfaceCoefficient after DefaultSurfaceCoefficient ran with the thickness line at "0"
    // (the previous value when that failed); the form then restores the line as "#0.000",
    // the h in use and HFromDialog.
    float BareCoefficient = 0;
};

// In this order: θa, θi -200..300; h 1..50; cost 0..1000000; A >= 0.01 m² (the float area
// against the double bound, so 0.01 as typed falls just below); s >= 0.
bool SheetHeatLossPlausible(const SheetHeatLossInputs& in);
HeatLossResult SheetHeatLoss(const SheetHeatLossInputs& in);

// ---- CalculationType 7, CalcSheetSurfaceTemperature ------------------------------------
// Parameter lines: 0 θa, 1 θi, 2 s (mm), 3 material, 4 h. Result 0 is λ ("-/-" when Bare),
// result 1 from SurfaceTempResult.
struct SheetSurfaceTempInputs {
    float AmbientTemp = 0;
    float MediumTemp = 0;
    float Thickness = 0; // m
    int MaterialIndex = 0;
    float SurfaceCoefficient = 0;
};

// In this order: θa, θi -200..300; h 1..50; s >= 0.
bool SheetSurfaceTempPlausible(const SheetSurfaceTempInputs& in);
// One evaluation: λ at the mean of θa and θi, h as given.
SurfaceTempResult SheetSurfaceTemp(const SheetSurfaceTempInputs& in);
