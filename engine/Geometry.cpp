#include "engine/Geometry.h"

#include "engine/CheckedMath.h"
#include "engine/Ucalc.h"

using checked::Div;

namespace {
double DiameterAt(const InsulatedShape& shape, double offset) {
    return double{shape.Diameter} + 2 * offset;
}

// Square corners: each of the four adds twice the offset to the perimeter.
double PerimeterAt(const InsulatedShape& shape, double offset) {
    return 2 * (double{shape.Width} + shape.Height) + 8 * offset;
}
} // namespace

double LayerResistance(const InsulatedShape& shape, double inner, double outer, double lambda) {
    switch (shape.Kind) {
    case Shape::Wall:
        return Div(outer - inner, lambda);
    case Shape::Pipe:
        return Div(checked::Ln(Div(DiameterAt(shape, outer), DiameterAt(shape, inner))),
                   kTwoPi * lambda);
    case Shape::Duct:
        return Div(checked::Ln(Div(PerimeterAt(shape, outer), PerimeterAt(shape, inner))),
                   8 * lambda);
    case Shape::Sphere:
        return Div(Div(1.0, DiameterAt(shape, inner)) - Div(1.0, DiameterAt(shape, outer)),
                   kTwoPi * lambda);
    }
    return 0;
}

double AreaPerUnit(const InsulatedShape& shape, double offset) {
    switch (shape.Kind) {
    case Shape::Wall:
        return 1;
    case Shape::Pipe:
        return kPi * DiameterAt(shape, offset);
    case Shape::Duct:
        return PerimeterAt(shape, offset);
    case Shape::Sphere: {
        const double d = DiameterAt(shape, offset);
        return kPi * d * d;
    }
    }
    return 1;
}

double SurfaceResistance(const InsulatedShape& shape, double offset, double h) {
    return Div(1.0, h * AreaPerUnit(shape, offset));
}

double CoefficientDimension(const InsulatedShape& shape, double offset) {
    switch (shape.Kind) {
    case Shape::Duct:
        return Div(PerimeterAt(shape, offset), kPi);
    case Shape::Pipe:
    case Shape::Sphere:
        return DiameterAt(shape, offset);
    case Shape::Wall:
        break;
    }
    return 0;
}

bool ShapeUsable(const InsulatedShape& shape) {
    switch (shape.Kind) {
    case Shape::Wall:
        return true;
    case Shape::Duct:
        return shape.Width > 0 && shape.Height > 0;
    case Shape::Pipe:
    case Shape::Sphere:
        return shape.Diameter > 0;
    }
    return false;
}
