#include "engine/RootSearch.h"

#include <cmath>

namespace {
bool SameSign(double a, double b) {
    return (a > 0 && b > 0) || (a < 0 && b < 0);
}

// Both ends with their function values, and the weights the chord uses (the Illinois
// correction halves the weight of an end that stays put twice in a row).
struct Bracket {
    double lo, hi, flo, fhi, wlo, whi;
    double Width() const { return std::fabs(hi - lo); }
    double Better() const { return std::fabs(flo) <= std::fabs(fhi) ? lo : hi; }
    double Chord() const {
        const double x = hi - whi * (hi - lo) / (whi - wlo);
        const double lower = std::fmin(lo, hi), upper = std::fmax(lo, hi);
        return (x > lower && x < upper) ? x : Middle();
    }
    double Middle() const { return 0.5 * (lo + hi); }
};
} // namespace

std::optional<double> BracketedRoot(const std::function<double(double)>& f, double lo, double hi,
                                    double tolerance, double minWidth) {
    const double flo = f(lo), fhi = f(hi);
    if (!std::isfinite(flo) || !std::isfinite(fhi) || SameSign(flo, fhi)) {
        return std::nullopt;
    }
    Bracket b{lo, hi, flo, fhi, flo, fhi};
    int kept = 0; // +1: lo stayed last step, -1: hi stayed
    // Every fourth step bisects, so the bracket at least halves every four steps.
    for (int step = 0; step < 1000; ++step) {
        if (std::fabs(b.flo) <= tolerance)
            return b.lo;
        if (std::fabs(b.fhi) <= tolerance)
            return b.hi;
        if (b.Width() <= minWidth)
            return b.Better();
        const double x = step % 4 == 3 ? b.Middle() : b.Chord();
        const double fx = f(x);
        if (!std::isfinite(fx))
            return std::nullopt;
        if (SameSign(fx, b.flo)) {
            b.lo = x, b.flo = fx, b.wlo = fx;
            b.whi = kept == -1 ? 0.5 * b.whi : b.whi;
            kept = -1;
        } else {
            b.hi = x, b.fhi = fx, b.whi = fx;
            b.wlo = kept == 1 ? 0.5 * b.wlo : b.wlo;
            kept = 1;
        }
    }
    return b.Better();
}

std::optional<double> GrowBracket(const std::function<double(double)>& f, double lo, double start,
                                  double limit) {
    const double flo = f(lo);
    for (double hi = start; hi <= limit; hi *= 2) {
        const double fhi = f(hi);
        if (!std::isfinite(fhi))
            return std::nullopt;
        if (!SameSign(flo, fhi))
            return hi;
    }
    return std::nullopt;
}
