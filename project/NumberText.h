#pragma once
// Numbers of the project's files and cells: written as the shortest "." text that reads back
// as the same 32-bit value, read with "." or ",".
#include <QString>
#include <optional>

// "48.3", "8760", "0.000001": fixed notation, no exponent, no trailing zeros.
QString NumberText(float value);

// Reads "." or "," decimals; throws ConversionError or FloatError (engine/Errors.h) as the
// calculation forms' conversion does, an empty cell included.
float ReadNumber(const QString& text);

// The same without throwing: nullopt for anything that is not a finite float.
std::optional<float> TryNumber(const QString& text);
