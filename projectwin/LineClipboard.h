#pragma once
// Lines to and from a spreadsheet's clipboard: tab-separated text, a header row of the
// documented column names, "." or "," decimals.
#include <QString>

#include "project/ProjectCsv.h"

// The lines with their results as tab-separated text with a header row; a cell holding a
// tab, a line break or a quote is quoted as spreadsheets do.
QString LinesToClipboard(const std::vector<Line>& lines, const std::vector<LineResult>& results);

// Lines from pasted text: with a header row its columns are matched by name, without one the
// cells are taken as the input columns in their documented order.
CsvImport LinesFromClipboard(const QString& text);

// Whether the text is one cell (no tab, no line break but a final one).
bool IsSingleCell(const QString& text);

// The rows of a paste or an import that could not be read, one line each.
QString RowErrorsText(const std::vector<CsvRowError>& errors);
