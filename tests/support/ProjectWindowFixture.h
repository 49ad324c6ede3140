#pragma once
// The project window opened as the "Project" menu opens it, with the shipped data, and driven
// as a user drives it: cells typed into, actions triggered, file dialogs answered.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "project/LineFields.h"
#include "project/NumberText.h"
#include "project/ProjectFixture.h"
#include "projectwin/ProjectHead.h"
#include "projectwin/ProjectModel.h"
#include "projectwin/ProjectSession.h"
#include "projectwin/ProjectWindow.h"
#include "support/FixtureFiles.h"
#include "table/TableInputs.h"
#include "table/ThicknessTableWindow.h"

// The editor the view opens on `open` (earlier editors may wait to be deleted).
inline QWidget* EditorOpenedBy(QAbstractItemView& view, const std::function<void()>& open) {
    const auto before = view.viewport()->findChildren<QWidget*>();
    open();
    QWidget* editor = nullptr;
    for (QWidget* each : view.viewport()->findChildren<QWidget*>())
        if (!before.contains(each) && each->parentWidget() == view.viewport())
            editor = each;
    return editor;
}
// Waits until the delegate has closed the editor, after the key has been handled.
inline void WaitClosed(QWidget* editor) {
    const QPointer<QWidget> open = editor;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !open || !open->isVisible(); }, 60000));
    QApplication::processEvents();
}

class ProjectWindowTest : public SeamTest {
protected:
    TProjectWindow* window = nullptr;
    FixtureDir dir;

    void SetUp() override {
        SeamTest::SetUp();
        QStandardPaths::setTestModeEnabled(true); // recent files away from the user's settings
        const QString beside = QCoreApplication::applicationDirPath();
        LoadConfiguration(beside, [](const QString&) { return true; });
        LoadPipeTable(beside);
        LoadSheetTable(beside);
        window = &ProjectWindowShown();
    }
    void TearDown() override {
        DestroyProjectWindow();
        QStandardPaths::setTestModeEnabled(false);
        SeamTest::TearDown();
    }

    TProjectModel& Model() { return window->Model(); }
    const Project& Doc() { return window->Model().Document(); }
    QString Path(const char* name) const { return dir.File(QLatin1String(name)); }
    QString Status(int row) {
        Model().WaitForResults();
        return Model().index(row, TProjectModel::StatusColumn()).data().toString();
    }
    QModelIndex ViewIndex(int row, LineField field) {
        return window->Proxy->mapFromSource(Model().index(row, static_cast<int>(field)));
    }
    // The editor opened on the cell by the view's edit(), as a double click opens it, or by
    // what open does.
    QWidget* OpenEditor(const QModelIndex& index, std::function<void()> open = {}) {
        QTableView* view = window->LinesView;
        view->setCurrentIndex(index);
        return EditorOpenedBy(
            *view, open ? open : [&] { view->edit(index); });
    }
    // Types into the cell's editor and presses Enter, as a user edits in place; a list's
    // item of that text is chosen as the user picks it.
    void Type(int row, LineField field, const QString& text) {
        QWidget* editor = OpenEditor(ViewIndex(row, field));
        ASSERT_NE(editor, nullptr);
        auto* box = qobject_cast<QComboBox*>(editor);
        QLineEdit* line = box ? box->lineEdit() : qobject_cast<QLineEdit*>(editor);
        if (box && box->findText(text) >= 0) {
            box->setCurrentIndex(box->findText(text));
        } else {
            ASSERT_NE(line, nullptr) << text.toStdString() << " is not in the list";
            line->selectAll();
            QTest::keyClicks(line, text);
        }
        QTest::keyClick(line ? static_cast<QWidget*>(line) : editor, Qt::Key_Return);
        WaitClosed(editor);
    }
    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        window->PasteAction->trigger();
    }
    // The next file dialogs pick these files (with the name filter, when given) in turn.
    void AnswerFiles(QStringList paths, int filter = -1) {
        seam.onDialog = [paths, filter](QDialog& d) mutable {
            auto* files = qobject_cast<QFileDialog*>(&d);
            if (!files || paths.isEmpty())
                return int(QDialog::Rejected);
            if (filter >= 0)
                files->selectNameFilter(files->nameFilters().value(filter));
            files->selectFile(paths.takeFirst());
            return int(QDialog::Accepted);
        };
    }
};

inline Line FoamPipe(float diameterMm, const QString& tag = {}, const QString& material = kFoam) {
    Line line;
    line.Tag = tag;
    line.DiameterMm = diameterMm;
    line.Material = material;
    return line;
}
// A row as a spreadsheet copies it, without a header: the input columns in their documented
// order, tab-separated, "," decimals.
inline QString SpreadsheetRow(const QString& tag, const QString& diameter, const QString& medium) {
    return tag + QStringLiteral("\tpipe\t") + diameter + QStringLiteral("\t12,5\t") + medium +
           QStringLiteral("\t20\t60\tindoors\thorizontal\t1\t1\t9\t\t0,93\t") + kFoam +
           QStringLiteral("\t0,036\t\t\tauto\n");
}
