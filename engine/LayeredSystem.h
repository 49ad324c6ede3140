#pragma once
// An insulation system as it is built: up to five layers of different materials from the
// inside out on a wall, pipe, rectangular duct or sphere, with an optional metal cladding
// outside. Each layer's λ is taken at its own mean temperature, and all interface
// temperatures are solved together with the outer surface coefficient h until every one
// settles within 0.001 K. One layer on a pipe or a wall is the thickness table's own row
// (SolveRow), bit for bit.
#include <optional>
#include <vector>

#include "engine/Geometry.h"
#include "engine/RowSolve.h"
#include "engine/Ucalc.h"

inline constexpr int kMaxLayers = 5;

struct InsulationLayer {
    ConductivityLaw Law; // a material's law, or {k-factor, 0} for a typed constant
    float Thickness = 0; // m
    // The material's temperature limits (°C), where it has them.
    std::optional<float> MinTemp;
    std::optional<float> MaxTemp;
};

struct LayeredInputs {
    float AmbientTemp = 20; // °C
    float MediumTemp = 60;  // °C, at the bare object's surface
    InsulatedShape Object;
    std::vector<InsulationLayer> Layers; // inside out, 1 to kMaxLayers
    // Emission coefficient of a metal jacket over the outer layer; its own resistance is
    // neglected. Without one the outer layer's surface has Coefficient.Emissivity.
    std::optional<float> CladdingEmissivity;
    SurfaceCoefficientModel Coefficient; // typed h, or computed indoors or outdoors
};

// The surface as SurfaceSolution; where h jumps across the balance (NoBalance), h and the
// temperatures are from the smaller h, HeatFlowPerUnit from the larger (FlowH). A single
// layer reports the row's own.
struct LayeredSolution : SurfaceSolution {
    // Medium face first, outer surface last: Layers.size() + 1 temperatures, °C.
    std::vector<float> Interfaces;
    std::vector<float> Lambdas; // W/(m·K), each at its layer's mean temperature
    // Layers whose faces lie outside the material's temperature limits.
    std::vector<bool> BeyondLimits;
};

// Whether the inputs describe a system that can be solved: 1 to kMaxLayers layers, each of
// positive thickness, a usable object, a cladding emissivity in [0, 1].
bool LayeredInputsUsable(const LayeredInputs& in);

// The solution; throws FloatError as the engine does (a zero λ, say). Inputs must be usable.
LayeredSolution SolveLayered(const LayeredInputs& in);

// h of the outer surface of the system with its layers (offset: their total thickness, m)
// at a surface temperature: typed, or the surface coefficient correlations for the shape.
float SurfaceCoefficientAt(const LayeredInputs& in, double offset, float surface);

// The convection regime of that h as RowSolution::Regime (-1 typed).
int SurfaceRegimeAt(const LayeredInputs& in, double offset, float surface);

// The thinnest first layer (m) from which every layer outside it stays within its
// material's limits, for every thicker first layer up to bound (m), the other layers as
// given: 0 when they are within their limits without the first layer; nullopt when no
// first layer up to the bound keeps them there. Found on a geometric scan and bisected to
// 0.01 mm. Inputs must be usable with at least two layers.
std::optional<float> ThinnestInnerLayerWithinLimits(const LayeredInputs& in, float bound = 1.0f);
