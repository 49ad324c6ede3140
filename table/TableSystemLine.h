#pragma once
// A project line's object and fixed layers in the table's geometry selector and layer editor,
// and back: "Open in thickness table" and "Add to project" carry the whole insulation system.
struct Line;
class TGeometryInputs;
class TLayerEditor;

// Whether the pipes window (pipe, duct, sphere) offers the line's object; else the sheets
// window (wall, duct, sphere) does.
bool OpensInPipeWindow(const Line& line);

// The line's object, its sizes and its fixed layers in the fields; the fixed layers the
// editor held before are removed.
void SetLineSystem(TGeometryInputs& geometry, TLayerEditor& layers, const Line& line);

// The fields' object, sizes and fixed layers into the line (its other inputs untouched).
void ReadLineSystem(const TGeometryInputs& geometry, const TLayerEditor& layers, Line& line);
