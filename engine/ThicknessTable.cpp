#include "engine/ThicknessTable.h"

#include <algorithm>
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

// The bare reference of the saving as the heat loss forms compute it from the bare h.
float BareHeatFlow(const ThicknessTableInputs& in, float bareH) {
    const double difference = double{in.AmbientTemp} - in.MediumTemp;
    const float u = in.Pipe ? Store(bareH * kPi * in.TubeDiameter) : bareH;
    return Store(u * double{in.Extent} * difference);
}

ThicknessRow MakeRow(const ThicknessTableInputs& in, float thickness, const RowSolution& solved,
                     float bareFlow, float dewPoint) {
    ThicknessRow row;
    row.Thickness = thickness;
    row.h = solved.h;
    row.SurfaceTemp = solved.SurfaceTemp;
    row.Lambda = solved.Lambda;
    row.Settle = solved.Settle;
    row.Regime = solved.Regime;
    row.FlowH = solved.FlowH;
    row.Condensation = !RowMeets(in, Criterion::Condensation, dewPoint, solved);
    row.HeatFlowPerUnit = solved.HeatFlowPerUnit;
    row.HeatFlow =
        Store(solved.Transmittance * double{in.Extent} * (double{in.AmbientTemp} - in.MediumTemp));
    HeatLossResult saving;
    saving.HeatFlow = row.HeatFlow;
    saving.BareHeatFlow = bareFlow;
    SetSavingAndCost(saving, in.AmbientTemp, in.MediumTemp, in.CostPerKWh);
    row.Saving = saving.Saving;
    row.EnergyPerYear = Store(std::fabs(double{row.HeatFlow}) * in.HoursPerYear * 0.001);
    row.CostPerYear = Store(double{row.EnergyPerYear} * in.CostPerKWh);
    row.Co2PerYear = Store(double{row.EnergyPerYear} * in.Co2PerKWh);
    row.MeetsCriteria = RowMeets(in, Criterion::Condensation, dewPoint, solved) &&
                        RowMeets(in, Criterion::SurfaceTemp, dewPoint, solved) &&
                        RowMeets(in, Criterion::HeatFlow, dewPoint, solved);
    return row;
}

// Listed rows by thickness, bare first.
std::vector<size_t> ByThickness(const ThicknessTable& table) {
    std::vector<size_t> order(table.Rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return table.Rows[a].Thickness < table.Rows[b].Thickness;
    });
    return order;
}

// The thinnest row from which every thicker row meets every criterion; and each row whose
// surface lies further from the air than the next thinner one's.
void ChooseAndCompare(const ThicknessTableInputs& in, ThicknessTable& table) {
    const std::vector<size_t> order = ByThickness(table);
    for (size_t k = order.size(); k-- > 0 && table.Rows[order[k]].MeetsCriteria;)
        table.Chosen = static_cast<int>(order[k]);
    for (size_t k = 2; k < order.size(); ++k) {
        const ThicknessRow& thinner = table.Rows[order[k - 1]];
        ThicknessRow& row = table.Rows[order[k]];
        const double before = std::fabs(double{thinner.SurfaceTemp} - in.AmbientTemp);
        if (row.Thickness > thinner.Thickness &&
            std::fabs(double{row.SurfaceTemp} - in.AmbientTemp) > before + 1e-3)
            row.AwayFromAirAfter = static_cast<int>(order[k - 1]);
    }
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

RowSolveInputs RowInputsOf(const ThicknessTableInputs& in, float thickness) {
    RowSolveInputs r;
    r.Pipe = in.Pipe;
    r.AmbientTemp = in.AmbientTemp;
    r.MediumTemp = in.MediumTemp;
    r.TubeDiameter = in.Pipe ? in.TubeDiameter : 0.0f;
    r.Law = in.Law;
    r.Thickness = thickness;
    r.Coefficient = in.Coefficient;
    if (thickness > 0)
        return r;
    if (!in.Coefficient.Computed) // no installation known: the forms' bare reference
        r.Coefficient = {true, 0, false, true, 0, 0, 1};
    r.Coefficient.Emissivity = in.BareEmissivity;
    return r;
}

bool RowMeets(const ThicknessTableInputs& in, Criterion criterion, float dewPoint,
              const RowSolution& row) {
    switch (criterion) {
    case Criterion::Condensation:
        return row.SurfaceTemp >= dewPoint;
    case Criterion::SurfaceTemp:
        return !in.SurfaceTempLimit || in.MediumTemp <= *in.SurfaceTempLimit ||
               row.SurfaceTemp <= *in.SurfaceTempLimit;
    case Criterion::HeatFlow:
        return !in.MaxHeatFlow || std::fabs(row.HeatFlowPerUnit) <= *in.MaxHeatFlow;
    }
    return true;
}

ThicknessTable BuildThicknessTable(const ThicknessTableInputs& in, const TToleranceTable* nominal) {
    TableSystem single;
    single.Solve = [&](float s) { return SolveRow(RowInputsOf(in, s)); };
    single.Bare = single.Solve(0);
    single.BareHeatFlow = BareHeatFlow(in, single.Bare.h);
    return BuildThicknessTable(in, nominal, single);
}

ThicknessTable BuildThicknessTable(const ThicknessTableInputs& in, const TToleranceTable* nominal,
                                   const TableSystem& system) {
    ThicknessTable table;
    table.Criteria = CriteriaMinima(in, system.Solve);
    table.BareStillAir = !in.Coefficient.Computed;
    const float dewPoint = table.Criteria.DewPoint;
    table.Rows.push_back(MakeRow(in, 0, system.Bare, system.BareHeatFlow, dewPoint));
    for (float mm : in.ThicknessesMm) {
        const float s = Store(mm * 0.001);
        ThicknessRow row = MakeRow(in, s, system.Solve(s), system.BareHeatFlow, dewPoint);
        SetProduct(in, nominal, mm, row);
        table.Rows.push_back(std::move(row));
    }
    ChooseAndCompare(in, table);
    SetEconomics(in, table);
    return table;
}
