#include "engine/Ucalc.h"

#include <algorithm>
#include <cmath>

#include "engine/CheckedMath.h"
#include "engine/Errors.h"
#include "engine/RootSearch.h"
#include "engine/State.h"

using checked::Div;
using checked::Store;

namespace {
const MaterialEntry& Material(int materialIndex) {
    return Shared().ReferenceLists.Materials.at(static_cast<size_t>(materialIndex));
}

// ε·σ·(T1⁴ - T2⁴)/(T1 - T2), which tends to 4·ε·σ·T³ as the temperatures meet.
float RadiationPart(float t1, float t2, float emissivity) {
    if (t1 == t2) {
        const double mean = (double{t1} + t2) / 2;
        return Store(4 * emissivity * kStefanBoltzmann * mean * mean * mean);
    }
    const double t1Sq = double{t1} * t1;
    const double t2Sq = double{t2} * t2;
    return Store(Div(emissivity * kStefanBoltzmann * (t1Sq * t1Sq - t2Sq * t2Sq), double{t1} - t2));
}

// Natural convection on a vertical (0) or horizontal (1) surface of height/diameter d.
double StillAirPart(double deltaT, double d, int arrangement) {
    const bool vertical = arrangement == 0;
    if (d * d * d * deltaT > 10) {
        return (vertical ? 1.74 : 1.21) * checked::Pow(deltaT, 1.0 / 3);
    }
    return (vertical ? 1.32 : 1.25) * checked::Pow(Div(deltaT, d), 0.25);
}

// Forced convection by wind v across a pipe of diameter d.
double WindOnPipePart(double v, double d) {
    if (v * d > 0.00855) {
        return Div(8.9 * checked::Pow(v, 0.9), checked::Pow(d, 0.1));
    }
    return Div(0.0081, d) + kPi * checked::Sqrt(Div(v, d));
}

// Forced convection by wind v along a wall of height d.
double WindOnWallPart(double v, double d) {
    if (v * d > 8) {
        return 5.76 * checked::Pow(Div(v * v * v * v, d), 0.2);
    }
    return 3.96 * checked::Sqrt(Div(v, d));
}

float ConvectionPart(float deltaT, float d, float v, int arrangement) {
    switch (arrangement) {
    case 0:
    case 1:
        return Store(StillAirPart(deltaT, d, arrangement));
    case 2:
        return Store(WindOnPipePart(v, d));
    case 3:
        return Store(WindOnWallPart(v, d));
    default:
        return 0;
    }
}
} // namespace

float ConductivityAt(int materialIndex, float theta) {
    const MaterialEntry& m = Material(materialIndex);
    if (m.Lambda0 == kKFactorMark) {
        return Shared().WorkingValues.KFactor;
    }
    const float t = theta < -160.0f ? -160.0f : theta;
    return Store(double{m.Lambda0} + double{m.LambdaSlope} * t);
}

float LayerConductance(float theta1, float theta2, float inner, float outer, int materialIndex,
                       int geometry) {
    const float lambda = ConductivityAt(materialIndex, Store((double{theta1} + theta2) * 0.5));
    if (geometry == kCylinder) {
        const float l = Store(checked::Ln(Div(outer, inner)));
        return l > 0 ? Store(Div(kTwoPi * lambda, l)) : 0.0f;
    }
    return inner > 0 ? Store(Div(lambda, inner)) : 0.0f;
}

float SurfaceTemperature(float mediumTemp, float ambientTemp, float conductance, float h,
                         float outerDiameter, int geometry) {
    if (conductance == 0) {
        return mediumTemp;
    }
    const float rse =
        geometry == kCylinder ? Store(Div(1.0, kPi * h * outerDiameter)) : Store(Div(1.0, h));
    const double share = Div(rse, Div(1.0, conductance) + rse);
    return Store(ambientTemp + (double{mediumTemp} - ambientTemp) * share);
}

float HeatTransferCoefficient(float theta1, float theta2, float emissivity, float dimension,
                              float windSpeed, int arrangement) {
    float hr = 0;
    try {
        const float t1 = Store(theta1 + kKelvinOffset);
        const float t2 = Store(theta2 + kKelvinOffset);
        hr = RadiationPart(t1, t2, emissivity);
        const float deltaT = Store(std::fabs(double{t1} - t2));
        return Store(double{hr} + ConvectionPart(deltaT, dimension, windSpeed, arrangement));
    } catch (const FloatError&) {
        // Nobody checks h here; the radiation part keeps the iteration going with a
        // finite value, and an h of 0 makes the next division report the fault.
        return hr;
    }
}

float DewPoint(float theta, float relHumidity) {
    const double ratio = checked::Pow(0.01 * relHumidity, 0.12468827930174564);
    return Store(ratio * (theta + 109.8) - 109.8);
}

