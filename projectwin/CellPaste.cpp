#include "projectwin/CellPaste.h"

#include <algorithm>

#include "project/LineFields.h"
#include "project/ProjectCsv.h"

namespace {
QString WithoutFinalBreak(QString text) {
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

QString Shape(int rows, int columns) {
    return QStringLiteral("%1 × %2").arg(rows).arg(columns);
}

// Why the block cannot be pasted onto the range; "" when it can.
QString Misfit(const CellRange& range, const std::vector<QStringList>& block) {
    const int rows = static_cast<int>(block.size());
    const int width = block.empty() ? 0 : static_cast<int>(block.front().size());
    const bool rectangular = std::all_of(block.begin(), block.end(),
                                         [&](const QStringList& r) { return r.size() == width; });
    const int lines = static_cast<int>(range.Rows.size());
    if (!rectangular)
        return QStringLiteral("The pasted rows do not have the same number of cells");
    if (rows == 0 || width != range.Columns || lines % rows != 0)
        return QStringLiteral("The %1 cells pasted do not fit the %2 cells selected")
            .arg(Shape(rows, width), Shape(lines, range.Columns));
    return {};
}

// The row's cells set in the line; "" when every one was taken.
QString SetCells(Line& line, int firstColumn, const QStringList& cells) {
    for (int i = 0; i < cells.size(); ++i) {
        const auto field = static_cast<LineField>(firstColumn + i);
        const QString reason = SetFieldText(line, field, cells[i]);
        if (!reason.isEmpty())
            return FieldName(field) + QStringLiteral(": ") + reason;
    }
    return {};
}
} // namespace

std::optional<std::vector<QStringList>> CellBlock(const QString& text) {
    std::vector<QStringList> block;
    for (DelimitedRow& row : SplitDelimited(WithoutFinalBreak(text), u'\t'))
        block.push_back(std::move(row.Cells));
    if (!block.empty() && !block.front().isEmpty() && FieldFromHeader(block.front().front()))
        return std::nullopt;
    return block;
}

CellPaste PasteCells(const std::vector<Line>& lines, const CellRange& range,
                     std::vector<QStringList> block) {
    // One cell's text fills the whole range.
    if (block.size() == 1 && block.front().size() == 1)
        block.front() = QStringList(range.Columns, block.front().front());
    CellPaste paste;
    paste.Error = Misfit(range, block);
    if (!paste.Error.isEmpty())
        return paste;
    std::vector<std::pair<int, Line>> changed;
    for (size_t i = 0; i < range.Rows.size(); ++i) {
        const int row = range.Rows[i];
        Line line = lines[static_cast<size_t>(row)];
        const QString refused = SetCells(line, range.FirstColumn, block[i % block.size()]);
        if (!refused.isEmpty())
            paste.Refused << QStringLiteral("Line %1: ").arg(row + 1) + refused;
        else if (line != lines[static_cast<size_t>(row)])
            changed.emplace_back(row, std::move(line));
    }
    std::sort(changed.begin(), changed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [row, line] : changed) {
        paste.Rows.push_back(row);
        paste.Before.push_back(lines[static_cast<size_t>(row)]);
        paste.After.push_back(std::move(line));
    }
    return paste;
}
