#include "project/NominalThicknesses.h"

#include <algorithm>

#include "engine/CalcFrame.h"
#include "engine/NominalTable.h"
#include "engine/State.h"
#include "engine/ThicknessTable.h"

std::vector<float> NominalThicknessesMm(const TToleranceTable* table, bool pipe, float diameterMm,
                                        const QString& material) {
    std::vector<float> list;
    if (table && TableBelongsTo(*table, material.toStdString())) {
        // The diameter as the table's lookup sees it: through metres as a 32-bit float.
        const float metres = MillimetresToMetres(diameterMm);
        for (int i = 0; i < table->Count(); ++i) {
            const TToleranceLine& row = (*table)[i];
            if (!pipe || CoversDiameter(row, metres))
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
