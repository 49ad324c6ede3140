#include "engine/ThicknessTable.h"

#include <cmath>

#include "engine/CheckedMath.h"
#include "engine/Coefficient.h"
#include "engine/Economics.h"
#include "engine/NominalTable.h"
#include "engine/PipeCalculations.h"
#include "engine/SheetCalculations.h"
#include "engine/State.h"

using checked::Div;
using checked::Store;

namespace {
Installation InstallationOf(const ThicknessTableInputs& in) {
    const bool outside = in.Coefficient.Outside;
    if (in.Pipe)
        return outside ? Installation::OutsidePipe : Installation::InsidePipe;
    return outside ? Installation::OutsideSheet : Installation::InsideSheet;
}

// λ of the heat loss forms: at the mean of ambient and medium temperature.
float MeanLambda(const ThicknessTableInputs& in) {
    return ConductivityAt(in.Law, Store((double{in.AmbientTemp} + in.MediumTemp) * 0.5));
}

// The heat loss form's result for thickness s, h and an extent (m or m²).
HeatLossResult FormHeatLoss(const ThicknessTableInputs& in, float thickness, float h, float extent,
                            float bare) {
    if (in.Pipe) {
        PipeHeatLossInputs p;
        p.AmbientTemp = in.AmbientTemp;
        p.MediumTemp = in.MediumTemp;
        p.TubeDiameter = in.TubeDiameter;
        p.Thickness = thickness;
        p.PipeLength = extent;
        p.SurfaceCoefficient = h;
        p.CostPerKWh = in.CostPerKWh;
        p.Lambda = MeanLambda(in);
        p.BareCoefficient = bare;
        return PipeHeatLoss(p);
    }
    SheetHeatLossInputs s;
    s.AmbientTemp = in.AmbientTemp;
    s.MediumTemp = in.MediumTemp;
    s.Thickness = thickness;
    s.Area = extent;
    s.SurfaceCoefficient = h;
    s.CostPerKWh = in.CostPerKWh;
    s.Lambda = MeanLambda(in);
    s.BareCoefficient = bare;
    return SheetHeatLoss(s);
}

// Per m or m²: the transmittance times the temperature difference, as the form's heat flow
// for an extent of 1.
float FlowPerUnit(const ThicknessTableInputs& in, const HeatLossResult& loss) {
    return Store(double{loss.Transmittance} * (double{in.AmbientTemp} - in.MediumTemp));
}

// A product names a row only where its nominal thickness is the row's; else the one that
// covers the row's thickness is the next one up.
void SetProduct(const ThicknessTableInputs& in, const TToleranceTable* nominal, float thicknessMm,
                ThicknessRow& row) {
    if (!nominal || thicknessMm <= 0)
        return;
    const TToleranceLine* line = NominalRow(*nominal, in.Pipe, in.TubeDiameter, thicknessMm);
    if (!line)
        return;
    (IsNominalThickness(*line, thicknessMm) ? row.Product : row.NextProduct) = line->Recommendation;
}

bool RowMeets(const ThicknessTableInputs& in, const ThicknessRow& row) {
    if (row.Condensation)
        return false;
    if (in.SurfaceTempLimit && in.MediumTemp > *in.SurfaceTempLimit &&
        row.SurfaceTemp > *in.SurfaceTempLimit)
        return false;
    return !in.MaxHeatFlow || std::fabs(row.HeatFlowPerUnit) <= *in.MaxHeatFlow;
}

ThicknessRow MakeRow(const ThicknessTableInputs& in, float thickness, float h, float bare,
                     float dewPoint) {
    ThicknessRow row;
    row.Thickness = thickness;
    row.h = h;
    row.SurfaceTemp = FormSurfaceTemp(in, thickness, h);
    row.Condensation = row.SurfaceTemp < dewPoint;
    const HeatLossResult loss = FormHeatLoss(in, thickness, h, in.Extent, bare);
    row.HeatFlow = loss.HeatFlow;
    row.HeatFlowPerUnit = FlowPerUnit(in, loss);
    row.Saving = loss.Saving;
    row.EnergyPerYear = Store(std::fabs(double{row.HeatFlow}) * in.HoursPerYear * 0.001);
    row.CostPerYear = Store(double{row.EnergyPerYear} * in.CostPerKWh);
    row.Co2PerYear = Store(double{row.EnergyPerYear} * in.Co2PerKWh);
    row.MeetsCriteria = RowMeets(in, row);
    return row;
}

// Simple payback against bare and the cost over the life, undiscounted and as a present
// value, where an installed cost is typed.
void SetEconomics(const ThicknessTableInputs& in, ThicknessTable& table) {
    const double years = PresentValueFactor(in.LifeYears, in.InterestRate, in.PriceIncrease);
    bool anyCost = false;
    ThicknessRow& bare = table.Rows.front();
    for (size_t i = 1; i < table.Rows.size(); ++i) {
        const size_t costIndex = i - 1;
        if (costIndex >= in.InstalledCost.size() || !in.InstalledCost[costIndex])
            continue;
        anyCost = true;
        ThicknessRow& row = table.Rows[i];
        const double installed = double{*in.InstalledCost[costIndex]} * in.Extent;
        const double saved = double{bare.CostPerYear} - row.CostPerYear;
        if (saved > 0)
            row.PaybackYears = Store(Div(installed, saved));
        row.LifeCost = Store(installed + double{in.LifeYears} * row.CostPerYear);
        row.PresentValue = Store(installed + years * row.CostPerYear);
    }
    if (!anyCost)
        return;
    bare.LifeCost = Store(double{in.LifeYears} * bare.CostPerYear);
    bare.PresentValue = Store(years * bare.CostPerYear);
    for (size_t i = 0; i < table.Rows.size(); ++i) {
        const auto& cost = table.Rows[i].PresentValue;
        if (cost && (table.Economic < 0 || *cost < *table.Rows[table.Economic].PresentValue))
            table.Economic = static_cast<int>(i);
    }
}
} // namespace

