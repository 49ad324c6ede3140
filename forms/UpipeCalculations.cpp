// The five pipe calculations on the lines of the open calculation form.
#include <QString>

#include "coefficient/Finsideoutside.h"
#include "config/Utolerance.h"
#include "engine/CheckedMath.h"
#include "engine/PipeCalculations.h"
#include "engine/State.h"
#include "forms/UcalcFrame.h"
#include "forms/Ucalculations.h"
#include "forms/Uclasses.h"

namespace {

using F = TCalcFrame;

// "- / -": the pipe needs no insulation against condensation.
const QString kNoInsulationNeeded = QStringLiteral("- / -");

void WriteCondensationResults(const TCalcFrame& frame, const PipeCondensationInputs& in,
                              const PipeCondensationResult& r) {
    WriteResult(0, r.DewPoint, kTwoDecimals);
    if (!r.NeedsInsulation) {
        WriteResultText(1, kNoInsulationNeeded);
        WriteResultText(2, kNoInsulationNeeded);
        return;
    }
    WriteResult(1, r.MinThicknessMm, kThreeDecimals);
    WriteResultText(2, frame.UserMaterial()
                           ? kNotApplicable
                           : LookupPipeRecommendation(in.TubeDiameter, r.MinThicknessMm));
    Shared().WorkingValues.InsulationThickness = r.MinThickness;
}

// Lines 0 to 7, the thickness line 8 unless replaced, and the h line 10 of the freezing
// form; latent heat in J/kg, the frozen part as a fraction.
PipeFreezingInputs ReadFreezingLines(bool thicknessLine) {
    PipeFreezingInputs in;
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.Density = F::Number(2);
    in.HeatCapacity = F::Number(3);
    in.FreezingTemp = F::Number(4);
    in.LatentHeat = checked::Store(F::Number(5) * 1000.0);
    in.MaxFrozenPart = checked::Store(F::Number(6) * 0.01);
    in.TubeDiameter = F::Metres(7);
    if (thicknessLine)
        in.Thickness = F::Metres(8);
    in.SurfaceCoefficient = F::Number(10);
    return in;
}

void WriteFreezingResult(const FreezingResult& r) {
    switch (r.Outcome) {
    case FreezingOutcome::Never:
        WriteResultText(0, QStringLiteral("never"));
        break;
    case FreezingOutcome::Frozen:
        WriteResultText(0, QStringLiteral("frozen"));
        break;
    case FreezingOutcome::Computed:
        WriteResult(0, r.Hours, "#0.00");
        break;
    case FreezingOutcome::Undetermined:
        break; // stays as the form left it
    }
}

} // namespace

bool CalcPipeCondensation() {
    TCalcFrame frame(3);
    if (!frame.MaterialChosen())
        return false;
    PipeCondensationInputs in;
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.TubeDiameter = F::Metres(2);
    in.MaterialIndex = frame.MaterialIndex();
    in.SurfaceCoefficient = F::Number(4);
    in.RelHumidity = F::Number(5);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp, PipeCondensationPlausible(in)))
        return false;
    frame.TakeKFactorText();
    WriteCondensationResults(frame, in, PipeCondensation(in));
    frame.AppendRow(false);
    return true;
}

bool CalcPipeSurfaceTemperature() {
    TCalcFrame frame(4);
    if (!frame.MaterialChosen())
        return false;
    PipeSurfaceTempInputs in;
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.TubeDiameter = F::Metres(2);
    in.Thickness = F::Metres(3);
    in.MaterialIndex = frame.MaterialIndex();
    in.SurfaceCoefficient = F::Number(5);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp, PipeSurfaceTempPlausible(in)))
        return false;
    in.SurfaceCoefficient = F::SurfaceCoefficientInUse(5, in.SurfaceCoefficient, in.Thickness);
    const float lambda = frame.Conductivity(in.AmbientTemp, in.MediumTemp);
    WriteSurfaceTempResults(PipeSurfaceTemp(in), lambda);
    frame.AppendRow(true);
    return true;
}

