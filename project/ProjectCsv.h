#pragma once
// Spreadsheets: a line list read from CSV (or the clipboard's tab-separated text), and the
// lines with their results and the bill of materials written as CSV.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "project/Project.h"
#include "project/ProjectCompute.h"

// A row that could not be read: its number in the file (the header is row 1) and why.
struct CsvRowError {
    int Row = 0;
    QString Reason;

    bool operator==(const CsvRowError&) const = default;
};

struct CsvImport {
    std::vector<Line> Lines;         // the rows that could be read, in order
    std::vector<CsvRowError> Errors; // every other row
    QString Error;                   // the whole file refused (unreadable, no known header)
};

// Splits delimited text into rows of cells: quotes ("...", "" inside) as spreadsheets write
// them, CR LF, CR or LF. Each row keeps the number of the text line it starts on.
struct DelimitedRow {
    int Row = 0;
    QStringList Cells;
};
std::vector<DelimitedRow> SplitDelimited(const QString& text, QChar separator);

// The separator of a header line: ";" when it holds more of them than ",", "\t" when it
// holds tabs and neither, otherwise ",".
QChar GuessSeparator(const QString& headerLine);

// Lines from text with a header row (names of project/LineFields.h, any order, any case,
// units in brackets allowed; unknown columns such as the result columns are ignored).
// A row's missing or empty cell keeps the default of a new line (Line{}), except that an
// empty tag is taken as it is. Numbers with "." or ","; a "," separator with "," decimals
// needs the cell quoted.
CsvImport ImportLinesText(const QString& text);
// The same from a file's bytes (UTF-8 with or without byte-order mark, or Windows-1252).
CsvImport ImportLinesCsv(const QByteArray& bytes);
CsvImport ImportLinesFile(const QString& fileName);

// The result columns written after the input columns.
inline constexpr int kResultColumnCount = 19;
QStringList ResultHeaders();
// The result cells of one line ("" for figures a line has not got), and one of them (column
// counted from the first result column; "" outside them): a view asks for one at a time.
QStringList ResultCells(const LineResult& result);
QString ResultCell(const LineResult& result, int column);

// Every line with its results: the input columns (FieldHeader) then the result columns,
// "," separated, "." decimals, UTF-8, CR LF line ends. Import of it gives the same lines.
QByteArray ExportLinesCsv(const Project& project, const std::vector<LineResult>& results);

// The bill of materials' columns and one item's cells, as the window, the file and the
// schedule show them.
QStringList BomHeaders();
QStringList BomCells(const BomItem& item);

// The bill of materials as CSV: product, kind, thickness, lines, quantity, with waste.
QByteArray BomCsv(const std::vector<BomItem>& items);