namespace {
// Surface temperature of one trial thickness x, λ taken between the medium and the
// surface temperature the previous step found for that trial.
float TrialSurfaceTemp(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                       int materialIndex, int geometry, float x, float previousSurface) {
    if (geometry == kCylinder) {
        const float outer = Store(innerDiameter + 2.0 * x);
        const float c = LayerConductance(mediumTemp, previousSurface, innerDiameter, outer,
                                         materialIndex, kCylinder);
        return SurfaceTemperature(mediumTemp, ambientTemp, c, h, outer, kCylinder);
    }
    const float c = LayerConductance(mediumTemp, previousSurface, x, 0, materialIndex, geometry);
    return SurfaceTemperature(mediumTemp, ambientTemp, c, h, 0, geometry);
}

// The next trial thickness: where the line through the two trials meets the target.
float SecantStep(float x0, float x1, float y0, float y1, float targetTemp) {
    return Store(x0 + Div((double{x1} - x0) * (double{targetTemp} - y0), double{y1} - y0));
}
} // namespace

float RequiredThickness(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                        float targetTemp, int materialIndex, int geometry) {
    float x0 = 0.001f;
    float x1 = 0.0011f;
    float y0 = targetTemp;
    float y1 = targetTemp;
    // Close to the medium temperature the secant overshoots below zero thickness. There
    // every trial is a bare surface at the medium temperature, and the next step divides
    // equal temperatures (or a pipe's insulated diameter turns negative), although the
    // answer is a thickness near 0. A target between medium and ambient temperature has a
    // thickness of at least 0, so such a step restarts from there; an unreachable target
    // is followed as computed.
    const bool reachable = targetTemp >= std::min(mediumTemp, ambientTemp) &&
                           targetTemp <= std::max(mediumTemp, ambientTemp);
    for (int round = 0; round < 10; ++round) {
        y0 = TrialSurfaceTemp(mediumTemp, ambientTemp, innerDiameter, h, materialIndex, geometry,
                              x0, y0);
        y1 = TrialSurfaceTemp(mediumTemp, ambientTemp, innerDiameter, h, materialIndex, geometry,
                              x1, y1);
        x0 = SecantStep(x0, x1, y0, y1, targetTemp);
        if (reachable && x0 < 0) {
            x0 = 0;
        }
        x1 = Store(x0 + 0.0001);
    }
    return x0;
}

float MaterialMinTemp(int materialIndex) {
    return Material(materialIndex).MinTemp;
}

float MaterialMaxTemp(int materialIndex) {
    return Material(materialIndex).MaxTemp;
}

ConductivityLaw ConductivityLawOf(int materialIndex) {
    const MaterialEntry& m = Material(materialIndex);
    if (m.Lambda0 == kKFactorMark) {
        return {Shared().WorkingValues.KFactor, 0};
    }
    return {m.Lambda0, m.LambdaSlope};
}

float ConductivityAt(const ConductivityLaw& law, float theta) {
    const float t = theta < -160.0f ? -160.0f : theta;
    return Store(double{law.Lambda0} + double{law.LambdaSlope} * t);
}

float LayerConductance(float theta1, float theta2, float inner, float outer,
                       const ConductivityLaw& law, int geometry) {
    const float lambda = ConductivityAt(law, Store((double{theta1} + theta2) * 0.5));
    if (geometry == kCylinder) {
        const float l = Store(checked::Ln(Div(outer, inner)));
        return l > 0 ? Store(Div(kTwoPi * lambda, l)) : 0.0f;
    }
    return inner > 0 ? Store(Div(lambda, inner)) : 0.0f;
}

float SelfConsistentSurfaceTemp(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                                float thickness, const ConductivityLaw& law, int geometry) {
    const float outer = geometry == kCylinder ? Store(innerDiameter + 2.0 * thickness) : 0.0f;
    const float inner = geometry == kCylinder ? innerDiameter : thickness;
    float surface = ambientTemp;
    for (int pass = 0; pass < 200; ++pass) {
        const float c = LayerConductance(mediumTemp, surface, inner, outer, law, geometry);
        const float next = SurfaceTemperature(mediumTemp, ambientTemp, c, h, outer, geometry);
        if (std::fabs(double{next} - surface) < 1e-6) {
            return next;
        }
        surface = next;
    }
    return surface;
}

float RequiredThickness(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                        float targetTemp, const ConductivityLaw& law, int geometry) {
    const auto miss = [&](double x) {
        return double{SelfConsistentSurfaceTemp(mediumTemp, ambientTemp, innerDiameter, h,
                                                static_cast<float>(x), law, geometry)} -
               targetTemp;
    };
    const std::optional<double> hi = GrowBracket(miss, 0, 0.001, 1e4);
    if (!hi) {
        return 0;
    }
    return static_cast<float>(BracketedRoot(miss, 0, *hi, 0.0005, 1e-12).value_or(0));
}
