#include "engine/RowSolve.h"

#include <cmath>

#include "engine/CalcFrame.h"
#include "engine/CheckedMath.h"
#include "engine/PipeCalculations.h"
#include "engine/SheetCalculations.h"

using checked::Store;

namespace {
// The surface settles when a pass moves it by no more than a few units in the float's last
// place: well inside the 0.001 K asked for, so that a thickness found at a limit is good to
// a micrometre even where the surface hardly moves with the thickness.
bool Settled(double moved, float surface) {
    return moved <= 1e-6 ||
           moved <= 4.0 * (std::nextafter(std::fabs(surface), 1e9f) - std::fabs(surface));
}
constexpr double kAsked = 0.001;
constexpr int kMaxPasses = 60;

// What one pass needs of the layer and its surroundings.
struct Layer {
    const RowSolveInputs& in;
    int geometry = kCylinder;
    float inner = 0;     // pipe diameter, or the thickness of a plane layer
    float outer = 0;     // insulated diameter (0 for a plane layer)
    int arrangement = 0; // of HeatTransferCoefficient
    float dimension = 0; // insulated diameter or wall height
    float wind = 0;
};

Layer LayerOf(const RowSolveInputs& in) {
    Layer l{in};
    const SurfaceCoefficientModel& m = in.Coefficient;
    if (in.Pipe) {
        l.inner = in.TubeDiameter;
        l.outer = Store(in.TubeDiameter + 2.0 * in.Thickness);
        l.dimension = l.outer;
        l.arrangement = m.Outside ? 2 : (m.Horizontal ? 1 : 0);
    } else {
        l.geometry = kPlane;
        l.inner = in.Thickness;
        l.dimension = m.SheetHeight;
        l.arrangement = m.Outside ? 3 : 0;
    }
    l.wind = m.Outside ? m.WindSpeed : 0.0f;
    return l;
}

float CoefficientAt(const Layer& l, float surface) {
    const SurfaceCoefficientModel& m = l.in.Coefficient;
    if (!m.Computed)
        return m.Typed;
    return HeatTransferCoefficient(surface, l.in.AmbientTemp, m.Emissivity, l.dimension, l.wind,
                                   l.arrangement);
}

// Which side of the correlation's regime change the surface is on, by the same tests
// HeatTransferCoefficient makes (boundaries count as laminar).
int RegimeAt(const Layer& l, float surface) {
    if (!l.in.Coefficient.Computed)
        return -1;
    const double d = l.dimension, v = l.wind;
    switch (l.arrangement) {
    case 0:
    case 1: {
        const float t1 = Store(surface + kKelvinOffset);
        const float t2 = Store(l.in.AmbientTemp + kKelvinOffset);
        const double deltaT = Store(std::fabs(double{t1} - t2));
        return d * d * d * deltaT > 10 ? 1 : 0;
    }
    case 2:
        return v * d > 0.00855 ? 1 : 0;
    default:
        return v * d > 8 ? 1 : 0;
    }
}

// One substitution: λ and h at the given surface, and the surface they give.
struct Pass {
    float h = 0;
    float next = 0;
};

Pass PassAt(const Layer& l, float surface) {
    const RowSolveInputs& in = l.in;
    const float c = LayerConductance(in.MediumTemp, surface, l.inner, l.outer, in.Law, l.geometry);
    Pass p;
    p.h = CoefficientAt(l, surface);
    p.next = SurfaceTemperature(in.MediumTemp, in.AmbientTemp, c, p.h, l.outer, l.geometry);
    return p;
}

float LambdaAt(const RowSolveInputs& in, float surface) {
    return ConductivityAt(in.Law, Store((double{in.MediumTemp} + surface) * 0.5));
}

// The heat loss forms' own transmittance, and the heat flow per m or m² it gives.
void SetFlow(const RowSolveInputs& in, float lambda, float h, RowSolution& r) {
    r.Transmittance =
        in.Pipe ? PipeTransmittance(in.TubeDiameter, in.Thickness, lambda, h)
                : SheetHeatLoss({in.AmbientTemp, in.MediumTemp, in.Thickness, 1, h, 0, lambda, h})
                      .Transmittance;
    r.HeatFlowPerUnit = Store(r.Transmittance * (double{in.AmbientTemp} - in.MediumTemp));
}

void Finish(const Layer& l, float surface, float h, RowSolution& r) {
    r.SurfaceTemp = surface;
    r.h = h;
    r.Lambda = LambdaAt(l.in, surface);
    SetFlow(l.in, r.Lambda, h, r);
    r.Regime = RegimeAt(l, surface);
}

// λ plays no part without a layer; the medium's keeps the transmittance a number.
RowSolution Bare(const Layer& l) {
    RowSolution r;
    Finish(l, l.in.MediumTemp, CoefficientAt(l, l.in.MediumTemp), r);
    r.Lambda = 0;
    return r;
}

// Where substitution alternates: bisection on the surface temperature between the air and
// the medium for the balance pass(θ) = θ.
RowSolution Bisect(const Layer& l, RowSolution r) {
    float a = l.in.AmbientTemp, b = l.in.MediumTemp;
    double ga = double{PassAt(l, a).next} - a;
    for (int step = 0; step < 80 && std::fabs(double{b} - a) > 1e-5; ++step) {
        const float m = Store((double{a} + b) * 0.5);
        if (m == a || m == b)
            break;
        const double gm = double{PassAt(l, m).next} - m;
        if ((gm > 0) == (ga > 0))
            a = m, ga = gm;
        else
            b = m;
    }
    const Pass pa = PassAt(l, a), pb = PassAt(l, b);
    const double missA = std::fabs(double{pa.next} - a), missB = std::fabs(double{pb.next} - b);
    if (std::fmin(missA, missB) <= kAsked) {
        r.Settle = Settling::Bisected;
        const bool takeA = missA <= missB;
        Finish(l, takeA ? pa.next : pb.next, takeA ? pa.h : pb.h, r);
        return r;
    }
    // No surface balances: the smaller h keeps the surface further from the air, the
    // larger one gives the larger heat flow. Each criterion reads its own safe side.
    r.Settle = Settling::NoBalance;
    const bool aKeepsFar = pa.h <= pb.h;
    const Pass& far = aKeepsFar ? pa : pb;
    const Pass& flow = aKeepsFar ? pb : pa;
    Finish(l, far.next, far.h, r);
    r.Regime = kAtTheJump;
    r.FlowH = flow.h;
    SetFlow(l.in, LambdaAt(l.in, flow.next), flow.h, r);
    return r;
}
} // namespace

RowSolution SolveRow(const RowSolveInputs& in) {
    const Layer l = LayerOf(in);
    if (in.Thickness <= 0)
        return Bare(l);
    RowSolution r;
    float surface = Store(in.MediumTemp + 0.9 * (double{in.AmbientTemp} - in.MediumTemp));
    double moved = 0, step = 0;
    Pass p;
    while (r.Passes < kMaxPasses) {
        ++r.Passes;
        p = PassAt(l, surface);
        const double previous = step;
        step = double{p.next} - surface;
        moved = std::fabs(step);
        surface = p.next;
        if (Settled(moved, surface))
            break;
        // Passes that swing back and forth without shrinking straddle a jump of h.
        if (r.Passes >= 6 && step * previous < 0 && moved > 0.9 * std::fabs(previous))
            return Bisect(l, r);
    }
    if (moved > kAsked)
        return Bisect(l, r);
    Finish(l, surface, p.h, r);
    return r;
}
