#include "engine/Coefficient.h"

// Placeholder until the physics lands.
bool CondensationTemperaturesRefused(const CoefficientInputs& in) {
    return in.CondensationForm && in.AmbientTemp < in.MediumTemp;
}

bool CoefficientInputsRefused(Installation, const CoefficientInputs&) { return false; }

CoefficientResult IterateSurfaceCoefficient(Installation, const CoefficientInputs&) { return {}; }
