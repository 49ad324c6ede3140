#include "engine/PipeSizeTable.h"

#include <algorithm>

#include "engine/CheckedMath.h"
#include "engine/NominalTable.h"
#include "engine/State.h"

using checked::Store;

namespace {
void Require(PipeSizeRow& row, const CriterionMinimum& m) {
    if (!m.Active)
        return;
    if (m.Unreachable || m.BeyondBound)
        row.Unreachable = true;
    else
        row.Required = std::max(row.Required, m.Thickness);
}

PipeSizeRow SizeRow(const ThicknessTableInputs& in, const TToleranceTable* nominal) {
    PipeSizeRow row;
    row.Criteria = CriteriaMinima(in);
    Require(row, row.Criteria.Condensation);
    Require(row, row.Criteria.SurfaceTemp);
    Require(row, row.Criteria.HeatFlow);
    row.Thickness = row.Required;
    const float requiredMm = Store(row.Required * 1000.0);
    const TToleranceLine* product = nominal && !row.Unreachable
                                        ? NominalRow(*nominal, true, in.TubeDiameter, requiredMm)
                                        : nullptr;
    if (product) {
        row.Product = product->Recommendation;
        row.Thickness = Store(product->ThicknessTo * 0.001);
    }
    const RowSolution solved = SolveRow(RowInputsOf(in, row.Thickness));
    row.h = solved.h;
    row.HeatFlowPerMetre = solved.HeatFlowPerUnit;
    row.SurfaceTemp = solved.SurfaceTemp;
    return row;
}
} // namespace

std::vector<PipeSizeRow> BuildPipeSizeTable(const ThicknessTableInputs& in,
                                            const std::vector<float>& diametersMm,
                                            const TToleranceTable* nominal) {
    std::vector<PipeSizeRow> rows;
    ThicknessTableInputs pipe = in;
    pipe.Pipe = true;
    for (float mm : diametersMm) {
        pipe.TubeDiameter = Store(mm * 0.001);
        PipeSizeRow row = SizeRow(pipe, nominal);
        row.DiameterMm = mm;
        rows.push_back(std::move(row));
    }
    return rows;
}
