#pragma once
// Number texts and small text helpers shared by every window.
// All numbers the program writes or reads use "." whatever the user's locale.
#include <QChar>
#include <QString>

// Makes the process read and write numbers with "." (C library and Qt alike),
// after QApplication has applied the user's locale. Changes no setting of the user's.
void UseDotForNumbers();

// Text to number, accepting "," in place of the last "." (never as the first character).
// Throws ConversionError "'%s' is not a valid floating point value".
double ParseNumber(const QString& text);

// The standard conversion of the calculation forms: "." only, no comma.
// Throws ConversionError as ParseNumber.
double StrToFloat(const QString& text);

// Rounds a converted number to a 32-bit float; a value beyond its range throws
// FloatError "Floating point overflow".
float ToSingle(double value);

// Key filter of numeric fields: "," becomes "."; ".", "-", digits and backspace pass;
// anything else comes back as QChar(0), which swallows the key.
QChar FilterNumberKey(QChar key);

// Replaces every "<CR>" marker by a carriage return.
QString ExpandLineBreaks(const QString& text);

// Fixed decimals, rounded half away from zero on the shortest decimal text of the
// 32-bit value, "." always, no grouping, and no minus sign on a result of all zeros.
QString FormatFloat(float value, int decimals);

// The shortest text that reads back as the same 32-bit float, so that a message keeps the
// digits that matter ("1.0000001", not "1"); an infinite value, which no number written
// in a file reaches, as "beyond 3.4028235e+38" (or "-3.4028235e+38").
QString ShortestText(float value);

// The same for a pattern such as "#########0.00" or "#0.000" (decimals after the ".").
QString FormatPattern(float value, const char* pattern);
