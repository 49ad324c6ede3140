#include "engine/CalcFrame.h"

#include <cmath>

#include "engine/CheckedMath.h"
#include "engine/State.h"
#include "engine/Ucalc.h"

using checked::Div;
using checked::Store;

MaterialLimits CheckMaterialLimits(int materialIndex, float ambientTemp, float mediumTemp) {
    const float highest = MaterialMaxTemp(materialIndex);
    if (highest < ambientTemp || highest < mediumTemp) {
        return MaterialLimits::TooHigh;
    }
    const float lowest = MaterialMinTemp(materialIndex);
    if (lowest > ambientTemp || lowest > mediumTemp) {
        return MaterialLimits::TooLow;
    }
    return MaterialLimits::Ok;
}

float MeanConductivity(bool kFactorMaterial, int materialIndex, float ambientTemp,
                       float mediumTemp) {
    if (kFactorMaterial) {
        return Shared().WorkingValues.KFactor;
    }
    return ConductivityAt(materialIndex, Store((double{ambientTemp} + mediumTemp) * 0.5));
}

bool NeedsDefaultCoefficient(bool hFromDialog, float thickness) {
    return !hFromDialog && thickness == 0;
}

float MillimetresToMetres(float mm) {
    return Store(mm * 0.001);
}

float FlowRateToSI(float value, int unitIndex) {
    switch (unitIndex) {
    case kFeetPerSecond:
        return Store(value * 0.12 * 2.54);
    case kGallonsPerMinute:
        return Store(value * 0.0630901964);
    default:
        return value;
    }
}

bool IsVolumeFlow(int unitIndex) {
    return unitIndex == kLitresPerSecond || unitIndex == kGallonsPerMinute;
}

bool TemperatureInRange(float theta) {
    return Within(theta, -200, 300);
}

bool TemperaturesInRange(float ambientTemp, float mediumTemp) {
    return TemperatureInRange(ambientTemp) && TemperatureInRange(mediumTemp);
}

bool SurfaceCoefficientInRange(float h) {
    return Within(h, 1, 50);
}

bool AtLeast(float value, double lowest) {
    return value >= lowest;
}

bool Within(float value, double lowest, double highest) {
    return value >= lowest && value <= highest;
}

bool DewPointBelowAir(float ambientTemp, float relHumidity) {
    return relHumidity < 0 || DewPoint(ambientTemp, relHumidity) < ambientTemp;
}

float PipeTransmittance(float d, float s, float lambda, float h) {
    const float outer = Store(d + 2.0 * s);
    const double layer = Div(checked::Ln(Div(outer, d)), kTwoPi * lambda);
    const double surface = Div(1.0, outer * double{h} * kPi);
    return Store(Div(1.0, layer + surface));
}

CondensationResult CondensationAt(float ambientTemp, float mediumTemp, float relHumidity, float h,
                                  float innerDiameter, int materialIndex, int geometry) {
    CondensationResult r;
    r.DewPoint = DewPoint(ambientTemp, relHumidity);
    // A medium at the dew point already keeps its bare surface dry.
    r.NeedsInsulation = r.DewPoint > mediumTemp;
    if (r.NeedsInsulation) {
        r.MinThickness = RequiredThickness(mediumTemp, ambientTemp, innerDiameter, h, r.DewPoint,
                                           materialIndex, geometry);
        r.MinThicknessMm = Store(r.MinThickness * 1000.0);
    }
    return r;
}

void SetSavingAndCost(HeatLossResult& r, float ambientTemp, float mediumTemp, float costPerKWh) {
    r.NoTemperatureDifference = ambientTemp == mediumTemp;
    r.Saving =
        r.NoTemperatureDifference ? 0.0f : Store((1 - Div(r.HeatFlow, r.BareHeatFlow)) * 100);
    r.CostPerHour = Store(std::fabs(r.HeatFlow * double{costPerKWh} * 0.001));
}
