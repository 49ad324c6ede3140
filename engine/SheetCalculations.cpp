#include "engine/SheetCalculations.h"

#include "engine/CheckedMath.h"
#include "engine/Ucalc.h"

using checked::Div;
using checked::Store;

bool SheetCondensationPlausible(const SheetCondensationInputs& in) {
    return in.AmbientTemp >= in.MediumTemp && TemperaturesInRange(in.AmbientTemp, in.MediumTemp) &&
           SurfaceCoefficientInRange(in.SurfaceCoefficient) && in.RelHumidity <= 96 &&
           DewPointBelowAir(in.AmbientTemp, in.RelHumidity);
}

SheetCondensationResult SheetCondensation(const SheetCondensationInputs& in) {
    return CondensationAt(in.AmbientTemp, in.MediumTemp, in.RelHumidity, in.SurfaceCoefficient, 0,
                          in.MaterialIndex, kPlane);
}

bool SheetHeatLossPlausible(const SheetHeatLossInputs& in) {
    return TemperaturesInRange(in.AmbientTemp, in.MediumTemp) &&
           SurfaceCoefficientInRange(in.SurfaceCoefficient) && Within(in.CostPerKWh, 0, 1e6) &&
           AtLeast(in.Area, 0.01) && AtLeast(in.Thickness, 0);
}

namespace {
// Per m² of wall: 1 / (s/λ + 1/h), kept in the order the resistances are added.
float WallTransmittance(float thickness, float lambda, float h) {
    float resistance = Store(Div(thickness, lambda));
    resistance = Store(Div(1.0, h) + resistance);
    return Store(Div(1.0, resistance));
}
} // namespace

HeatLossResult SheetHeatLoss(const SheetHeatLossInputs& in) {
    const double difference = double{in.AmbientTemp} - in.MediumTemp;
    HeatLossResult r;
    r.BareHeatFlow = Store(in.BareCoefficient * double{in.Area} * difference);
    r.Transmittance = WallTransmittance(in.Thickness, in.Lambda, in.SurfaceCoefficient);
    r.HeatFlow = Store(r.Transmittance * double{in.Area} * difference);
    SetSavingAndCost(r, in.AmbientTemp, in.MediumTemp, in.CostPerKWh);
    r.Bare = in.Thickness == 0;
    return r;
}

bool SheetSurfaceTempPlausible(const SheetSurfaceTempInputs& in) {
    return TemperaturesInRange(in.AmbientTemp, in.MediumTemp) &&
           SurfaceCoefficientInRange(in.SurfaceCoefficient) && AtLeast(in.Thickness, 0);
}

SurfaceTempResult SheetSurfaceTemp(const SheetSurfaceTempInputs& in) {
    const float c =
        LayerConductance(in.MediumTemp, in.AmbientTemp, in.Thickness, 0, in.MaterialIndex, kPlane);
    SurfaceTempResult r;
    r.SurfaceTemp =
        SurfaceTemperature(in.MediumTemp, in.AmbientTemp, c, in.SurfaceCoefficient, 0, kPlane);
    r.Bare = in.Thickness == 0;
    return r;
}
