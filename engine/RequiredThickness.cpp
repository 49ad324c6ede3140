// The thickness that puts an insulated surface at a target temperature: the ten secant
// steps the results have always come from, and a bracketing search that finishes the job
// where those steps end short of the answer or fail on the way.
#include <algorithm>
#include <cmath>

#include "engine/CheckedMath.h"
#include "engine/Errors.h"
#include "engine/RootSearch.h"
#include "engine/Ucalc.h"

using checked::Div;
using checked::Store;

namespace {
struct Layer {
    float mediumTemp, ambientTemp, innerDiameter, h;
    ConductivityLaw law;
    int geometry;
};

// Surface temperature of one trial thickness x, λ taken between the medium and the
// surface temperature the previous step found for that trial.
float TrialSurfaceTemp(const Layer& l, float x, float previousSurface) {
    if (l.geometry == kCylinder) {
        const float outer = Store(l.innerDiameter + 2.0 * x);
        const float c = LayerConductance(l.mediumTemp, previousSurface, l.innerDiameter, outer,
                                         l.law, kCylinder);
        return SurfaceTemperature(l.mediumTemp, l.ambientTemp, c, l.h, outer, kCylinder);
    }
    const float c = LayerConductance(l.mediumTemp, previousSurface, x, 0, l.law, l.geometry);
    return SurfaceTemperature(l.mediumTemp, l.ambientTemp, c, l.h, 0, l.geometry);
}

// The next trial thickness: where the line through the two trials meets the target.
float SecantStep(float x0, float x1, float y0, float y1, float targetTemp) {
    return Store(x0 + Div((double{x1} - x0) * (double{targetTemp} - y0), double{y1} - y0));
}

float TenSecantSteps(const Layer& l, float targetTemp, bool reachable) {
    float x0 = 0.001f;
    float x1 = 0.0011f;
    float y0 = targetTemp;
    float y1 = targetTemp;
    for (int round = 0; round < 10; ++round) {
        y0 = TrialSurfaceTemp(l, x0, y0);
        y1 = TrialSurfaceTemp(l, x1, y1);
        x0 = SecantStep(x0, x1, y0, y1, targetTemp);
        // Close to the medium temperature the secant overshoots below zero thickness, where
        // every trial is bare; a reachable target needs at least 0, so restart there.
        if (reachable && x0 < 0) {
            x0 = 0;
        }
        x1 = Store(x0 + 0.0001);
    }
    return x0;
}

float SurfaceAt(const Layer& l, float thickness) {
    return SelfConsistentSurfaceTemp(l.mediumTemp, l.ambientTemp, l.innerDiameter, l.h, thickness,
                                     l.law, l.geometry);
}

bool MeetsTarget(const Layer& l, float thickness, float targetTemp, double tolerance) {
    return std::isfinite(thickness) && thickness >= 0 &&
           std::fabs(double{SurfaceAt(l, thickness)} - targetTemp) <= tolerance;
}

// The last digit the forms show: 0.001 mm for pipes, 0.01 mm for sheets (in m).
double DisplayedDigit(const Layer& l) {
    return l.geometry == kCylinder ? 1e-6 : 1e-5;
}

// Where the target lies close to the air temperature the surface hardly moves with the
// thickness, and a surface within 0.001 K can leave the thickness far off: the target must
// also be crossed within half a displayed digit either side.
bool KnownToDigit(const Layer& l, double thickness, float targetTemp) {
    const double half = 0.5 * DisplayedDigit(l);
    const double below = SurfaceAt(l, static_cast<float>(std::fmax(0.0, thickness - half)));
    const double above = SurfaceAt(l, static_cast<float>(thickness + half));
    return (below - targetTemp) * (above - targetTemp) <= 0;
}

bool Converged(const Layer& l, float thickness, float targetTemp) {
    return MeetsTarget(l, thickness, targetTemp, 0.001) && KnownToDigit(l, thickness, targetTemp);
}

// Thickness within 0.001 K of the target and known to the displayed digit, searched on
// [0, large]; the surface moves from the medium towards the ambient temperature as the
// layer grows.
float BracketedThickness(const Layer& l, float targetTemp) {
    const auto miss = [&](double s) {
        return double{SurfaceAt(l, static_cast<float>(s))} - targetTemp;
    };
    const std::optional<double> upper = GrowBracket(miss, 0, 0.1, 1e7);
    if (!upper) {
        throw FloatError(kOverflow);
    }
    std::optional<double> s = BracketedRoot(miss, 0, *upper, 0.001, 1e-10);
    if (s && !KnownToDigit(l, *s, targetTemp)) {
        // A flat surface: close the bracket on the crossing itself.
        s = BracketedRoot(miss, 0, *upper, 0, DisplayedDigit(l) / 8);
    }
    if (!s) {
        throw FloatError(kInvalidOperation);
    }
    return Store(*s);
}
} // namespace

float SelfConsistentSurfaceTemp(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                                float thickness, const ConductivityLaw& law, int geometry) {
    const Layer l{mediumTemp, ambientTemp, innerDiameter, h, law, geometry};
    float surface = Store(0.5 * (double{mediumTemp} + ambientTemp));
    for (int pass = 0; pass < 100; ++pass) {
        const float next = TrialSurfaceTemp(l, thickness, surface);
        if (std::fabs(double{next} - surface) < 1e-6) {
            return next;
        }
        surface = next;
    }
    return surface;
}

float RequiredThickness(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                        float targetTemp, const ConductivityLaw& law, int geometry) {
    const Layer l{mediumTemp, ambientTemp, innerDiameter, h, law, geometry};
    const bool reachable = targetTemp >= std::min(mediumTemp, ambientTemp) &&
                           targetTemp <= std::max(mediumTemp, ambientTemp);
    if (!reachable) {
        return TenSecantSteps(l, targetTemp, false);
    }
    try {
        const float x = TenSecantSteps(l, targetTemp, true);
        if (Converged(l, x, targetTemp)) {
            return x;
        }
    } catch (const FloatError& stepError) {
        // A failed step (equal trial temperatures, say) hands over to the search; when the
        // layer cannot be evaluated at all, the step's own error is the one to report.
        try {
            return BracketedThickness(l, targetTemp);
        } catch (const FloatError&) {
            throw stepError;
        }
    }
    return BracketedThickness(l, targetTemp);
}

float RequiredThickness(float mediumTemp, float ambientTemp, float innerDiameter, float h,
                        float targetTemp, int materialIndex, int geometry) {
    return RequiredThickness(mediumTemp, ambientTemp, innerDiameter, h, targetTemp,
                             ConductivityLawOf(materialIndex), geometry);
}
