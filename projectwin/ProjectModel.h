#pragma once
// The open project as a table: one row per line, the input columns (project/LineFields.h)
// then the result columns. Cells are edited through the undo stack, so every change can be
// undone; the results follow each change, one line at once, the whole project in the
// background (Qt Concurrent) so the window stays responsive.
#include <QAbstractTableModel>
#include <QFutureWatcher>
#include <vector>

#include "project/Project.h"
#include "project/ProjectCompute.h"
#include "project/ProjectData.h"

class QUndoStack;

class TProjectModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TProjectModel(QUndoStack& undo, QObject* parent = nullptr);
    ~TProjectModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An input cell's text, pushed as one undoable edit; refused (false) with the reason
    // emitted as CellRefused when the text cannot be read.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    static bool IsInput(int column) { return column < kLineFieldCount; }
    static int StatusColumn() { return kLineFieldCount; }

    const Project& Document() const { return project_; }
    const std::vector<LineResult>& Results() const { return results_; }
    const ProjectData& Data() const { return data_; }
    bool Computing() const { return awaiting_; }
    // Waits for the background computation: afterwards every line has its result.
    void WaitForResults();

    // Replaces the whole project (a file opened, a new one) and computes it.
    void SetProject(Project project);

    // The changes the undo commands make; each recomputes what it touches.
    // rows: ascending, the rows the lines have (or had) in the list.
    void ReplaceLines(const std::vector<int>& rows, const std::vector<Line>& lines);
    void InsertLines(const std::vector<int>& rows, const std::vector<Line>& lines);
    std::vector<Line> RemoveLines(const std::vector<int>& rows);
    void SetHead(const TitleBlock& title, const ProjectSettings& settings);

signals:
    void CellRefused(const QString& reason);
    void ComputeStarted();
    void ComputeProgress(int done, int total);
    // The results changed (a line, or all of them once the computation ended).
    void ResultsChanged();
    // The title block or the settings changed.
    void HeadChanged();

private:
    void ComputeRows(const std::vector<int>& rows);
    void StartComputeAll();
    void TakeComputed();
    void ResultsShown(int first, int last);
    QVariant Background(int row, int column) const;

    QUndoStack& undo_;
    Project project_;
    ProjectData data_;
    std::vector<LineResult> results_;
    std::vector<char> pending_;      // lines whose result the background has not given yet
    std::vector<Line> computedFrom_; // the lines as the background computation took them
    QFutureWatcher<LineResult> watcher_;
    bool awaiting_ = false; // a background computation whose results are not taken yet
};
