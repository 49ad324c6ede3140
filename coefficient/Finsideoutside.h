#pragma once
class TParaLine;

// "calculate h" of a form's surface-coefficient line: runs the surface coefficient dialog
// and writes h into the line.
void CalculateHFor(TParaLine& hLine);

// h of a bare surface of the open form, from the dialog driven unseen; stores it as
// WorkingValues.SurfaceCoefficient and returns it (unchanged after a contained error).
float DefaultSurfaceCoefficient();
