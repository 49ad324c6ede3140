#include "engine/CheckedMath.h"

#include <cmath>

#include "engine/Errors.h"

namespace checked {
namespace {
[[noreturn]] void Fail(const char* what) {
    throw FloatError(what);
}

// A result that left the finite numbers although its operands did not.
double Finite(double result) {
    if (std::isnan(result)) {
        Fail(kInvalidOperation);
    }
    if (std::isinf(result)) {
        Fail(kOverflow);
    }
    return result;
}
} // namespace

float Store(double value) {
    if (std::isnan(value)) {
        Fail(kInvalidOperation);
    }
    const float stored = static_cast<float>(value);
    if (std::isinf(stored)) {
        Fail(kOverflow);
    }
    return stored;
}

double Div(double numerator, double denominator) {
    if (denominator == 0.0) {
        Fail(numerator == 0.0 || std::isnan(numerator) ? kInvalidOperation : kDivisionByZero);
    }
    return Finite(numerator / denominator);
}

double Ln(double x) {
    if (x == 0.0) {
        Fail(kDivisionByZero);
    }
    if (x < 0.0 || std::isnan(x)) {
        Fail(kInvalidOperation);
    }
    return Finite(std::log(x));
}

double Pow(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0) {
        Fail(kDivisionByZero);
    }
    return Finite(std::pow(base, exponent));
}

double Sqrt(double x) {
    if (x < 0.0 || std::isnan(x)) {
        Fail(kInvalidOperation);
    }
    return std::sqrt(x);
}

double Exp(double x) {
    return Finite(std::exp(x));
}

} // namespace checked
