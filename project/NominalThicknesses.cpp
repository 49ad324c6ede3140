#include "project/NominalThicknesses.h"

#include <algorithm>
#include <cmath>

#include "engine/CalcFrame.h"
#include "engine/State.h"
#include "engine/ThicknessTable.h"

namespace {
// As the nominal lookup compares them: to the micrometre, lower bound exclusive.
double Micrometres(double mm) {
    return std::round(mm * 1000.0) / 1000.0;
}

bool FitsDiameter(const TToleranceLine& row, double diameterMm) {
    return Micrometres(row.DiameterFrom) < diameterMm && diameterMm <= Micrometres(row.DiameterTo);
}
} // namespace

bool TableOfMaterial(const TToleranceTable& table, const QString& material) {
    if (table.Count() == 0)
        return false;
    const QString product = QString::fromStdString(table[0].Recommendation);
    const qsizetype dash = product.indexOf(u'-');
    if (dash <= 0)
        return false;
    const QString code = product.left(dash).trimmed();
    return material.startsWith(code + u' ') || material == code;
}

std::vector<float> NominalThicknessesMm(const TToleranceTable* table, bool pipe, float diameterMm,
                                        const QString& material) {
    std::vector<float> list;
    if (table && TableOfMaterial(*table, material)) {
        // The diameter as the table's lookup sees it: through metres as a 32-bit float.
        const float metres = MillimetresToMetres(diameterMm);
        const double mm = Micrometres(double{metres} * 1000.0);
        for (int i = 0; i < table->Count(); ++i) {
            const TToleranceLine& row = (*table)[i];
            if (!pipe || FitsDiameter(row, mm))
                list.push_back(row.ThicknessTo);
        }
    }
    if (list.empty())
        return DefaultThicknessesMm();
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

std::optional<float> ProductThicknessMm(const TToleranceTable* table, const QString& product) {
    if (!table)
        return std::nullopt;
    const std::string wanted = product.toStdString();
    for (int i = 0; i < table->Count(); ++i) {
        if ((*table)[i].Recommendation == wanted)
            return (*table)[i].ThicknessTo;
    }
    return std::nullopt;
}
