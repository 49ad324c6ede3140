#pragma once
// The objects an insulation system is laid on, and the thermal resistance of one layer and
// of the outer surface on each. Offsets are measured from the bare object's surface
// outwards (m), so a layer lies between two offsets.
//
// Per unit of each shape: per m² of a wall, per metre of a pipe or duct, per vessel (the
// whole sphere). Resistances come out in m²·K/W, m·K/W or K/W accordingly.
//
//  - Wall: R = s/λ. Exact for one-dimensional conduction.
//  - Pipe: R = ln(De/Di)/(2πλ). Exact for a long cylinder.
//  - Duct: the layer as a wall whose perimeter grows from Pi to Pe = Pi + 8s (square
//    corners), which is the model of the standard's rectangular cross-section rule. The
//    standard takes the arithmetic mean perimeter, R = 2s/(λ·(Pi + Pe)); the conduction
//    through a perimeter that grows linearly integrates exactly to R = ln(Pe/Pi)/(8λ), used
//    here. The two agree within 0.3 % up to Pe/Pi = 1.2 (1.4 % at 1.5), and only the
//    integrated form lets one layer split in two give the same result. Approximate: it
//    ignores the two-dimensional flow at the corners; against the exact shape factor of a
//    square duct it is 0.05 % high at Pe/Pi = 1.2 and 9 % at Pe/Pi = 2 (the arithmetic
//    mean: 0.2 % and 13 %).
//  - Sphere: R = (1/Di - 1/De)/(2πλ). Exact for a sphere; vessel heads taken as spheres.
//
// π is the 3.14159 the calculations have always used, so that a layered pipe or wall
// reads as a single layer does.
#include <cstdint>

enum class Shape : std::uint8_t { Wall, Pipe, Duct, Sphere };

struct InsulatedShape {
    Shape Kind = Shape::Pipe;
    float Diameter = 0.1f; // m, outside diameter of the pipe or the vessel
    float Width = 0;       // m, outside width of the duct
    float Height = 0;      // m, outside height of the duct
};

// Thermal resistance of a layer of conductivity lambda between two offsets.
double LayerResistance(const InsulatedShape& shape, double inner, double outer, double lambda);

// Resistance of the outer surface at an offset with the surface coefficient h.
double SurfaceResistance(const InsulatedShape& shape, double offset, double h);

// Area of the surface at an offset per unit: 1 (wall), π·D (pipe), the perimeter (duct),
// π·D² (sphere).
double AreaPerUnit(const InsulatedShape& shape, double offset);

// The dimension the surface coefficient correlations take for the insulated surface: the
// outer diameter of a pipe or sphere (a sphere takes the horizontal pipe's correlations of
// its diameter, an approximation), and for a duct the diameter of the circle with its outer
// perimeter, Pe/π (an equivalent diameter: the duct's flat sides taken as a pipe of equal
// surface, an approximation). Unused for a wall, which takes its height.
double CoefficientDimension(const InsulatedShape& shape, double offset);

// Whether the shape's sizes can carry insulation: positive diameter, width and height.
bool ShapeUsable(const InsulatedShape& shape);
