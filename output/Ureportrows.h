#pragma once
// The report's rows of the open calculation form's lines: caption, value and unit in
// their columns, 25 units apart, in page coordinates.
#include <QString>
#include <vector>

#include "output/Ureportpage.h"

class TParas;
class TResult;

// One row per parameter line at its position, whether or not it prints anything, and
// then, when `cladding` is not empty, a "type of cladding" row after the last one, and
// when `hOrigin` is not empty, an "h calculated for" row after those.
// The user material prints as "k-factor" and kFactor.
std::vector<TReportText> ParameterRows(const TParas& lines, float kFactor, const QString& cladding,
                                       const QString& hOrigin = {});

// One row per result line, `lower` units below their design places; in the freezing time
// calculation (calculationType 4) an alternatives line takes one row per entry and one more.
std::vector<TReportText> ResultRows(const TResult& lines, int calculationType, double lower = 0);

// The top of the first result row at its design place.
double FirstResultTop();

// The top of the row after the last of the rows, 0 without rows.
double TopAfterRows(const std::vector<TReportText>& rows);

// A value too wide for the room between its caption and the value column (a long
// material name) starts after its caption instead, running into the unit column, which
// such rows leave empty; one still too wide for the page is set smaller.
void FitValuesBesideCaptions(std::vector<TReportText>& rows, const QString& family);
