#include "engine/Ucalc.h"

#include <algorithm>
#include <cmath>

#include "engine/CheckedMath.h"
#include "engine/Errors.h"
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

ConductivityLaw ConductivityLawOf(int materialIndex) {
    return ConductivityLawOf(Material(materialIndex), Shared().WorkingValues.KFactor);
}

ConductivityLaw ConductivityLawOf(const MaterialEntry& material, float kFactor) {
    if (material.Lambda0 == kKFactorMark)
        return {kFactor, 0};
    return {material.Lambda0, material.LambdaSlope};
}

float ConductivityAt(const ConductivityLaw& law, float theta) {
    if (law.LambdaSlope == 0) {
        return law.Lambda0; // the user material: one value at every temperature
    }
    const float t = theta < -160.0f ? -160.0f : theta;
    return Store(double{law.Lambda0} + double{law.LambdaSlope} * t);
}

float ConductivityAt(int materialIndex, float theta) {
    return ConductivityAt(ConductivityLawOf(materialIndex), theta);
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

float LayerConductance(float theta1, float theta2, float inner, float outer, int materialIndex,
                       int geometry) {
    return LayerConductance(theta1, theta2, inner, outer, ConductivityLawOf(materialIndex),
                            geometry);
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

float MaterialMinTemp(int materialIndex) {
    return Material(materialIndex).MinTemp;
}

float MaterialMaxTemp(int materialIndex) {
    return Material(materialIndex).MaxTemp;
}
