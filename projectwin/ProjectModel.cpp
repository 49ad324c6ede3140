#include "projectwin/ProjectModel.h"

#include <QBrush>
#include <QColor>
#include <QUndoStack>
#include <algorithm>

#include "project/NumberText.h"
#include "project/ProjectCsv.h"
#include "projectwin/LineCommands.h"

namespace {
// Up to this many lines are computed at once on the GUI thread (a few ms each); more go
// to the background.
constexpr size_t kComputedAtOnce = 64;

const QColor kRefusedCell(255, 190, 190);
const QColor kNotOkStatus(255, 232, 170);
} // namespace

TProjectModel::TProjectModel(QUndoStack& undo, QObject* parent)
    : QAbstractTableModel(parent), undo_(undo), data_(ProjectData::FromShared()) {
    connect(&watcher_, &QFutureWatcher<LineResult>::finished, this, &TProjectModel::TakeComputed);
    connect(&watcher_, &QFutureWatcher<LineResult>::progressValueChanged, this,
            [this](int value) { emit ComputeProgress(value, watcher_.progressMaximum()); });
}

TProjectModel::~TProjectModel() {
    watcher_.cancel();
    watcher_.waitForFinished();
}

int TProjectModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(project_.Lines.size());
}

int TProjectModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLineFieldCount + kResultColumnCount;
}

QVariant TProjectModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (IsInput(section))
        return FieldHeader(static_cast<LineField>(section));
    return ResultHeaders().value(section - kLineFieldCount);
}

Qt::ItemFlags TProjectModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && IsInput(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TProjectModel::Background(int row, int column) const {
    const LineResult& r = results_[static_cast<size_t>(row)];
    if (pending_[static_cast<size_t>(row)])
        return {};
    if (IsInput(column) && r.Refused && static_cast<int>(*r.Refused) == column)
        return QBrush(kRefusedCell);
    if (column == StatusColumn() && r.State != LineState::Ok)
        return QBrush(kNotOkStatus);
    return {};
}

QVariant TProjectModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row(), column = index.column();
    const auto line = static_cast<size_t>(row);
    if (role == Qt::BackgroundRole)
        return Background(row, column);
    if (role == Qt::ToolTipRole)
        return Background(row, column).isValid() ? results_[line].Status : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole)
        return {};
    QString text;
    if (IsInput(column))
        text = FieldText(project_.Lines[line], static_cast<LineField>(column));
    else if (pending_[line])
        text = column == StatusColumn() ? QStringLiteral("computing") : QString();
    else
        text = ResultCell(results_[line], column - kLineFieldCount);
    // Sorting compares numbers as numbers.
    if (role == Qt::UserRole) {
        if (const auto number = TryNumber(text))
            return static_cast<double>(*number);
    }
    return text;
}

bool TProjectModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !IsInput(index.column()))
        return false;
    const Line before = project_.Lines[static_cast<size_t>(index.row())];
    Line after = before;
    const auto field = static_cast<LineField>(index.column());
    const QString reason = SetFieldText(after, field, value.toString());
    if (!reason.isEmpty()) {
        emit CellRefused(FieldName(field) + QStringLiteral(": ") + reason);
        return false;
    }
    if (after != before)
        undo_.push(new TReplaceLines(*this, {index.row()}, {before}, {after},
                                     QStringLiteral("Edit ") + FieldName(field)));
    return true;
}

void TProjectModel::SetProject(Project project) {
    watcher_.cancel();
    beginResetModel();
    project_ = std::move(project);
    results_.assign(project_.Lines.size(), LineResult{});
    pending_.assign(project_.Lines.size(), 1);
    endResetModel();
    emit HeadChanged();
    StartComputeAll();
}

void TProjectModel::ReplaceLines(const std::vector<int>& rows, const std::vector<Line>& lines) {
    for (size_t i = 0; i < rows.size(); ++i)
        project_.Lines[static_cast<size_t>(rows[i])] = lines[i];
    ComputeRows(rows);
}

