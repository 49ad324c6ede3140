#include "forms/Ucalculations.h"

// Placeholders until the calculations are wired.
bool CalcPipeCondensation() { return false; }
bool CalcPipeSurfaceTemperature() { return false; }
bool CalcPipeHeatLoss() { return false; }
bool CalcPipeTemperatureDrop() { return false; }
bool CalcPipeFreezingTime() { return false; }
bool CalcSheetCondensation() { return false; }
bool CalcSheetHeatLoss() { return false; }
bool CalcSheetSurfaceTemperature() { return false; }
