#include "engine/NominalTable.h"

#include <algorithm>
#include <cmath>

#include "engine/State.h"

namespace {
// The rows' half-open bounds: lower exclusive, upper inclusive.
bool Covers(double value, double from, double to) {
    return from < value && value <= to;
}

// The diameter arrives in m as a 32-bit float: 28 mm is 0.028f, a hair above 28 mm once
// multiplied back. Diameters and bounds are compared to the micrometre, so a diameter equal
// to a bound stays equal to it and the half-open bounds hold as written in the table.
double ToMicrometres(double mm) {
    return std::round(mm * 1000.0) / 1000.0;
}
} // namespace

bool CoversDiameter(const TToleranceLine& row, float outerDiameter) {
    const double diameterMm = ToMicrometres(static_cast<double>(outerDiameter) * 1000.0);
    return Covers(diameterMm, ToMicrometres(row.DiameterFrom), ToMicrometres(row.DiameterTo));
}

const TToleranceLine* NominalRow(const TToleranceTable& table, bool pipe, float outerDiameter,
                                 float thicknessMm) {
    for (int i = 0; i < table.Count(); ++i) {
        const TToleranceLine& row = table[i];
        const bool diameterFits = !pipe || CoversDiameter(row, outerDiameter);
        if (diameterFits && Covers(thicknessMm, row.ThicknessFrom, row.ThicknessTo))
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

bool IsNominalThickness(const TToleranceLine& row, float thicknessMm) {
    return ToMicrometres(row.ThicknessTo) == ToMicrometres(thicknessMm);
}

namespace {
// The product code before its first "-": "VELTRA AF" of "VELTRA AF-13-048 / ...".
std::string ProductCode(const std::string& recommendation) {
    const size_t dash = recommendation.find('-');
    return dash == std::string::npos ? std::string() : recommendation.substr(0, dash);
}
} // namespace

bool TableBelongsTo(const TToleranceTable& table, const std::string& materialName) {
    // Rows without a code (an edited recommendation) say nothing about the range.
    std::string code;
    for (int i = 0; i < table.Count(); ++i) {
        const std::string own = ProductCode(table[i].Recommendation);
        if (own.empty())
            continue;
        if (!code.empty() && own != code)
            return false; // a table of several ranges names no single material
        code = own;
    }
    if (code.empty())
        return false;
    return materialName.size() > code.size() && materialName.compare(0, code.size(), code) == 0 &&
           materialName[code.size()] == ' ';
}
