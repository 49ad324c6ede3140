#pragma once
// The undoable changes of a project: one command per edit, paste, import, addition,
// deletion or move, each undone by the model's reverse change.
#include <QUndoCommand>
#include <vector>

#include "project/Project.h"

class TProjectModel;

// Lines replaced in place (an edited cell, a pasted cell).
class TReplaceLines : public QUndoCommand {
public:
    TReplaceLines(TProjectModel& model, std::vector<int> rows, std::vector<Line> before,
                  std::vector<Line> after, const QString& text);
    void redo() override;
    void undo() override;

private:
    TProjectModel& model_;
    std::vector<int> rows_;
    std::vector<Line> before_, after_;
};

// Lines that appear at rows (ascending) and go again on undo: added, duplicated, pasted,
// imported; with remove set, the reverse: deleted lines that come back on undo.
class TInsertLines : public QUndoCommand {
public:
    TInsertLines(TProjectModel& model, std::vector<int> rows, std::vector<Line> lines,
                 const QString& text, bool remove = false);
    void redo() override;
    void undo() override;

private:
    void Insert();
    void Remove();

    TProjectModel& model_;
    std::vector<int> rows_;
    std::vector<Line> lines_;
    bool remove_;
};

// Lines moved from rows to other rows (both ascending, the same lines in the same order).
class TMoveLines : public QUndoCommand {
public:
    TMoveLines(TProjectModel& model, std::vector<int> from, std::vector<int> to,
               const QString& text);
    void redo() override;
    void undo() override;

private:
    TProjectModel& model_;
    std::vector<int> from_, to_;
};

// The title block and the project settings.
class TSetHead : public QUndoCommand {
public:
    TSetHead(TProjectModel& model, TitleBlock title, ProjectSettings settings);
    void redo() override;
    void undo() override;

private:
    TProjectModel& model_;
    TitleBlock title_, oldTitle_;
    ProjectSettings settings_, oldSettings_;
};
