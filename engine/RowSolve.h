#pragma once
// One insulated surface solved as a whole: λ at the mean temperature of the insulation
// layer (medium and outer surface) and the outer coefficient h at that surface, both held
// until the surface settles. The thickness table's rows and every criterion it states are
// computed with this one function, so that a row never contradicts a minimum.
#include "engine/Ucalc.h"

// How the outer surface coefficient is obtained.
struct SurfaceCoefficientModel {
    bool Computed = false; // false: Typed
    float Typed = 9.0f;    // W/(m²·K)
    bool Outside = false;  // outdoors (wind) or indoors (still air)
    bool Horizontal = true;
    float WindSpeed = 0; // m/s, outdoors
    float Emissivity = 0.93f;
    float SheetHeight = 1; // m, walls
};

struct RowSolveInputs {
    bool Pipe = true;
    float AmbientTemp = 20; // °C
    float MediumTemp = 60;  // °C
    float TubeDiameter = 0; // m, pipes
    ConductivityLaw Law;
    float Thickness = 0; // m; 0 is the bare surface (at the medium's temperature)
    SurfaceCoefficientModel Coefficient;
};

enum class Settling {
    Iterated,  // substitution of λ and h settled within 0.001 K
    Bisected,  // substitution alternated; the balance was found by bisection on the surface
    NoBalance, // h jumps across the balance: each side taken where it is the safe one
};

inline constexpr int kAtTheJump = 2;

// What a solved insulation system shows at its outer surface; a single layer and a layered
// system report it alike, so that the table takes either as a row.
struct SurfaceSolution {
    float SurfaceTemp = 0;   // °C
    float h = 0;             // W/(m²·K), of the regime that gives SurfaceTemp
    float Transmittance = 0; // HeatFlowPerUnit per kelvin of air over medium
    // W/m² (wall), W/m (pipe, duct), W (sphere); Transmittance·(θa − θi), > 0 into the medium.
    float HeatFlowPerUnit = 0;
    Settling Settle = Settling::Iterated;
    // The convection regime of the correlation at the surface: 0 laminar, 1 turbulent,
    // kAtTheJump for NoBalance, -1 where h is typed. Across a change of regime h jumps.
    int Regime = -1;
    // NoBalance only: the other regime's h, which gives the larger heat flow. The surface
    // is from the regime that keeps it further from the air (the colder surface for a cold
    // medium, the hotter for a hot one), HeatFlowPerUnit from the one with the larger flow.
    float FlowH = 0;
};

struct RowSolution : SurfaceSolution {
    float Lambda = 0; // W/(m·K) used, at the layer's mean temperature (0 when bare)
    int Passes = 0;   // substitution passes run
};

// The settled surface of one layer; throws FloatError as the engine does.
RowSolution SolveRow(const RowSolveInputs& in);
