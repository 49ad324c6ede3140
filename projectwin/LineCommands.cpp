#include "projectwin/LineCommands.h"

#include "projectwin/ProjectModel.h"

TReplaceLines::TReplaceLines(TProjectModel& model, std::vector<int> rows, std::vector<Line> before,
                             std::vector<Line> after, const QString& text)
    : QUndoCommand(text), model_(model), rows_(std::move(rows)), before_(std::move(before)),
      after_(std::move(after)) {}

void TReplaceLines::redo() {
    model_.ReplaceLines(rows_, after_);
}

void TReplaceLines::undo() {
    model_.ReplaceLines(rows_, before_);
}

TInsertLines::TInsertLines(TProjectModel& model, std::vector<int> rows, std::vector<Line> lines,
                           const QString& text, bool remove)
    : QUndoCommand(text), model_(model), rows_(std::move(rows)), lines_(std::move(lines)),
      remove_(remove) {}

void TInsertLines::Insert() {
    model_.InsertLines(rows_, lines_);
}

void TInsertLines::Remove() {
    model_.RemoveLines(rows_);
}

void TInsertLines::redo() {
    remove_ ? Remove() : Insert();
}

void TInsertLines::undo() {
    remove_ ? Insert() : Remove();
}

TMoveLines::TMoveLines(TProjectModel& model, std::vector<int> from, std::vector<int> to,
                       const QString& text)
    : QUndoCommand(text), model_(model), from_(std::move(from)), to_(std::move(to)) {}

void TMoveLines::redo() {
    model_.InsertLines(to_, model_.RemoveLines(from_));
}

void TMoveLines::undo() {
    model_.InsertLines(from_, model_.RemoveLines(to_));
}

TSetHead::TSetHead(TProjectModel& model, TitleBlock title, ProjectSettings settings)
    : QUndoCommand(QStringLiteral("Project settings")), model_(model), title_(std::move(title)),
      oldTitle_(model.Document().Title), settings_(settings),
      oldSettings_(model.Document().Settings) {}

void TSetHead::redo() {
    model_.SetHead(title_, settings_);
}

void TSetHead::undo() {
    model_.SetHead(oldTitle_, oldSettings_);
}
