#include "project/NominalThicknesses.h"

#include <algorithm>

#include "engine/CalcFrame.h"
#include "engine/NominalTable.h"
#include "engine/State.h"
#include "engine/ThicknessTable.h"
#include "project/ProjectLayered.h"

namespace {
// The rows a line of that material and diameter is offered, in the table's order: one rule
// for the thicknesses listed and for the products named.
std::vector<const TToleranceLine*> RowsFor(const TToleranceTable* table, bool pipe,
                                           float diameterMm, const QString& material) {
    std::vector<const TToleranceLine*> rows;
    if (!table || !TableBelongsTo(*table, material.toStdString()))
        return rows;
    // The diameter as the table's lookup sees it: through metres as a 32-bit float.
    const float metres = MillimetresToMetres(diameterMm);
    for (int i = 0; i < table->Count(); ++i) {
        const TToleranceLine& row = (*table)[i];
        if (!pipe || CoversDiameter(row, metres))
            rows.push_back(&row);
    }
    return rows;
}
} // namespace

std::vector<float> NominalThicknessesMm(const TToleranceTable* table, bool pipe, float diameterMm,
                                        const QString& material) {
    std::vector<float> list;
    for (const TToleranceLine* row : RowsFor(table, pipe, diameterMm, material))
        list.push_back(row->ThicknessTo);
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

const TToleranceTable* NominalTableOf(const Line& line, const ProjectData& data) {
    if (!OwnLayerHasProducts(line))
        return nullptr;
    return line.Kind == LineKind::Pipe ? data.PipeTable : data.SheetTable;
}

std::vector<QString> NominalProducts(const Line& line, const ProjectData& data) {
    std::vector<QString> names;
    for (const TToleranceLine* row :
         RowsFor(NominalTableOf(line, data), line.Kind == LineKind::Pipe, line.DiameterMm,
                 line.Material)) {
        const QString name = QString::fromStdString(row->Recommendation);
        if (!name.isEmpty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}
