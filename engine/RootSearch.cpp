#include "engine/RootSearch.h"

#include <cmath>

std::optional<double> BracketedRoot(const std::function<double(double)>& f, double lo, double hi,
                                    double tolerance, double minWidth) {
    double flo = f(lo);
    double fhi = f(hi);
    if (flo == 0)
        return lo;
    if (fhi == 0)
        return hi;
    if ((flo < 0) == (fhi < 0))
        return std::nullopt;
    for (int step = 0; step < 200; ++step) {
        double x = lo - flo * (hi - lo) / (fhi - flo);
        const bool bisect = step % 3 == 2 || !(x > lo && x < hi);
        if (bisect)
            x = 0.5 * (lo + hi);
        const double fx = f(x);
        if (std::fabs(fx) <= tolerance || hi - lo < minWidth)
            return x;
        if ((fx < 0) == (flo < 0)) {
            lo = x;
            flo = fx;
        } else {
            hi = x;
            fhi = fx;
        }
    }
    return 0.5 * (lo + hi);
}

std::optional<double> GrowBracket(const std::function<double(double)>& f, double lo, double start,
                                  double limit) {
    const bool negative = f(lo) < 0;
    for (double x = start; x <= limit; x = lo + 2 * (x - lo)) {
        if ((f(x) < 0) != negative)
            return x;
    }
    return std::nullopt;
}
