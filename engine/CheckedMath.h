#pragma once
// Arithmetic that reports its faults. C++ floats do not raise: every operation here that
// can leave the finite numbers checks its operands or its result and throws FloatError
// with the user-facing text instead of letting an inf or nan travel on.
//
// Expressions run in double; a value that the engine names and keeps goes through
// Store(), which rounds it to the 32-bit float the engine works in.
namespace checked {

// Rounds to float. A nan is an invalid operation; an infinity, or a finite double beyond
// the float range, is an overflow.
float Store(double value);

// numerator / denominator. A zero denominator is a division by zero, or an invalid
// operation when the numerator is zero too (0/0 has no value at all).
double Div(double numerator, double denominator);

// Natural logarithm: of 0 a division by zero, of a negative number an invalid operation.
double Ln(double x);

// base raised to exponent: a negative base with a fractional exponent is invalid, zero
// raised to a negative exponent divides by zero, a result beyond double is an overflow.
double Pow(double base, double exponent);

// Square root of a negative number is invalid.
double Sqrt(double x);

// e raised to x; a result beyond double is an overflow.
double Exp(double x);

} // namespace checked
