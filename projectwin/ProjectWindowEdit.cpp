// The line list's edits: add, duplicate, delete, move, copy and paste, each one undoable
// step, and the current line opened in the thickness table.
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <algorithm>
#include <set>

#include "app/Umessages.h"
#include "projectwin/CellPaste.h"
#include "projectwin/LineClipboard.h"
#include "projectwin/LineCommands.h"
#include "projectwin/ProjectModel.h"
#include "projectwin/ProjectWindow.h"
#include "table/TableSystemLine.h"
#include "table/ThicknessTableWindow.h"

namespace {
// The selection as a range of input cells, when it is one of more than one cell.
std::optional<CellRange> SelectedCells(const QTableView& view, const QSortFilterProxyModel& proxy) {
    const QModelIndexList cells = view.selectionModel()->selectedIndexes();
    std::set<int> rows, columns;
    for (const QModelIndex& index : cells) {
        rows.insert(index.row());
        columns.insert(index.column());
    }
    if (cells.size() < 2)
        return std::nullopt;
    const int first = *columns.begin(), count = static_cast<int>(columns.size());
    const bool block = static_cast<size_t>(cells.size()) == rows.size() * columns.size();
    if (!block || *columns.rbegin() - first + 1 != count ||
        !TProjectModel::IsInput(*columns.rbegin()))
        return std::nullopt;
    CellRange range{{}, first, count};
    for (int row : rows)
        range.Rows.push_back(proxy.mapToSource(proxy.index(row, first)).row());
    return range;
}
} // namespace

std::vector<int> TProjectWindow::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : LinesView->selectionModel()->selectedIndexes())
        rows.insert(Proxy->mapToSource(index).row());
    if (rows.empty() && LinesView->currentIndex().isValid())
        rows.insert(Proxy->mapToSource(LinesView->currentIndex()).row());
    return {rows.begin(), rows.end()};
}

void TProjectWindow::SelectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (int row : rows) {
        const QModelIndex index = Proxy->mapFromSource(model_->index(row, 0));
        if (index.isValid())
            selection.select(index, index.siblingAtColumn(model_->columnCount() - 1));
    }
    auto* select = LinesView->selectionModel();
    if (!rows.empty())
        select->setCurrentIndex(Proxy->mapFromSource(model_->index(rows.front(), 0)),
                                QItemSelectionModel::NoUpdate);
    select->select(selection, QItemSelectionModel::ClearAndSelect);
}

// New lines go after the current line (at the end when there is none) and are selected.
void TProjectWindow::InsertAfterCurrent(std::vector<Line> lines, const QString& text) {
    if (lines.empty())
        return;
    const std::vector<int> selected = SelectedRows();
    const int first = selected.empty() ? model_->rowCount() : selected.back() + 1;
    std::vector<int> rows(lines.size());
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = first + static_cast<int>(i);
    undo_.push(new TInsertLines(*model_, rows, std::move(lines), text));
    SelectRows(rows);
}

void TProjectWindow::AddLine() {
    Line line;
    // A new line starts as the current one's neighbour would: same kind and conditions.
    if (const auto rows = SelectedRows(); !rows.empty())
        line = model_->Document().Lines[static_cast<size_t>(rows.back())];
    line.Tag.clear();
    InsertAfterCurrent({line}, QStringLiteral("Add line"));
}

// The job's year figures stay the project's where they are the same.
void TProjectWindow::AppendLine(const Line& job) {
    Line line = job;
    const ProjectSettings& s = model_->Document().Settings;
    auto keep = [](std::optional<float>& own, float project) {
        if (own && *own == project)
            own.reset();
    };
    keep(line.EnergyPrice, s.EnergyPrice);
    keep(line.HoursPerYear, s.HoursPerYear);
    keep(line.Co2PerKWh, s.Co2PerKWh);
    keep(line.WasteAllowance, s.WasteAllowance);
    keep(line.LifeYears, s.LifeYears);
    keep(line.InterestRatePercent, s.InterestRatePercent);
    keep(line.PriceIncreasePercent, s.PriceIncreasePercent);
    const int row = model_->rowCount();
    undo_.push(new TInsertLines(*model_, {row}, {line}, QStringLiteral("Add to project")));
    SelectRows({row});
}

