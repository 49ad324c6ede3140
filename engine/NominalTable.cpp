#include "engine/NominalTable.h"

#include <algorithm>
#include <cmath>

#include "engine/State.h"

namespace {
bool Within(double value, double from, double to) {
    return from < value && value <= to;
}

// A diameter that arrives in m as a float is compared to the micrometre, so that one equal
// to a bound stays equal to it.
double ToMicrometres(double mm) {
    return std::round(mm * 1000.0) / 1000.0;
}
} // namespace

const TToleranceLine* NominalRow(const TToleranceTable& table, bool pipe, float outerDiameter,
                                 float thicknessMm) {
    const double diameterMm = ToMicrometres(static_cast<double>(outerDiameter) * 1000.0);
    for (int i = 0; i < table.Count(); ++i) {
        const TToleranceLine& row = table[i];
        const bool diameterFits = !pipe || Within(diameterMm, ToMicrometres(row.DiameterFrom),
                                                  ToMicrometres(row.DiameterTo));
        if (diameterFits && Within(thicknessMm, row.ThicknessFrom, row.ThicknessTo))
            return &row;
    }
    return nullptr;
}

std::vector<float> NominalDiametersMm(const TToleranceTable& table) {
    std::vector<float> diameters;
    for (int i = 0; i < table.Count(); ++i) {
        if (table[i].DiameterTo > 0)
            diameters.push_back(table[i].DiameterTo);
    }
    std::sort(diameters.begin(), diameters.end());
    diameters.erase(std::unique(diameters.begin(), diameters.end()), diameters.end());
    return diameters;
}
