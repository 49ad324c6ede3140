#pragma once
// A line's installed costs as one text, for the CSV column and the window's cell: items
// "<thickness in mm>=<cost per unit>" separated by ";", thinnest first, e.g. "30=12.5; 40=14".
// "" for none. The ";" leaves "," free for decimals on input.
#include <QString>
#include <map>

QString InstalledCostsText(const std::map<float, float>& costs);

// Reads such a text ("." or "," decimals, blanks around the items free, any order). Returns ""
// when taken, otherwise the reason, costs unchanged. Bounds are checked when computing.
QString SetInstalledCostsText(std::map<float, float>& costs, const QString& text);
