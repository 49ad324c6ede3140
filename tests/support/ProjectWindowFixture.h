#pragma once
// The project window opened as the "Project" menu opens it, with the shipped data, and driven
// as a user drives it: cells typed into, actions triggered, file dialogs answered.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "project/LineFields.h"
#include "projectwin/ProjectHead.h"
#include "projectwin/ProjectModel.h"
#include "projectwin/ProjectSession.h"
#include "projectwin/ProjectWindow.h"
#include "support/FixtureFiles.h"
#include "support/RecordingSeam.h"

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
    QModelIndex ViewIndex(int row, int column) {
        return window->Proxy->mapFromSource(Model().index(row, column));
    }
    // Types into the cell's editor and presses Enter, as a user edits in place.
    void Type(int row, LineField field, const QString& text) {
        const QModelIndex index = ViewIndex(row, static_cast<int>(field));
        window->LinesView->setCurrentIndex(index);
        // The editors of earlier edits may wait to be deleted: the new one is the editor.
        const auto before = window->LinesView->viewport()->findChildren<QLineEdit*>();
        window->LinesView->edit(index);
        QLineEdit* editor = nullptr;
        for (QLineEdit* each : window->LinesView->viewport()->findChildren<QLineEdit*>())
            editor = before.contains(each) ? editor : each;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the text and closes its editor after the key has been handled.
        const QPointer<QLineEdit> typed = editor;
        EXPECT_TRUE(QTest::qWaitFor([&] { return !typed || !typed->isVisible(); }, 60000));
        QApplication::processEvents();
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
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
};

// A row as a spreadsheet copies it, without a header: the input columns in their documented
// order, tab-separated, "," decimals.
inline QString SpreadsheetRow(const QString& tag, const QString& diameter, const QString& medium) {
    return tag + QStringLiteral("\tpipe\t") + diameter + QStringLiteral("\t12,5\t") + medium +
           QStringLiteral("\t20\t60\tindoors\thorizontal\t1\t1\t9\t\t0,93\t"
                          "VELTRA AF elastomeric foam\t0,036\t\t\tauto\n");
}
