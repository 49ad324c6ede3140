#pragma once
// Pieces that every calculation shares: material limits, the conductivity in use, unit
// conversions, the common plausibility bounds and the transmittance of an insulated pipe.
// Plain functions of numbers; the calculation forms read and write the lines around them.

// Outcome of the material's temperature limits (checked before plausibility).
enum class MaterialLimits {
    Ok,
    TooHigh, // "Ambient or medium temperature is too high ... Calculation skipped!": stop
    TooLow,  // "Ambient or medium temperature is too low ...": warn and go on
};

// TooHigh when the material's highest temperature is below θa or θi; otherwise TooLow when
// its lowest temperature is above θa or θi.
MaterialLimits CheckMaterialLimits(int materialIndex, float ambientTemp, float mediumTemp);

// λ of a calculation: Shared().WorkingValues.KFactor when the material line reads
// "k-factor", else ConductivityAt at the mean of ambient and medium temperature.
float MeanConductivity(bool kFactorMaterial, int materialIndex, float ambientTemp,
                       float mediumTemp);

// Whether a bare surface takes the default (still indoor air) coefficient instead of the
// typed h: the thickness is 0 and h did not come from the surface coefficient dialog.
bool NeedsDefaultCoefficient(bool hFromDialog, float thickness);

// Diameters and thicknesses are typed in mm.
float MillimetresToMetres(float mm);

// Units of the flow-rate line's list, by position.
enum FlowRateUnit {
    kMetresPerSecond = 0,
    kLitresPerSecond = 1,
    kFeetPerSecond = 2,
    kGallonsPerMinute = 3,
};

// A typed flow rate in the engine's units: ft/s become m/s, gal/min become l/s; m/s and
// l/s stay as typed.
float FlowRateToSI(float value, int unitIndex);

// l/s and gal/min are volume flows; m/s and ft/s flow velocities.
bool IsVolumeFlow(int unitIndex);

// Bounds shared by the calculations, all inclusive; a nan is never in range.
bool TemperatureInRange(float theta);                          // -200 .. 300 °C
bool TemperaturesInRange(float ambientTemp, float mediumTemp); // both of them
bool SurfaceCoefficientInRange(float h);                       // 1 .. 50 W/(m²·K)
bool AtLeast(float value, double lowest);                      // value >= lowest
bool Within(float value, double lowest, double highest);
// Whether the dew point of the air lies below the air temperature, as it must for the dew
// point formula to hold (it does not for air colder than about -110 °C). A negative
// humidity is left to the calculation, which reports it as an invalid operation.
bool DewPointBelowAir(float ambientTemp, float relHumidity);

// Linear transmittance (W/(m·K) per metre) of a pipe of diameter d with insulation of
// thickness s and conductivity lambda, surface coefficient h:
// 1 / (ln(De/d)/(6.28318·λ) + 1/(De·h·3.14159)) with De = d + 2s.
float PipeTransmittance(float d, float s, float lambda, float h);

// Results of the two condensation calculations (pipe and sheet).
struct CondensationResult {
    float DewPoint = 0;           // result 0, "#########0.00"
    bool NeedsInsulation = false; // false: results 1 and 2 read "-/-" (pipe: "- / -")
    float MinThickness = 0;       // m; stored as WorkingValues.InsulationThickness
    float MinThicknessMm = 0;     // result 1; with the diameter (pipes) the nominal-table
                                  // lookup of result 2 ("-/-" for "k-factor")
};

// Dew point of the air, and when the medium is colder than it, the thickness that holds
// the surface at the dew point (RequiredThickness; innerDiameter for the cylinder only).
CondensationResult CondensationAt(float ambientTemp, float mediumTemp, float relHumidity, float h,
                                  float innerDiameter, int materialIndex, int geometry);

// Results of the two surface temperature calculations (pipe and sheet).
struct SurfaceTempResult {
    float SurfaceTemp = 0; // result 1, "#########0.00"
    bool Bare = false;     // thickness 0: result 0 reads "-/-"
};

// Results of the two heat loss calculations (pipe and sheet).
struct HeatLossResult {
    float Transmittance = 0; // result 1, "#########0.000" ("-/-" when Bare); W/(m·K) or W/(m²·K)
    float HeatFlow = 0;      // result 2, "#########0.000"; > 0 into the medium
    bool NoTemperatureDifference = false; // θa == θi: result 3 reads "0"
    float Saving = 0;                     // result 3, %, "#########0.00"
    float CostPerHour = 0;                // result 4, "#########0.000"
    bool Bare = false;                    // results 0 and 1 read "-/-"
    float BareHeatFlow = 0;               // the reference the saving compares with
};

// The saving against BareHeatFlow and the cost per hour of HeatFlow, shared by both heat
// losses: saving (1 - Q/Qbare)·100 unless θa == θi (then NoTemperatureDifference), cost
// |Q·price·0.001| (kW times price per kWh, never negative).
void SetSavingAndCost(HeatLossResult& r, float ambientTemp, float mediumTemp, float costPerKWh);
