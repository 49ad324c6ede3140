#pragma once
// The numerical core of the outer surface coefficient h: the four installations, the
// 21 substitution passes and, for the condensation forms, the dew-point branch.
// Free of windows: the surface coefficient dialog reads its fields and the form's lines,
// converts them, and calls these.

struct ConductivityLaw;

enum class Installation { InsidePipe, OutsidePipe, InsideSheet, OutsideSheet };

struct CoefficientInputs {
    float AmbientTemp = 0;         // θa, °C
    float MediumTemp = 0;          // θi, °C
    float TubeDiameter = 0;        // D, m (pipes)
    float Thickness = 0;           // s, m
    int MaterialIndex = -1;        // into Shared().ReferenceLists.Materials
    float RelHumidity = 0;         // φ of the form's humidity line, % (condensation forms)
    float Emissivity = 0;          // ε
    float WindSpeed = 0;           // v, m/s (outside installations)
    float SheetHeight = 0;         // H, m (sheets)
    bool Horizontal = false;       // inside pipes: "horizontal" checked
    bool CondensationForm = false; // CalculationType 0 or 5
    float StoredRelHumidity = 0;   // WorkingValues.RelHumidity, for the closed formula
};

struct CoefficientResult {
    float h = 0;
    float SurfaceTemp = 0; // θs after the last pass
};

// Condensation forms refuse an ambient colder than the medium, and air too cold for the dew
// point formula (checked first of all).
bool CondensationTemperaturesRefused(const CoefficientInputs& in);

// The checks on ε, v (outside only) and s, in that order, bounds included; true when one
// refuses ("Please enter values that make sense!").
bool CoefficientInputsRefused(Installation installation, const CoefficientInputs& in);

// Start value, 21 passes, and the condensation branch where it applies.
// Throws FloatError on an arithmetic error (a zero tube diameter, say).
CoefficientResult IterateSurfaceCoefficient(Installation installation, const CoefficientInputs& in);

// The same with the material given by its conductivity law (in.MaterialIndex unused).
CoefficientResult IterateSurfaceCoefficient(Installation installation, const CoefficientInputs& in,
                                            const ConductivityLaw& law);
