#pragma once
// Root finding on a bracket, for the searches that must end at their answer.
#include <functional>
#include <optional>

// A root of f in [lo, hi] by safeguarded regula falsi and bisection, within tolerance of
// f or once the bracket is narrower than minWidth; nullopt when f(lo) and f(hi) share a sign.
std::optional<double> BracketedRoot(const std::function<double(double)>& f, double lo, double hi,
                                    double tolerance, double minWidth = 1e-12);

// From start, doubling the distance to lo up to limit, the first point where f has the
// other sign than at lo; nullopt when none.
std::optional<double> GrowBracket(const std::function<double(double)>& f, double lo, double start,
                                  double limit);
