// The thinnest insulation for each criterion of the thickness table: the thickness from
// which the criterion holds for every thicker layer. Every thickness is judged by the rows'
// own solve, so a minimum never contradicts a row.
#include <cmath>
#include <vector>

#include "engine/CheckedMath.h"
#include "engine/ThicknessTable.h"

using checked::Store;

namespace {
// The scan: 0 (the bare row), then a geometric grid from kThinnestStated to the bound.
constexpr double kFirstScanned = kThinnestStated;
constexpr double kScanRatio = 1.05;
// Band edges to 0.005 mm; a minimum to the float's own resolution.
constexpr double kBandEdge = 5e-6;
constexpr double kFinest = 0;

struct Sample {
    float thickness;
    RowSolution row;
};

// Solved rows over the whole range, each regime change of h located between two neighbours:
// inside one regime the surface moves steadily towards the air, so a criterion on the
// surface changes at most once between two samples of the same regime.
class Scan {
public:
    explicit Scan(const ThicknessTableInputs& in) : in_(in) {
        Add(0);
        for (double s = kFirstScanned; s < kThickestSearched; s *= kScanRatio)
            Add(Store(s));
        Add(kThickestSearched);
        LocateRegimeChanges();
    }
    const std::vector<Sample>& Samples() const { return samples_; }
    RowSolution Solve(float s) const { return SolveRow(RowInputsOf(in_, s)); }

private:
    void Add(float s) { samples_.push_back({s, Solve(s)}); }
    void LocateRegimeChanges() {
        std::vector<Sample> refined;
        for (size_t i = 0; i < samples_.size(); ++i) {
            if (i > 1 && samples_[i].row.Regime != samples_[i - 1].row.Regime) {
                Sample lo = samples_[i - 1], hi = samples_[i];
                while (true) {
                    const float mid = Store(0.5 * (double{lo.thickness} + hi.thickness));
                    if (mid <= lo.thickness || mid >= hi.thickness)
                        break;
                    const Sample m{mid, Solve(mid)};
                    (m.row.Regime == lo.row.Regime ? lo : hi) = m;
                }
                refined.push_back(lo);
                refined.push_back(hi);
            }
            refined.push_back(samples_[i]);
        }
        samples_ = std::move(refined);
    }

    const ThicknessTableInputs& in_;
    std::vector<Sample> samples_;
};

// The edge between a thickness that fails and one that meets, on the side that meets.
float Edge(const Scan& scan, const ThicknessTableInputs& in, Criterion c, float dew, float fails,
           float meets, double width) {
    // Next to the bare row: the thinnest layer scanned stands for any layer at all.
    if (std::fmin(fails, meets) < kThinnestStated)
        return meets;
    while (std::fabs(double{meets} - fails) > width) {
        const float mid = Store(0.5 * (double{fails} + meets));
        if (mid == fails || mid == meets)
            break;
        (RowMeets(in, c, dew, scan.Solve(mid)) ? meets : fails) = mid;
    }
    return meets;
}

CriterionMinimum MinimumOf(const Scan& scan, const ThicknessTableInputs& in, Criterion c,
                           float dew) {
    CriterionMinimum m;
    m.Active = true;
    const std::vector<Sample>& s = scan.Samples();
    std::vector<bool> meets;
    for (const Sample& sample : s)
        meets.push_back(RowMeets(in, c, dew, sample.row));
    size_t last = s.size();
    for (size_t i = 0; i < s.size(); ++i)
        if (!meets[i])
            last = i;
    if (last == s.size())
        return m; // bare already meets it, and so does every layer
    if (last + 1 == s.size()) {
        m.BeyondBound = true;
        return m;
    }
    m.Thickness = Edge(scan, in, c, dew, s[last].thickness, s[last + 1].thickness, kFinest);
    for (size_t i = 0; i < last; ++i) {
        if (!meets[i] || (i > 0 && meets[i - 1]))
            continue;
        size_t j = i;
        while (meets[j + 1])
            ++j;
        ThicknessBand band;
        band.From =
            i == 0 ? 0.0f : Edge(scan, in, c, dew, s[i - 1].thickness, s[i].thickness, kBandEdge);
        band.To = Edge(scan, in, c, dew, s[j + 1].thickness, s[j].thickness, kBandEdge);
        m.AlsoMet.push_back(band);
    }
    return m;
}

// Criteria that no thickness can change.
CriterionMinimum Settled(bool reachable) {
    CriterionMinimum m;
    m.Active = true;
    m.Unreachable = !reachable;
    return m;
}
} // namespace

ThicknessCriteria CriteriaMinima(const ThicknessTableInputs& in) {
    ThicknessCriteria c;
    c.DewPoint = DewPoint(in.AmbientTemp, in.RelHumidity);
    const bool dry = c.DewPoint <= in.MediumTemp;
    const bool cool = !in.SurfaceTempLimit || in.MediumTemp <= *in.SurfaceTempLimit;
    if (dry)
        c.Condensation = Settled(true);
    else if (c.DewPoint >= in.AmbientTemp)
        c.Condensation = Settled(false);
    if (in.SurfaceTempLimit && (cool || *in.SurfaceTempLimit <= in.AmbientTemp))
        c.SurfaceTemp = Settled(cool);
    if (c.Condensation.Active && c.SurfaceTemp.Active == bool(in.SurfaceTempLimit) &&
        !in.MaxHeatFlow)
        return c;
    const Scan scan(in);
    if (!c.Condensation.Active)
        c.Condensation = MinimumOf(scan, in, Criterion::Condensation, c.DewPoint);
    if (in.SurfaceTempLimit && !c.SurfaceTemp.Active)
        c.SurfaceTemp = MinimumOf(scan, in, Criterion::SurfaceTemp, c.DewPoint);
    if (in.MaxHeatFlow)
        c.HeatFlow = MinimumOf(scan, in, Criterion::HeatFlow, c.DewPoint);
    return c;
}
