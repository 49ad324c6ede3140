#include "engine/PipeCalculations.h"

#include <cmath>

#include "engine/CheckedMath.h"
#include "engine/Ucalc.h"

using checked::Div;
using checked::Store;

namespace {
// Content of one metre of pipe: (0.5·D·π)·(0.5·D)·ρ, kg/m.
float ContentPerMetre(float d, float density) {
    return Store((0.5 * d * kPi) * (0.5 * d) * density);
}
} // namespace

bool PipeCondensationPlausible(const PipeCondensationInputs& in) {
    return in.AmbientTemp >= in.MediumTemp && TemperaturesInRange(in.AmbientTemp, in.MediumTemp) &&
           AtLeast(in.TubeDiameter, 0.001) && SurfaceCoefficientInRange(in.SurfaceCoefficient) &&
           Within(in.RelHumidity, 25, 96) && DewPointBelowAir(in.AmbientTemp, in.RelHumidity);
}

PipeCondensationResult PipeCondensation(const PipeCondensationInputs& in) {
    return CondensationAt(in.AmbientTemp, in.MediumTemp, in.RelHumidity, in.SurfaceCoefficient,
                          in.TubeDiameter, in.MaterialIndex, kCylinder);
}

bool PipeSurfaceTempPlausible(const PipeSurfaceTempInputs& in) {
    return TemperaturesInRange(in.AmbientTemp, in.MediumTemp) && AtLeast(in.TubeDiameter, 0.001) &&
           AtLeast(in.Thickness, 0) && SurfaceCoefficientInRange(in.SurfaceCoefficient);
}

SurfaceTempResult PipeSurfaceTemp(const PipeSurfaceTempInputs& in) {
    const float outer = Store(in.TubeDiameter + 2.0 * in.Thickness);
    const float c = LayerConductance(in.MediumTemp, in.AmbientTemp, in.TubeDiameter, outer,
                                     in.MaterialIndex, kCylinder);
    SurfaceTempResult r;
    r.SurfaceTemp = SurfaceTemperature(in.MediumTemp, in.AmbientTemp, c, in.SurfaceCoefficient,
                                       outer, kCylinder);
    r.Bare = in.Thickness == 0;
    return r;
}

bool PipeHeatLossPlausible(const PipeHeatLossInputs& in) {
    return TemperaturesInRange(in.AmbientTemp, in.MediumTemp) && AtLeast(in.TubeDiameter, 0.001) &&
           AtLeast(in.PipeLength, 0.001) && SurfaceCoefficientInRange(in.SurfaceCoefficient) &&
           Within(in.CostPerKWh, 0, 1e6) && AtLeast(in.Thickness, 0);
}

HeatLossResult PipeHeatLoss(const PipeHeatLossInputs& in) {
    const double difference = double{in.AmbientTemp} - in.MediumTemp;
    const float bareTransmittance = Store(in.BareCoefficient * kPi * in.TubeDiameter);
    HeatLossResult r;
    r.BareHeatFlow = Store(bareTransmittance * double{in.PipeLength} * difference);
    r.Transmittance =
        PipeTransmittance(in.TubeDiameter, in.Thickness, in.Lambda, in.SurfaceCoefficient);
    r.HeatFlow = Store(r.Transmittance * double{in.PipeLength} * difference);
    SetSavingAndCost(r, in.AmbientTemp, in.MediumTemp, in.CostPerKWh);
    r.Bare = in.Thickness == 0;
    return r;
}

bool PipeTemperatureDropPlausible(const PipeTemperatureDropInputs& in) {
    return TemperaturesInRange(in.AmbientTemp, in.MediumTemp) && AtLeast(in.TubeDiameter, 0.001) &&
           AtLeast(in.PipeLength, 0.001) && SurfaceCoefficientInRange(in.SurfaceCoefficient) &&
           Within(in.Density, 0.001, 22580) && Within(in.HeatCapacity, 1, 25000) &&
           Within(in.FlowRate, 0.001, 1000) && AtLeast(in.Thickness, 0);
}

