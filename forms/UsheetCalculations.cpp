// The three sheet (flat surface) calculations on the lines of the open calculation form.
#include <QString>

#include "config/Utolerance.h"
#include "engine/SheetCalculations.h"
#include "engine/State.h"
#include "forms/UcalcFrame.h"
#include "forms/Ucalculations.h"

using F = TCalcFrame;

bool CalcSheetCondensation() {
    TCalcFrame frame(2);
    if (!frame.MaterialChosen())
        return false;
    SheetCondensationInputs in;
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.MaterialIndex = frame.MaterialIndex();
    in.SurfaceCoefficient = F::Number(3);
    in.RelHumidity = F::Number(4);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp, SheetCondensationPlausible(in)))
        return false;
    const SheetCondensationResult r = SheetCondensation(in);
    WriteResult(0, r.DewPoint, kTwoDecimals);
    if (!r.NeedsInsulation) {
        // Nothing to insulate against: a success that records no row.
        WriteResultText(1, kNotApplicable);
        WriteResultText(2, kNotApplicable);
        return true;
    }
    WriteResult(1, r.MinThicknessMm, kTwoDecimals);
    WriteResultText(2, frame.UserMaterial() ? kNotApplicable
                                            : LookupSheetRecommendation(r.MinThicknessMm));
    Shared().WorkingValues.InsulationThickness = r.MinThickness;
    frame.AppendRow(false); // the material field carries no user conductivity here
    return true;
}

bool CalcSheetHeatLoss() {
    TCalcFrame frame(4);
    if (!frame.MaterialChosen())
        return false;
    SheetHeatLossInputs in;
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.Thickness = F::Metres(2);
    in.Area = F::Number(3);
    in.SurfaceCoefficient = F::Number(5);
    in.CostPerKWh = F::Number(6);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp, SheetHeatLossPlausible(in)))
        return false;
    in.SurfaceCoefficient = F::SurfaceCoefficientInUse(5, in.SurfaceCoefficient, in.Thickness);
    in.BareCoefficient = F::BareSurfaceCoefficient(2, in.Thickness, in.SurfaceCoefficient);
    in.Lambda = frame.Conductivity(in.AmbientTemp, in.MediumTemp);
    WriteHeatLossResults(SheetHeatLoss(in), in.Lambda);
    frame.AppendRow(true);
    return true;
}

bool CalcSheetSurfaceTemperature() {
    TCalcFrame frame(3);
    if (!frame.MaterialChosen())
        return false;
    SheetSurfaceTempInputs in;
    in.AmbientTemp = F::Number(0);
    in.MediumTemp = F::Number(1);
    in.Thickness = F::Metres(2);
    in.MaterialIndex = frame.MaterialIndex();
    in.SurfaceCoefficient = F::Number(4);
    if (!frame.LimitsAndBoundsAllow(in.AmbientTemp, in.MediumTemp, SheetSurfaceTempPlausible(in)))
        return false;
    in.SurfaceCoefficient = F::SurfaceCoefficientInUse(4, in.SurfaceCoefficient, in.Thickness);
    const float lambda = frame.Conductivity(in.AmbientTemp, in.MediumTemp);
    WriteSurfaceTempResults(SheetSurfaceTemp(in), lambda);
    frame.AppendRow(true);
    return true;
}