std::vector<float> DefaultThicknessesMm() {
    return {6, 9, 13, 19, 25, 32, 40, 50, 60, 80, 100};
}

namespace {
CoefficientInputs CoefficientInputsOf(const ThicknessTableInputs& in, float thickness) {
    CoefficientInputs c;
    c.AmbientTemp = in.AmbientTemp;
    c.MediumTemp = in.MediumTemp;
    c.TubeDiameter = in.Pipe ? in.TubeDiameter : 0.0f;
    c.Thickness = thickness;
    return c;
}
} // namespace

float BareCoefficientOf(const ThicknessTableInputs& in) {
    CoefficientInputs c = CoefficientInputsOf(in, 0);
    c.Emissivity = in.BareEmissivity;
    c.SheetHeight = 1;
    c.Horizontal = true;
    const Installation inside = in.Pipe ? Installation::InsidePipe : Installation::InsideSheet;
    return IterateSurfaceCoefficient(inside, c, in.Law).h;
}

float RowCoefficient(const ThicknessTableInputs& in, float thickness) {
    const SurfaceCoefficientModel& m = in.Coefficient;
    if (!m.Computed)
        return m.Typed;
    CoefficientInputs c = CoefficientInputsOf(in, thickness);
    c.Emissivity = m.Emissivity;
    c.WindSpeed = m.Outside ? m.WindSpeed : 0.0f;
    c.SheetHeight = m.SheetHeight;
    c.Horizontal = m.Horizontal;
    return IterateSurfaceCoefficient(InstallationOf(in), c, in.Law).h;
}

float FormSurfaceTemp(const ThicknessTableInputs& in, float thickness, float h) {
    if (in.Pipe) {
        const float outer = Store(in.TubeDiameter + 2.0 * thickness);
        const float c = LayerConductance(in.MediumTemp, in.AmbientTemp, in.TubeDiameter, outer,
                                         in.Law, kCylinder);
        return SurfaceTemperature(in.MediumTemp, in.AmbientTemp, c, h, outer, kCylinder);
    }
    const float c = LayerConductance(in.MediumTemp, in.AmbientTemp, thickness, 0, in.Law, kPlane);
    return SurfaceTemperature(in.MediumTemp, in.AmbientTemp, c, h, 0, kPlane);
}

float FormHeatFlowPerUnit(const ThicknessTableInputs& in, float thickness, float h) {
    // The saving is not wanted here; any non-zero reference will do.
    return FlowPerUnit(in, FormHeatLoss(in, thickness, h, 1.0f, h));
}

ThicknessTable BuildThicknessTable(const ThicknessTableInputs& in, const TToleranceTable* nominal) {
    ThicknessTable table;
    table.Criteria = CriteriaMinima(in);
    const float dewPoint = table.Criteria.DewPoint;
    const float bare = BareCoefficientOf(in);
    table.Rows.push_back(MakeRow(in, 0, bare, bare, dewPoint));
    for (float mm : in.ThicknessesMm) {
        const float s = Store(mm * 0.001);
        ThicknessRow row = MakeRow(in, s, RowCoefficient(in, s), bare, dewPoint);
        SetProduct(in, nominal, mm, row);
        table.Rows.push_back(std::move(row));
    }
    for (size_t i = 0; i < table.Rows.size(); ++i) {
        const ThicknessRow& row = table.Rows[i];
        if (row.MeetsCriteria &&
            (table.Chosen < 0 || row.Thickness < table.Rows[table.Chosen].Thickness))
            table.Chosen = static_cast<int>(i);
    }
    SetEconomics(in, table);
    return table;
}
