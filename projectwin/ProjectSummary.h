#pragma once
// The totals and the bill of materials as the window's tables show them.
#include <vector>

#include "project/Project.h"
#include "project/ProjectCompute.h"

class QStandardItemModel;

// Rows of quantities: the insulated plant beside the same plant bare.
void FillTotals(QStandardItemModel& model, const Project& project,
                const std::vector<LineResult>& results);
// One row per product, with the columns of the bill of materials' CSV.
void FillBom(QStandardItemModel& model, const Project& project,
             const std::vector<LineResult>& results);