void TProjectModel::InsertLines(const std::vector<int>& rows, const std::vector<Line>& lines) {
    // Runs of consecutive rows go in at once: an import of thousands stays one move.
    for (size_t i = 0; i < rows.size();) {
        size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        const int first = rows[i], count = static_cast<int>(end - i);
        beginInsertRows({}, first, first + count - 1);
        project_.Lines.insert(project_.Lines.begin() + first, lines.begin() + i,
                              lines.begin() + end);
        results_.insert(results_.begin() + first, static_cast<size_t>(count), LineResult{});
        pending_.insert(pending_.begin() + first, static_cast<size_t>(count), 1);
        endInsertRows();
        i = end;
    }
    if (rows.size() > kComputedAtOnce)
        StartComputeAll();
    else
        ComputeRows(rows);
}

std::vector<Line> TProjectModel::RemoveLines(const std::vector<int>& rows) {
    std::vector<Line> removed;
    for (int row : rows)
        removed.push_back(project_.Lines[static_cast<size_t>(row)]);
    // From the last run to the first, so the earlier rows keep their numbers.
    for (size_t end = rows.size(); end > 0;) {
        size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] == rows[begin] - 1)
            --begin;
        const int first = rows[begin], last = rows[end - 1];
        beginRemoveRows({}, first, last);
        project_.Lines.erase(project_.Lines.begin() + first, project_.Lines.begin() + last + 1);
        results_.erase(results_.begin() + first, results_.begin() + last + 1);
        pending_.erase(pending_.begin() + first, pending_.begin() + last + 1);
        endRemoveRows();
        end = begin;
    }
    emit ResultsChanged();
    return removed;
}

void TProjectModel::SetHead(const TitleBlock& title, const ProjectSettings& settings) {
    const bool recompute = settings != project_.Settings;
    project_.Title = title;
    project_.Settings = settings;
    emit HeadChanged();
    if (recompute) {
        std::fill(pending_.begin(), pending_.end(), 1);
        ResultsShown(0, rowCount() - 1);
        StartComputeAll();
    }
}

void TProjectModel::ComputeRows(const std::vector<int>& rows) {
    for (int row : rows) {
        const auto i = static_cast<size_t>(row);
        results_[i] = ComputeLine(project_.Lines[i], project_.Settings, data_);
        pending_[i] = 0;
        ResultsShown(row, row);
    }
    emit ResultsChanged();
}

void TProjectModel::StartComputeAll() {
    watcher_.cancel();
    if (project_.Lines.empty()) {
        awaiting_ = false;
        emit ResultsChanged();
        return;
    }
    awaiting_ = true;
    computedFrom_ = project_.Lines;
    watcher_.setFuture(StartComputeProject(project_, data_));
    emit ComputeStarted();
}

// Lines changed while the background ran keep the result computed at their change.
void TProjectModel::TakeComputed() {
    // Once: the waiting caller may take the results before the finished signal arrives.
    if (!awaiting_)
        return;
    awaiting_ = false;
    if (computedFrom_.size() != project_.Lines.size()) {
        StartComputeAll();
        return;
    }
    const QList<LineResult> computed = watcher_.future().results();
    std::vector<int> changed;
    for (size_t i = 0; i < pending_.size(); ++i) {
        if (!pending_[i])
            continue;
        if (project_.Lines[i] == computedFrom_[i] && i < static_cast<size_t>(computed.size())) {
            results_[i] = computed[static_cast<qsizetype>(i)];
            pending_[i] = 0;
        } else {
            changed.push_back(static_cast<int>(i));
        }
    }
    computedFrom_.clear();
    ResultsShown(0, rowCount() - 1);
    ComputeRows(changed);
}

void TProjectModel::WaitForResults() {
    while (awaiting_) {
        watcher_.waitForFinished();
        TakeComputed();
    }
}

void TProjectModel::ResultsShown(int first, int last) {
    if (first <= last)
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

// Compiled here, away from the calculation forms' headers (their LineKind).
#include "moc_ProjectModel.cpp"