bool CalcPipeHeatLoss() {
    TCalcFrame frame(5);
    if (!frame.MaterialChosen())
        return false;
    PipeHeatLossInputs in;
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.TubeDiameter = F::Metres(2);
    in.Thickness = F::Metres(3);
    in.PipeLength = F::Number(4);
    in.SurfaceCoefficient = F::Number(6);
    in.CostPerKWh = F::Number(7);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp, PipeHeatLossPlausible(in)))
        return false;
    in.SurfaceCoefficient = F::SurfaceCoefficientInUse(6, in.SurfaceCoefficient, in.Thickness);
    in.BareCoefficient = F::BareSurfaceCoefficient(3, in.Thickness, in.SurfaceCoefficient);
    in.Lambda = frame.Conductivity(in.AmbientTemp, in.MediumTemp);
    WriteHeatLossResults(PipeHeatLoss(in), in.Lambda);
    frame.AppendRow(true);
    return true;
}

bool CalcPipeTemperatureDrop() {
    TCalcFrame frame(8);
    const QString unitText = ParameterLine(4).FlowRateText();
    if (!frame.MaterialChosen())
        return false;
    PipeTemperatureDropInputs in;
    in.FlowRateUnit = ParameterLine(4).FlowRateIndex();
    if (in.FlowRateUnit < 0) {
        ShowRefusal(QStringLiteral("Please choose a flowrate unit before calculating"));
        return false;
    }
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.Density = F::Number(2);
    in.HeatCapacity = F::Number(3);
    in.FlowRate = FlowRateToSI(F::Number(4), in.FlowRateUnit);
    in.TubeDiameter = F::Metres(5);
    in.Thickness = F::Metres(6);
    in.PipeLength = F::Number(7);
    in.SurfaceCoefficient = F::Number(9);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp,
                                    PipeTemperatureDropPlausible(in)))
        return false;
    in.SurfaceCoefficient = F::SurfaceCoefficientInUse(9, in.SurfaceCoefficient, in.Thickness);
    in.Lambda = frame.Conductivity(in.AmbientTemp, in.MediumTemp);
    const TemperatureDropResult r = PipeTemperatureDrop(in);
    WriteUnlessBare(0, r.Bare, in.Lambda, kLambdaPattern);
    WriteResult(1, r.TemperatureDrop, kTwoDecimals);
    WriteResult(2, r.HeatFlow, kThreeDecimals);
    frame.AppendRow(true, 4, unitText);
    return true;
}

bool CalcPipeFreezingTime() {
    TCalcFrame frame(9);
    if (!frame.MaterialChosen())
        return false;
    PipeFreezingInputs in = ReadFreezingLines(true);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp, PipeFreezingPlausible(in)))
        return false;
    in.SurfaceCoefficient = F::SurfaceCoefficientInUse(10, in.SurfaceCoefficient, in.Thickness);
    in.Lambda = frame.Conductivity(in.AmbientTemp, in.MediumTemp);
    WriteFreezingResult(PipeFreezingTime(in));
    frame.AppendRow(true, 4, QStringLiteral("°C"));
    return true;
}

float FreezingTimeFor(float thickness) {
    TCalcFrame frame(9);
    frame.TakeMaterial();
    PipeFreezingInputs in = ReadFreezingLines(false);
    in.Thickness = thickness;
    if (!F::Plausible(PipeFreezingPlausible(in, false)))
        return 0;
    if (NeedsDefaultCoefficient(FormState().HFromDialog, thickness))
        in.SurfaceCoefficient = DefaultSurfaceCoefficient();
    in.Lambda = frame.Conductivity(in.AmbientTemp, in.MediumTemp);
    const FreezingResult r = PipeFreezingTime(in);
    return r.Outcome == FreezingOutcome::Computed ? r.Hours : 0.0f;
}
