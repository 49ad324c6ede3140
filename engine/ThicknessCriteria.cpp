// The thinnest insulation for each criterion of the thickness table, found with the
// bracketed root search so that each ends at its limit.
#include <cmath>
#include <functional>
#include <map>

#include "engine/CheckedMath.h"
#include "engine/RootSearch.h"
#include "engine/ThicknessTable.h"

using checked::Store;

namespace {
// Thicknesses are searched up to this (m): far beyond any insulation that is laid.
constexpr double kThickest = 100.0;
constexpr double kFirstTrial = 0.001;

// h of the trial thicknesses, each computed once: the criteria's searches try the same
// thicknesses (0, 1 mm, 2 mm, ...) and each end of a bracket more than once.
class TrialCoefficients {
public:
    explicit TrialCoefficients(const ThicknessTableInputs& in) : in_(in) {}
    float operator()(float thickness) {
        if (const auto known = known_.find(thickness); known != known_.end())
            return known->second;
        return known_.emplace(thickness, RowCoefficient(in_, thickness)).first->second;
    }

private:
    const ThicknessTableInputs& in_;
    std::map<float, float> known_;
};

// The thinnest s >= 0 where miss(s) changes sign from miss(0); 0 when miss(0) already
// has the sign wanted (satisfied bare), Unreachable when no thickness gets there.
CriterionMinimum Thinnest(const std::function<double(double)>& miss, double tolerance) {
    CriterionMinimum m;
    m.Active = true;
    if (miss(0) <= 0)
        return m;
    const std::optional<double> far = GrowBracket(miss, 0, kFirstTrial, kThickest);
    const std::optional<double> root =
        far ? BracketedRoot(miss, 0, *far, tolerance) : std::optional<double>();
    if (!root) {
        m.Unreachable = true;
        return m;
    }
    // Where h changes regime the quantity jumps across the limit and no thickness meets it
    // exactly: take the side of the jump that meets the criterion.
    m.Thickness = Store(*root);
    for (double step = 1e-9; miss(m.Thickness) > tolerance && step < 1; step *= 2)
        m.Thickness = Store(*root + step);
    return m;
}

CriterionMinimum Condensation(const ThicknessTableInputs& in, TrialCoefficients& hAt,
                              float dewPoint) {
    CriterionMinimum m;
    m.Active = true;
    if (dewPoint <= in.MediumTemp)
        return m; // the surface never falls below the dew point
    const float diameter = in.Pipe ? in.TubeDiameter : 0.0f;
    const int geometry = in.Pipe ? kCylinder : kPlane;
    if (!in.Coefficient.Computed) {
        m.Thickness = RequiredThickness(in.MediumTemp, in.AmbientTemp, diameter,
                                        in.Coefficient.Typed, dewPoint, in.Law, geometry);
        return m;
    }
    // h follows the thickness: search on the surface with each trial's own h.
    return Thinnest(
        [&](double s) {
            const float x = static_cast<float>(s);
            return double{dewPoint} - SelfConsistentSurfaceTemp(in.MediumTemp, in.AmbientTemp,
                                                                diameter, hAt(x), x, in.Law,
                                                                geometry);
        },
        0.001);
}

CriterionMinimum SurfaceLimit(const ThicknessTableInputs& in, TrialCoefficients& hAt, float limit) {
    if (in.MediumTemp <= limit) {
        CriterionMinimum m;
        m.Active = true;
        return m;
    }
    if (limit <= in.AmbientTemp) {
        CriterionMinimum m;
        m.Active = m.Unreachable = true;
        return m;
    }
    return Thinnest(
        [&](double s) {
            const float x = static_cast<float>(s);
            return double{FormSurfaceTemp(in, x, hAt(x))} - limit;
        },
        0.001);
}

CriterionMinimum HeatFlowLimit(const ThicknessTableInputs& in, TrialCoefficients& hAt,
                               float maxFlow) {
    return Thinnest(
        [&](double s) {
            const float x = static_cast<float>(s);
            return std::fabs(double{FormHeatFlowPerUnit(in, x, hAt(x))}) - maxFlow;
        },
        maxFlow * 1e-4);
}
} // namespace

ThicknessCriteria CriteriaMinima(const ThicknessTableInputs& in) {
    ThicknessCriteria c;
    TrialCoefficients hAt(in);
    c.DewPoint = DewPoint(in.AmbientTemp, in.RelHumidity);
    c.Condensation = Condensation(in, hAt, c.DewPoint);
    if (in.SurfaceTempLimit)
        c.SurfaceTemp = SurfaceLimit(in, hAt, *in.SurfaceTempLimit);
    if (in.MaxHeatFlow)
        c.HeatFlow = HeatFlowLimit(in, hAt, *in.MaxHeatFlow);
    return c;
}
