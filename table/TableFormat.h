#pragma once
// Number texts of the thickness table window: "." always, never "inf" or "nan".
#include <QString>

// Fixed decimals as everywhere in the program; "-/-" for a value that is no finite number.
QString Cell(float value, int decimals);

// Up to `decimals` decimals without trailing zeros ("60", "0.2", "48.3").
QString ShortNumber(float value, int decimals = 3);

// At least `digits` significant digits and at least `minDecimals` decimals: "0.049" for a
// payback of 18 days where one decimal would say "0.0", "1.44" kWh, "12345" kWh.
QString SignificantCell(float value, int digits, int minDecimals = 0);
