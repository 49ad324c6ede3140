#pragma once
// Number texts of the thickness table window: "." always, never "inf" or "nan".
#include <QString>

// Fixed decimals as everywhere in the program; "-/-" for a value that is no finite number.
QString Cell(float value, int decimals);

// Up to `decimals` decimals without trailing zeros ("60", "0.2", "48.3").
QString ShortNumber(float value, int decimals = 3);
