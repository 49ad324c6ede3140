#pragma once
// The common pipe series ("pipe_series.txt" in the data folder) that the thickness table
// offers besides the nominal table's diameters.
#include <QString>
#include <optional>
#include <vector>

struct PipeSeries {
    QString name;
    std::vector<float> diametersMm;
};

// The series of that file, in file order; none when it is missing. A line that is no
// "name=d1;d2;..." with positive numbers is left out, never half read.
std::vector<PipeSeries> LoadPipeSeries(const QString& fileName);
