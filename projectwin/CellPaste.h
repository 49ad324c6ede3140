#pragma once
// A block of cells pasted onto a range of cells of the line list, as a spreadsheet pastes:
// the block's rows set the range's lines in turn (repeated down a taller range), each line
// all its cells or, where one is refused, none.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "project/Project.h"

// The selected cells: lines as rows of the document (top to bottom as shown) and a run of
// input columns.
struct CellRange {
    std::vector<int> Rows;
    int FirstColumn = 0;
    int Columns = 0;
};

// The pasted text as rows of cells; nullopt when it starts with a header row of column
// names: then it holds whole lines.
std::optional<std::vector<QStringList>> CellBlock(const QString& text);

struct CellPaste {
    std::vector<int> Rows;           // ascending: the lines that change
    std::vector<Line> Before, After; // those lines as they were and as they become
    QStringList Refused;             // "Line 3: Kind: 'dcut' is not one of the choices"
    QString Error;                   // the block does not fit the range; nothing changes
};

// One cell's text is set in every cell of the range.
CellPaste PasteCells(const std::vector<Line>& lines, const CellRange& range,
                     std::vector<QStringList> block);
