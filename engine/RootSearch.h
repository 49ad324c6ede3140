#pragma once
// Safeguarded root finding on a bracket, for the searches that must end at their answer
// (a thickness that puts a surface at a temperature or a heat flow at a limit).
#include <functional>
#include <optional>

// A root of f between lo and hi, where f(lo) and f(hi) do not share a sign: regula falsi
// with the Illinois correction, and a bisection step whenever the bracket stops shrinking.
// Ends when |f| <= tolerance or the bracket is narrower than minWidth (then the end with the
// smaller |f|). nullopt when the ends share a sign or f gives no number. f may throw; the
// error passes through.
std::optional<double> BracketedRoot(const std::function<double(double)>& f, double lo, double hi,
                                    double tolerance, double minWidth = 1e-12);

// The first of start, 2·start, 4·start, ... up to limit where f has the opposite sign of
// f(lo) (or is 0); nullopt when none has.
std::optional<double> GrowBracket(const std::function<double(double)>& f, double lo, double start,
                                  double limit);
