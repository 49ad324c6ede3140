#include "engine/LayeredTable.h"

#include <algorithm>

#include "engine/CheckedMath.h"

using checked::Store;

namespace {
size_t VariedIndex(const LayeredTableInputs& in) {
    return in.VaryInner ? 0 : in.Layers.size() - 1;
}

bool SingleLayerShape(const InsulatedShape& object) {
    return object.Kind == Shape::Pipe || object.Kind == Shape::Wall;
}

// The job as the single layer's table reads it: the object and the varied layer's law.
ThicknessTableInputs JobOf(const LayeredTableInputs& in) {
    ThicknessTableInputs job = in.Job;
    job.Pipe = in.Object.Kind == Shape::Pipe;
    job.TubeDiameter = in.Object.Diameter;
    job.Law = in.Layers[VariedIndex(in)].Law;
    return job;
}

RowSolution AsRow(const LayeredTableInputs& in, const LayeredSolution& s) {
    RowSolution r;
    static_cast<SurfaceSolution&>(r) = s;
    r.Lambda = s.Lambdas[VariedIndex(in)];
    return r;
}

// The bare object, as the single layer's bare row: the job's own installation with the bare
// emissivity where h is computed, still indoor air where it is typed. A pipe or a wall is
// the single layer's bare row itself.
RowSolution BareRow(const LayeredTableInputs& in) {
    const ThicknessTableInputs job = JobOf(in);
    if (SingleLayerShape(in.Object))
        return SolveRow(RowInputsOf(job, 0));
    LayeredInputs bare = LayeredRowInputs(in, 0);
    bare.Coefficient = RowInputsOf(job, 0).Coefficient;
    bare.CladdingEmissivity.reset();
    const float medium = in.Job.MediumTemp;
    RowSolution r;
    r.SurfaceTemp = medium;
    r.h = SurfaceCoefficientAt(bare, 0, medium);
    r.Transmittance = Store(double{r.h} * AreaPerUnit(in.Object, 0));
    r.HeatFlowPerUnit = Store(double{r.Transmittance} * (double{in.Job.AmbientTemp} - medium));
    r.Regime = SurfaceRegimeAt(bare, 0, medium);
    return r;
}

// The bare surface's heat flow for the extent; a pipe's as the single layer computes it.
float BareHeatFlowOf(const LayeredTableInputs& in, const RowSolution& bare) {
    const double difference = double{in.Job.AmbientTemp} - in.Job.MediumTemp;
    float u = bare.Transmittance;
    if (in.Object.Kind == Shape::Pipe)
        u = Store(bare.h * kPi * in.Object.Diameter);
    else if (in.Object.Kind == Shape::Wall)
        u = bare.h;
    return Store(u * double{in.Job.Extent} * difference);
}

// A row at a thickness of the varied layer; 0 is the system without it.
RowSolution SolveAt(const LayeredTableInputs& in, const RowSolution& bare, float thickness) {
    if (thickness > 0)
        return AsRow(in, SolveLayered(LayeredRowInputs(in, thickness)));
    if (in.Layers.size() == 1)
        return bare;
    LayeredInputs without = LayeredRowInputs(in, 0);
    without.Layers.erase(without.Layers.begin() + static_cast<long>(VariedIndex(in)));
    LayeredTableInputs rest = in;
    rest.Layers = without.Layers;
    rest.VaryInner = false;
    return AsRow(rest, SolveLayered(without));
}

bool FixedLayersBeyond(const LayeredTableInputs& in, const LayeredSolution& s) {
    for (size_t i = 0; i < s.BeyondLimits.size(); ++i)
        if (i != VariedIndex(in) && s.BeyondLimits[i])
            return true;
    return false;
}

// Rows with a fixed layer beyond its limits fail; the chosen row is again the thinnest
// listed from which every thicker listed row meets every criterion.
void ApplyLimits(const LayeredTableInputs& in, LayeredTable& t) {
    std::vector<size_t> order;
    for (size_t i = 0; i < t.Table.Rows.size(); ++i) {
        if (i > 0 && FixedLayersBeyond(in, t.Solutions[i]))
            t.Table.Rows[i].MeetsCriteria = false;
        order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return t.Table.Rows[a].Thickness < t.Table.Rows[b].Thickness;
    });
    t.Table.Chosen = -1;
    for (size_t k = order.size(); k-- > 0 && t.Table.Rows[order[k]].MeetsCriteria;)
        t.Table.Chosen = static_cast<int>(order[k]);
}
} // namespace

LayeredInputs LayeredRowInputs(const LayeredTableInputs& in, float thickness) {
    LayeredInputs s;
    s.AmbientTemp = in.Job.AmbientTemp;
    s.MediumTemp = in.Job.MediumTemp;
    s.Object = in.Object;
    s.Layers = in.Layers;
    s.Layers[VariedIndex(in)].Thickness = thickness;
    s.CladdingEmissivity = in.CladdingEmissivity;
    s.Coefficient = in.Job.Coefficient;
    return s;
}

LayeredTable BuildLayeredTable(const LayeredTableInputs& in, const TToleranceTable* nominal) {
    TableSystem system;
    system.Bare = BareRow(in);
    system.BareHeatFlow = BareHeatFlowOf(in, system.Bare);
    system.Solve = [&](float s) { return SolveAt(in, system.Bare, s); };
    const ThicknessTableInputs job = JobOf(in);
    // The nominal tables are by the object's size: for a layer laid on the object itself.
    const bool products = SingleLayerShape(in.Object) && (in.VaryInner || in.Layers.size() == 1);
    LayeredTable t;
    t.Table = BuildThicknessTable(job, products ? nominal : nullptr, system);
    t.Solutions.emplace_back();
    for (size_t i = 1; i < t.Table.Rows.size(); ++i)
        t.Solutions.push_back(SolveLayered(LayeredRowInputs(in, t.Table.Rows[i].Thickness)));
    ApplyLimits(in, t);
    if (in.VaryInner && in.Layers.size() > 1)
        t.InnerForOuterLimits =
            ThinnestInnerLayerWithinLimits(LayeredRowInputs(in, 0.001f), kThickestSearched);
    return t;
}
