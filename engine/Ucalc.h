#pragma once
// Thermal property functions after ISO 12241: the building blocks of every calculation
// and of the surface coefficient iteration.
//
// Units: °C, m, W/(m·K), W/(m²·K), m/s, %. Arguments and results are 32-bit floats;
// arithmetic runs in double and each value a function keeps is rounded to float.
// Arithmetic faults throw FloatError (engine/Errors.h), except inside
// HeatTransferCoefficient, which contains its own.

// π as the calculations have always used it.
inline constexpr double kPi = 3.14159;
inline constexpr double kTwoPi = 6.28318;
inline constexpr double kStefanBoltzmann = 5.67e-8;
inline constexpr double kKelvinOffset = 273.15;
// Lambda0 of the user-conductivity material "k-factor".
inline constexpr float kKFactorMark = -99.0f;

// Layer geometry.
inline constexpr int kCylinder = 0; // insulation around a pipe
inline constexpr int kPlane = 2;    // insulation on a wall (any value but 0 counts as plane)

// A material's conductivity by value, so that a computation needs no shared list:
// λ = Lambda0 + LambdaSlope·θ with θ held at -160 below -160 °C. The user material
// "k-factor" is {KFactor, 0}.
struct ConductivityLaw {
    float Lambda0 = 0;
    float LambdaSlope = 0;
};

// The law of material materialIndex (Shared().ReferenceLists.Materials); the "k-factor"
// entry gives {Shared().WorkingValues.KFactor, 0}.
ConductivityLaw ConductivityLawOf(int materialIndex);
// The law of a material entry; the "k-factor" entry gives {kFactor, 0}.
struct MaterialEntry;
ConductivityLaw ConductivityLawOf(const MaterialEntry& material, float kFactor);
float ConductivityAt(const ConductivityLaw& law, float theta);

// Conductivity of material materialIndex (Shared().ReferenceLists.Materials) at theta:
// Lambda0 + LambdaSlope·θ with θ held at -160 below -160 °C; the "k-factor" entry
// returns Shared().WorkingValues.KFactor at every temperature.
float ConductivityAt(int materialIndex, float theta);

// Conductance of the insulation layer, λ taken at the mean of the two face temperatures.
// Cylinder: inner = pipe diameter, outer = insulated diameter; W/(m·K) per metre of pipe,
// 6.28318·λ / ln(outer/inner), 0 when the logarithm is not positive.
// Plane: inner = thickness, outer ignored; λ / thickness, 0 for thickness <= 0.
// 0 stands for "no insulation".
float LayerConductance(float theta1, float theta2, float inner, float outer, int materialIndex,
                       int geometry);
float LayerConductance(float theta1, float theta2, float inner, float outer,
                       const ConductivityLaw& law, int geometry);

// Outer surface temperature of an insulated pipe (outerDiameter used) or wall.
// A conductance of 0 (bare surface) gives the medium temperature.
float SurfaceTemperature(float mediumTemp, float ambientTemp, float conductance, float h,
                         float outerDiameter, int geometry);

// Outer surface coefficient h = radiation + convection between a surface and the air at
// theta1/theta2 (either order). dimension: height (arrangements 0, 3) or outer diameter
// (1, 2). Arrangements: 0 still air, vertical wall or pipe; 1 still air, horizontal pipe;
// 2 wind on a pipe; 3 wind along a wall; any other adds no convection. Boundaries of the
// turbulent regime (D³·ΔT = 10, v·D = 0.00855, v·D = 8) count as laminar.
// Contains its own arithmetic faults (a zero dimension, say): it then returns the
// radiation part alone, or 0 if that failed too, and never throws.
float HeatTransferCoefficient(float theta1, float theta2, float emissivity, float dimension,
                              float windSpeed, int arrangement);

// Dew point of air at theta with relative humidity relHumidity (%). No range check;
// a negative humidity is an invalid operation.
float DewPoint(float theta, float relHumidity);

// Insulation thickness (m) at which the outer surface reaches targetTemp, λ taken at the
// mean of the medium and the surface temperature. Ten secant steps from 1 mm and 1.1 mm;
// for a target between medium and ambient temperature (always reachable) the result is
// then checked, and when the surface misses the target by more than 0.001 K, or the target
// is not crossed within half a displayed digit either side (0.001 mm for the cylinder,
// 0.01 mm for the plane), or a step failed, a bracketing search on [0, large] finishes the
// job to both. So ordinary results are those of the ten steps, bit for bit, and a reachable
// target always ends at its thickness (0 for a medium at the target). innerDiameter is used
// for the cylinder only. An unreachable target is followed as computed and may give a
// negative or meaningless value; equal trial temperatures there divide by zero.
float RequiredThickness(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                        float targetTemp, int materialIndex, int geometry);
float RequiredThickness(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                        float targetTemp, const ConductivityLaw& law, int geometry);

// The outer surface temperature of a layer of the given thickness with λ taken at the mean
// of the medium and the surface temperature itself (found by substitution).
float SelfConsistentSurfaceTemp(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                                float thickness, const ConductivityLaw& law, int geometry);

// Temperature limits of a material (the "k-factor" entry carries -200 and 200).
float MaterialMinTemp(int materialIndex);
float MaterialMaxTemp(int materialIndex);
