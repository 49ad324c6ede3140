#pragma once
// The project window: the line list (edited in place, sorted and filtered by any column),
// the title block and settings, the totals and the bill of materials, and the project's file.
#include <QMainWindow>
#include <QTimer>
#include <QUndoStack>

#include "project/Project.h"

class QAction;
class QLabel;
class QLineEdit;
class QComboBox;
class QProgressBar;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class TProjectHead;
class TProjectModel;

class TProjectWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TProjectWindow(QWidget* parent = nullptr);
    ~TProjectWindow() override;

    TProjectModel& Model() { return *model_; }
    QUndoStack& Undo() { return undo_; }
    bool Modified() const { return !undo_.isClean(); }

    QTableView* LinesView = nullptr;
    QSortFilterProxyModel* Proxy = nullptr;
    QLineEdit* Filter = nullptr;
    QComboBox* FilterColumn = nullptr; // "All columns", then each column
    TProjectHead* Head = nullptr;
    QTableView* TotalsView = nullptr;
    QTableView* BomView = nullptr;
    QLabel* Status = nullptr;
    QProgressBar* Progress = nullptr;
    QAction* AddAction = nullptr;
    QAction* DuplicateAction = nullptr;
    QAction* DeleteAction = nullptr;
    QAction* UpAction = nullptr;
    QAction* DownAction = nullptr;
    QAction* CopyAction = nullptr;
    QAction* PasteAction = nullptr;
    QAction* UndoAction = nullptr;
    QAction* RedoAction = nullptr;
    QAction* TableAction = nullptr;
    QAction* HelpAction = nullptr; // the page of this window

    // The lines selected, as rows of the document, ascending; the current one when none is.
    std::vector<int> SelectedRows() const;
    // Selects document rows (and makes the first current).
    void SelectRows(const std::vector<int>& rows);

    // Unsaved changes: asks whether to save them. False when the user goes back (or the
    // save failed): then nothing may be dropped.
    bool MayDiscard();

public slots:
    void NewProject();
    void OpenDialog();
    bool OpenFile(const QString& path); // asks to save first
    bool Save();
    bool SaveAs();
    void ImportDialog();
    void ImportFile(const QString& path);
    void ExportDialog();
    void Print();

    void AddLine();
    void AppendLine(const Line& line); // "Add to project" of the thickness table
    void DuplicateLines();
    void DeleteLines();
    void MoveLines(int delta);
    void CopyLines();
    void PasteLines();
    void OpenInTable();
    void ShowHelp();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    QWidget* BuildLines();
    QWidget* BuildSummary();
    void Refused(const QString& reason);
    void ShowLineStatus();
    void UpdateTitle();
    void ResultsArrived();
    void UpdateSummary();
    void ComputeStarted();
    void InsertAfterCurrent(std::vector<Line> lines, const QString& text);
    bool PasteCellBlock(const QString& text);
    bool Load(const QString& path);

    QUndoStack undo_;
    TProjectModel* model_ = nullptr;
    QStandardItemModel* totals_ = nullptr;
    QStandardItemModel* bom_ = nullptr;
    QString fileName_;
    QString refusal_; // why the last text typed into a cell was refused
    QTimer progressDelay_;
    QTimer summaryDelay_; // restarted by every edit: one refresh of the totals for many edits
};
