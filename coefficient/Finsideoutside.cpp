#include "coefficient/Finsideoutside.h"

#include "engine/State.h"

// Placeholders until the dialog lands.
void CalculateHFor(TParaLine&) {}

float DefaultSurfaceCoefficient() { return Shared().WorkingValues.SurfaceCoefficient; }
