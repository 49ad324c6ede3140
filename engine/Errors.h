#pragma once
// Errors that leave a computation and reach the user as "... Error: " + what().
#include <stdexcept>
#include <string>

// Base of every error the program reports through a handler's "Error: " box.
class TermoraError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Float arithmetic that would give an infinity or not-a-number.
class FloatError : public TermoraError {
public:
    using TermoraError::TermoraError;
};

// A text that is not a number: "'%s' is not a valid floating point value".
class ConversionError : public TermoraError {
public:
    using TermoraError::TermoraError;
};

inline const char* const kDivisionByZero = "Floating point division by zero";
inline const char* const kOverflow = "Floating point overflow";
inline const char* const kInvalidOperation = "Invalid floating point operation";
