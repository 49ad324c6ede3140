#pragma once
// The eight calculations of the open calculation form. Each reads the form's lines, checks
// them (showing its refusal and returning false) and on success writes the result lines
// and appends its row to the result log. Conversion and arithmetic errors propagate.

bool CalcPipeCondensation();
bool CalcPipeSurfaceTemperature();
bool CalcPipeHeatLoss();
bool CalcPipeTemperatureDrop();
bool CalcPipeFreezingTime();
bool CalcSheetCondensation();
bool CalcSheetHeatLoss();
bool CalcSheetSurfaceTemperature();

// The critical freezing time (hours) of the freezing form's inputs with the insulation
// thickness (m) replaced; 0 when the medium does not freeze from above its freezing point,
// and 0 after "Please enter values that make sense!". Writes no line, appends no row.
float FreezingTimeFor(float thickness);

// The calculation of a CalculationType (0..7).
bool RunCalculation(int calculationType);
