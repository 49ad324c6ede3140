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