namespace {
// kg/s: a velocity times the pipe's cross-section and ρ; for a volume flow in l/s the
// same product is scaled back to F·ρ/1000 (0.0012732406201955062 = 0.004/3.14159).
float MassFlow(const PipeTemperatureDropInputs& in) {
    const double radius = in.TubeDiameter * 0.5;
    float massFlow = Store((radius * kPi) * radius * in.FlowRate * in.Density);
    if (IsVolumeFlow(in.FlowRateUnit)) {
        massFlow =
            Store(Div(massFlow * 0.0012732406201955062, double{in.TubeDiameter} * in.TubeDiameter));
    }
    return massFlow;
}
} // namespace

TemperatureDropResult PipeTemperatureDrop(const PipeTemperatureDropInputs& in) {
    TemperatureDropResult r;
    r.Transmittance =
        PipeTransmittance(in.TubeDiameter, in.Thickness, in.Lambda, in.SurfaceCoefficient);
    r.MassFlow = MassFlow(in);
    const double capacityFlow = double{r.MassFlow} * in.HeatCapacity;
    const double decay =
        checked::Exp(Div(-(r.Transmittance * double{in.PipeLength}), capacityFlow));
    const float change = Store((1 - decay) * (double{in.MediumTemp} - in.AmbientTemp));
    const bool warmer = in.MediumTemp > in.AmbientTemp;
    r.TemperatureDrop = warmer ? std::fabs(change) : -std::fabs(change);
    const float heatFlow = Store(capacityFlow * change);
    r.HeatFlow = warmer ? -std::fabs(heatFlow) : std::fabs(heatFlow);
    r.Bare = in.Thickness == 0;
    return r;
}

FreezingOutcome ClassifyFreezing(float ambientTemp, float mediumTemp, float freezingTemp) {
    const float a = ambientTemp, i = mediumTemp, f = freezingTemp;
    if ((f < i && i < a) || (f <= a && a < i)) {
        return FreezingOutcome::Never;
    }
    if ((i < f && f <= a) || (a < i && i < f) || (i < a && a < f)) {
        return FreezingOutcome::Frozen;
    }
    if (a < f && f < i) {
        return FreezingOutcome::Computed;
    }
    return FreezingOutcome::Undetermined;
}

bool PipeFreezingPlausible(const PipeFreezingInputs& in, bool checkThickness) {
    return TemperaturesInRange(in.AmbientTemp, in.MediumTemp) &&
           TemperatureInRange(in.FreezingTemp) && AtLeast(in.TubeDiameter, 0.001) &&
           SurfaceCoefficientInRange(in.SurfaceCoefficient) && Within(in.Density, 0.001, 22580) &&
           Within(in.HeatCapacity, 1, 25000) && Within(in.LatentHeat, 0, 1e7) &&
           Within(in.MaxFrozenPart, 0, 1) && (!checkThickness || AtLeast(in.Thickness, 0));
}

namespace {
// Seconds to cool the medium from θi to θf, plus seconds to freeze the given part, in hours.
float FreezingHours(const PipeFreezingInputs& in, float transmittance) {
    const float content = ContentPerMetre(in.TubeDiameter, in.Density);
    const double aboveFreezing = double{in.FreezingTemp} - in.AmbientTemp;
    const double ratio = Div(double{in.MediumTemp} - in.AmbientTemp, aboveFreezing);
    const float cooling = Store(Div(checked::Ln(ratio) * content, transmittance) * in.HeatCapacity);
    const float freezing =
        Store(Div(Div(content, transmittance) * in.LatentHeat * in.MaxFrozenPart, aboveFreezing));
    return Store((double{cooling} + freezing) * 0.0002777777777777778);
}
} // namespace

FreezingResult PipeFreezingTime(const PipeFreezingInputs& in) {
    FreezingResult r;
    r.Transmittance =
        PipeTransmittance(in.TubeDiameter, in.Thickness, in.Lambda, in.SurfaceCoefficient);
    r.Outcome = ClassifyFreezing(in.AmbientTemp, in.MediumTemp, in.FreezingTemp);
    if (r.Outcome == FreezingOutcome::Computed) {
        r.Hours = FreezingHours(in, r.Transmittance);
    }
    return r;
}