void TProjectWindow::DuplicateLines() {
    std::vector<Line> copies;
    for (int row : SelectedRows())
        copies.push_back(model_->Document().Lines[static_cast<size_t>(row)]);
    InsertAfterCurrent(std::move(copies), QStringLiteral("Duplicate lines"));
}

void TProjectWindow::DeleteLines() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    std::vector<Line> lines;
    for (int row : rows)
        lines.push_back(model_->Document().Lines[static_cast<size_t>(row)]);
    undo_.push(
        new TInsertLines(*model_, rows, std::move(lines), QStringLiteral("Delete lines"), true));
}

// The selected lines one place up or down in the list's own order (sorting is turned off,
// since a move in a sorted view would not show).
void TProjectWindow::MoveLines(int delta) {
    const std::vector<int> from = SelectedRows();
    if (from.empty() || from.front() + delta < 0 || from.back() + delta >= model_->rowCount())
        return;
    LinesView->sortByColumn(-1, Qt::AscendingOrder);
    Proxy->sort(-1);
    std::vector<int> to = from;
    for (int& row : to)
        row += delta;
    undo_.push(new TMoveLines(*model_, from, to,
                              delta < 0 ? QStringLiteral("Move up") : QStringLiteral("Move down")));
    SelectRows(to);
}

void TProjectWindow::CopyLines() {
    model_->WaitForResults();
    std::vector<Line> lines;
    std::vector<LineResult> results;
    for (int row : SelectedRows()) {
        lines.push_back(model_->Document().Lines[static_cast<size_t>(row)]);
        results.push_back(model_->Results()[static_cast<size_t>(row)]);
    }
    if (!lines.empty())
        QApplication::clipboard()->setText(LinesToClipboard(lines, results));
}

// A block of cells onto a selected range of cells sets them; otherwise one cell's text goes
// into the current cell, and rows of cells become new lines.
void TProjectWindow::PasteLines() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty() || PasteCellBlock(text))
        return;
    const QModelIndex current = Proxy->mapToSource(LinesView->currentIndex());
    if (IsSingleCell(text) && current.isValid() && TProjectModel::IsInput(current.column())) {
        model_->setData(current, text.trimmed(), Qt::EditRole);
        return;
    }
    CsvImport read = LinesFromClipboard(text);
    if (!read.Error.isEmpty()) {
        ShowError(read.Error, this);
        return;
    }
    InsertAfterCurrent(std::move(read.Lines), QStringLiteral("Paste lines"));
    if (!read.Errors.empty())
        ShowWarning(RowErrorsText(read.Errors), this);
}

// One undo step for all the lines that take their cells; the others are named.
bool TProjectWindow::PasteCellBlock(const QString& text) {
    const std::optional<CellRange> range = SelectedCells(*LinesView, *Proxy);
    const std::optional<std::vector<QStringList>> block = CellBlock(text);
    if (!range || !block)
        return false;
    CellPaste paste = PasteCells(model_->Document().Lines, *range, *block);
    if (!paste.Rows.empty())
        undo_.push(new TReplaceLines(*model_, std::move(paste.Rows), std::move(paste.Before),
                                     std::move(paste.After), QStringLiteral("Paste cells")));
    if (!paste.Error.isEmpty())
        Refused(paste.Error);
    else if (!paste.Refused.isEmpty())
        Refused(QStringLiteral("Not pasted: ") + paste.Refused.join(QStringLiteral("; ")));
    return true;
}

void TProjectWindow::OpenInTable() {
    const QModelIndex current = Proxy->mapToSource(LinesView->currentIndex());
    if (!current.isValid())
        return;
    const Line& line = model_->Document().Lines[static_cast<size_t>(current.row())];
    TThicknessTableWindow* table = OpenThicknessTable(OpensInPipeWindow(line), this);
    table->SetJob(line, EffectiveSettings(line, model_->Document().Settings));
}
