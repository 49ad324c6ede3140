#include "engine/Coefficient.h"

#include "engine/CalcFrame.h"
#include "engine/CheckedMath.h"
#include "engine/Ucalc.h"

using checked::Store;

namespace {
// What one installation hands to the property functions.
struct PassGeometry {
    int geometry = kCylinder;
    float inner = 0;     // pipe diameter, or the thickness of a plane layer
    float outer = 0;     // insulated diameter (0 for a plane layer)
    int arrangement = 0; // of HeatTransferCoefficient
    float dimension = 0; // insulated diameter or sheet height
    float wind = 0;
};

bool IsPipe(Installation installation) {
    return installation == Installation::InsidePipe || installation == Installation::OutsidePipe;
}

bool IsOutside(Installation installation) {
    return installation == Installation::OutsidePipe || installation == Installation::OutsideSheet;
}

PassGeometry GeometryFor(Installation installation, const CoefficientInputs& in, float thickness) {
    PassGeometry g;
    if (IsPipe(installation)) {
        g.inner = in.TubeDiameter;
        g.outer = Store(in.TubeDiameter + 2.0 * thickness);
        g.dimension = g.outer;
    } else {
        g.geometry = kPlane;
        g.inner = thickness;
        g.dimension = in.SheetHeight;
    }
    switch (installation) {
    case Installation::InsidePipe:
        g.arrangement = in.Horizontal ? 1 : 0;
        break;
    case Installation::OutsidePipe:
        g.arrangement = 2;
        break;
    case Installation::InsideSheet:
        g.arrangement = 0;
        break;
    case Installation::OutsideSheet:
        g.arrangement = 3;
        break;
    }
    if (IsOutside(installation)) {
        g.wind = in.WindSpeed;
    }
    return g;
}

float StartSurfaceTemp(const CoefficientInputs& in) {
    return Store(in.MediumTemp + 0.9 * (double{in.AmbientTemp} - in.MediumTemp));
}

// The 21 substitution passes; always all of them, the last one counts.
CoefficientResult RunPasses(const PassGeometry& g, const CoefficientInputs& in,
                            const ConductivityLaw& law, float surface) {
    CoefficientResult r;
    r.SurfaceTemp = surface;
    for (int pass = 0; pass < 21; ++pass) {
        const float c =
            LayerConductance(in.MediumTemp, r.SurfaceTemp, g.inner, g.outer, law, g.geometry);
        r.h = HeatTransferCoefficient(r.SurfaceTemp, in.AmbientTemp, in.Emissivity, g.dimension,
                                      g.wind, g.arrangement);
        r.SurfaceTemp =
            SurfaceTemperature(in.MediumTemp, in.AmbientTemp, c, r.h, g.outer, g.geometry);
    }
    return r;
}

// h of a surface held at the dew point of the stored humidity, for a medium that is warmer
// than the dew point and so cannot sweat at any thickness.
float DewPointSurfaceCoefficient(const CoefficientInputs& in) {
    const float g = Store(checked::Pow(0.01 * in.StoredRelHumidity, 0.1246882793));
    const float dewPoint = Store((109.8 + in.AmbientTemp) * g - 109.8);
    const float tm = Store((double{in.AmbientTemp} + dewPoint) * 0.5 + kKelvinOffset);
    const float tm3 = Store(double{tm} * tm * tm);
    const float deltaT = Store(double{in.AmbientTemp} - dewPoint);
    const float cubeRoot = Store(checked::Pow(deltaT, 1.0 / 3));
    return Store(2.268e-7 * in.Emissivity * tm3 + 1.74 * cubeRoot);
}

// Ten rounds of: thickness that holds the surface at the dew point for the latest h, then
// the passes again with that thickness.
CoefficientResult SweatingSurfaceCoefficient(Installation installation, const CoefficientInputs& in,
                                             const ConductivityLaw& law, float dewPoint,
                                             CoefficientResult r) {
    const bool pipe = IsPipe(installation);
    for (int round = 0; round < 10; ++round) {
        const float s =
            RequiredThickness(in.MediumTemp, in.AmbientTemp, pipe ? in.TubeDiameter : 0.0f, r.h,
                              dewPoint, law, pipe ? kCylinder : kPlane);
        r = RunPasses(GeometryFor(installation, in, s), in, law, StartSurfaceTemp(in));
    }
    return r;
}
} // namespace

bool CondensationTemperaturesRefused(const CoefficientInputs& in) {
    return in.CondensationForm &&
           (in.AmbientTemp < in.MediumTemp || !DewPointBelowAir(in.AmbientTemp, in.RelHumidity));
}

bool CoefficientInputsRefused(Installation installation, const CoefficientInputs& in) {
    return in.Emissivity < 0 || in.Emissivity > 1 ||
           (IsOutside(installation) && in.WindSpeed > 10) || in.Thickness > 0.5 || in.Thickness < 0;
}

CoefficientResult IterateSurfaceCoefficient(Installation installation, const CoefficientInputs& in,
                                            const ConductivityLaw& law) {
    CoefficientResult r =
        RunPasses(GeometryFor(installation, in, in.Thickness), in, law, StartSurfaceTemp(in));
    if (!in.CondensationForm) {
        return r;
    }
    const float dewPoint = DewPoint(in.AmbientTemp, in.RelHumidity);
    if (dewPoint >= in.MediumTemp) {
        return SweatingSurfaceCoefficient(installation, in, law, dewPoint, r);
    }
    r.h = DewPointSurfaceCoefficient(in);
    return r;
}

CoefficientResult IterateSurfaceCoefficient(Installation installation,
                                            const CoefficientInputs& in) {
    return IterateSurfaceCoefficient(installation, in, ConductivityLawOf(in.MaterialIndex));
}
