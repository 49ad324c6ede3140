// The thickness table window's files and refusals, driven as a user would: a CSV a
// spreadsheet cannot run, files written whole or not at all, the overwrite question, whole
// pasted lists, and no output while an input is refused.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingSeam.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// The cells of one CSV line with "," between them, quotes undone.
QStringList CsvCells(const QString& line) {
    QStringList cells{QString()};
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"')
            cells.last() += line[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            cells << QString();
        else
            cells.last() += c;
    }
    return cells;
}

class ThicknessTableFilesTest : public SeamTest {
protected:
    std::unique_ptr<TThicknessTableWindow> window;
    QTemporaryDir dir;
    int dialogs = 0; // save dialogs run

    void SetUp() override {
        SeamTest::SetUp();
        const QString beside = QCoreApplication::applicationDirPath();
        LoadConfiguration(beside, [](const QString&) { return true; });
        LoadPipeTable(beside);
        TWorkingValues& wv = Shared().WorkingValues;
        wv.AmbientTemp = 20, wv.MediumTemp = 80, wv.TubeDiameter = 0.0483f, wv.MaterialIndex = 0;
        Open();
    }
    void TearDown() override {
        window.reset();
        SeamTest::TearDown();
    }
    void Open() { window = std::make_unique<TThicknessTableWindow>(true); }

    static void Type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // Clicks the button; its save dialog picks path up to `times` times, then is cancelled.
    void Save(QPushButton* button, const QString& path, int times = 1) {
        dialogs = 0;
        seam.onDialog = [this, path, times](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(path);
            return int(++dialogs <= times ? QDialog::Accepted : QDialog::Rejected);
        };
        button->click();
        QApplication::processEvents(); // the dialog runs after the click has been handled
    }
    bool OutputEnabled() const {
        return window->ExportButton->isEnabled() && window->PrintButton->isEnabled() &&
               window->PdfButton->isEnabled();
    }
    bool OutputDisabled() const {
        return !window->ExportButton->isEnabled() && !window->PrintButton->isEnabled() &&
               !window->PdfButton->isEnabled();
    }
    QStringList Rows() const {
        const TThicknessModel& m = window->ThicknessModel();
        QStringList rows;
        for (int r = 0; r < m.rowCount(); ++r)
            rows << m.data(m.index(r, 0), Qt::DisplayRole).toString();
        return rows;
    }
};

// Product names from an edited data file that a spreadsheet would run: escaped; every
// other cell, negative numbers included, exactly as the window shows it.
TEST_F(ThicknessTableFilesTest, CsvCellsNeverRunAsFormulas) {
    QString table =
        QString::fromUtf8(Contents(QCoreApplication::applicationDirPath() + "/tt_p.txt"));
    table.replace("VELTRA AF-06-048 / 6 x 48.3 mm", "=HYPERLINK(\"http://x.example\",\"Foam\")");
    table.replace("VELTRA AF-09-048 / 9 x 48.3 mm", "@SUM(A1)");
    table.replace("VELTRA AF-13-048 / 13 x 48.3 mm", "+cmd|' /C calc'!A0");
    QFile edited(dir.filePath("tt_p.txt"));
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
    edited.write(table.toUtf8());
    edited.close();
    LoadPipeTable(dir.path());
    Shared().WorkingValues.MediumTemp = -20; // surfaces below zero
    Open();
    Type(window->Inputs->Humidity, "30");
    Type(window->Inputs->Thicknesses, "6 9 13 19");
    Save(window->ExportButton, dir.filePath("t.csv"));
    const QStringList lines =
        QString::fromUtf8(Contents(dir.filePath("t.csv"))).split(u'\n', Qt::SkipEmptyParts);
    const TThicknessModel& m = window->ThicknessModel();
    ASSERT_EQ(lines.size(), m.rowCount() + 1);
    int escaped = 0, negative = 0;
    for (int r = 0; r < m.rowCount(); ++r) {
        const QStringList cells = CsvCells(lines[r + 1]);
        ASSERT_EQ(cells.size(), m.columnCount());
        for (int c = 0; c < m.columnCount(); ++c) {
            const QString shown = m.data(m.index(r, c), Qt::DisplayRole).toString();
            bool number = false;
            shown.toDouble(&number);
            const bool formula = !number && !shown.isEmpty() && QString("=+-@").contains(shown[0]);
            EXPECT_EQ(cells[c], formula ? u'\'' + shown : shown) << r << "," << c;
            escaped += formula && shown.size() > 3;
            negative += number && shown.startsWith(u'-');
        }
    }
    EXPECT_GE(escaped, 3);
    EXPECT_GT(negative, 0);
}

// Targets that cannot take the file: the reason is told, nothing else changes.
TEST_F(ThicknessTableFilesTest, FailedSavesSayWhyAndLeaveNoFile) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pdf"));
    const struct {
        QString path;
        const char* reason;
    } cases[] = {{dir.filePath("folder.pdf"), "a folder of that name is in the way"},
                 {dir.filePath("missing/t.pdf"), "the folder does not exist"},
                 {dir.filePath(QString(300, u'x') + ".pdf"), "the file name is too long"}};
    for (QPushButton* button : {window->ExportButton, window->PdfButton}) {
        for (const auto& c : cases) {
            seam.messages.clear();
            Save(button, c.path);
            ASSERT_EQ(seam.messages.size(), 1u) << c.path.toStdString();
            EXPECT_EQ(seam.messages[0].kind, MessageKind::Error);
            EXPECT_EQ(seam.messages[0].text, "Could not write " + c.path + ": " + c.reason + ".");
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"folder.pdf"});
}

// A write that fails half-way (the process's file size limit stands in for a full disk)
// keeps the file that was there and says so; before, a cut-off file was left in silence.
TEST_F(ThicknessTableFilesTest, AFullDiskKeepsTheOldFile) {
    for (const auto& [button, name] :
         {std::pair{window->ExportButton, "t.csv"}, std::pair{window->PdfButton, "t.pdf"}}) {
        const QString path = dir.filePath(name);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        seam.messages.clear();
        seam.answers = {MessageReply::Yes}; // replace it
        {
            FileSizeLimit full(200);
            ASSERT_TRUE(full.Active());
            Save(button, path);
        }
        EXPECT_EQ(Contents(path), "old") << name;
        ASSERT_EQ(seam.messages.size(), 2u) << name; // the question, then the failure
        EXPECT_TRUE(seam.messages[1].text.startsWith("Could not write ")) << name;
        EXPECT_EQ(seam.messages[1].kind, MessageKind::Error);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"t.csv", "t.pdf"}));
}

// A link to a file that is gone is asked about as an existing file; "No" goes back to the
// save dialog, "Yes" writes through the link.
TEST_F(ThicknessTableFilesTest, ADanglingLinkGetsTheOverwriteQuestion) {
    const QString link = dir.filePath("link.csv");
    ASSERT_TRUE(QFile::link(dir.filePath("gone.csv"), link));
    Save(window->ExportButton, link); // "No" (no answer given), then cancelled
    ASSERT_EQ(seam.Texts(), QStringList{"link.csv already exists.\nDo you want to replace it?"});
    EXPECT_EQ(seam.messages[0].title, "Export CSV");
    EXPECT_EQ(dialogs, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("gone.csv")));
    seam.messages.clear();
    seam.answers = {MessageReply::Yes};
    Save(window->ExportButton, link);
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(Contents(dir.filePath("gone.csv")).startsWith("Thickness (mm),"));
    // A new name is saved without a question.
    seam.messages.clear();
    Save(window->PdfButton, dir.filePath("new.pdf"));
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_TRUE(Contents(dir.filePath("new.pdf")).startsWith("%PDF"));
}

// The print dialog's "Print to File" goes through the safe write too.
TEST_F(ThicknessTableFilesTest, PrintToAPdfFileIsWrittenWholeOrTold) {
    for (const QString& path : {dir.filePath("printed.pdf"), dir.filePath("no/printed.pdf")}) {
        seam.messages.clear();
        seam.onDialog = [path](QDialog& d) {
            auto& preview = static_cast<QPrintPreviewDialog&>(d);
            QPrinter* printer = preview.printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            emit preview.paintRequested(printer);
            return int(QDialog::Accepted);
        };
        window->PrintButton->click();
        QApplication::processEvents();
        const bool writable = !path.contains("/no/");
        EXPECT_EQ(Contents(path).trimmed().endsWith("%%EOF"), writable);
        EXPECT_EQ(seam.Texts(), writable ? QStringList()
                                         : QStringList{"Could not write " + path +
                                                       ": the folder does not exist."});
    }
}

// A pasted list longer than a line field's default 32,767 characters is taken whole: cut
// there, "25.5" would have become a row of 25 mm nobody typed.
TEST_F(ThicknessTableFilesTest, APastedLongListIsTakenWhole) {
    const QString list = "10" + QString(32763, u' ') + "25.5";
    QApplication::clipboard()->setText(list);
    QLineEdit* field = window->Inputs->Thicknesses;
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text().size(), list.size());
    EXPECT_EQ(Rows().mid(1), (QStringList{"10.0", "25.5"}));
    window->Tabs->setCurrentIndex(1);
    window->Inputs->Diameters->selectAll();
    QApplication::clipboard()->setText("21.3" + QString(32760, u';') + "168.3");
    QTest::keyClick(window->Inputs->Diameters, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->PipeSizeModel().rowCount(), 2);
}

// Refused inputs: the field is marked, the status line says why, nothing can be exported,
// printed or saved; accepted again, all comes back. Duplicates are listed once.
TEST_F(ThicknessTableFilesTest, RefusedInputsDisableTheOutput) {
    EXPECT_TRUE(OutputEnabled());
    window->Inputs->CoefficientMode->setCurrentIndex(2); // computed outdoors
    QLineEdit* wind = window->Inputs->WindSpeed;
    QString many;
    for (int i = 1; i <= 201; ++i)
        many += QString::number(i) + u' ';
    const struct {
        QLineEdit* field;
        QString text;
        QString told;
    } cases[] = {{wind, "0", "Please enter values that make sense!"},
                 {wind, "-1", "Please enter values that make sense!"},
                 {wind, "10.5", "Please enter values that make sense!"},
                 {window->Inputs->Thicknesses, many, "Please list at most 200 values."},
                 {window->Inputs->Ambient, "2x", "'2x' is not a valid floating point value"}};
    for (const auto& c : cases) {
        const QString before = c.field->text();
        Type(c.field, c.text);
        EXPECT_EQ(window->Status->text(), c.told) << c.text.toStdString();
        EXPECT_TRUE(c.field->property("refused").toBool());
        EXPECT_TRUE(OutputDisabled());
        EXPECT_EQ(window->ThicknessModel().rowCount(), 0);
        Type(c.field, before);
        EXPECT_TRUE(OutputEnabled()) << c.text.toStdString();
        EXPECT_FALSE(c.field->property("refused").toBool());
    }
    Type(wind, "0.1");
    EXPECT_TRUE(OutputEnabled());
    Type(window->Inputs->Thicknesses, "20 10; 20.0 10 30 10");
    EXPECT_EQ(Rows().mid(1), (QStringList{"20.0", "10.0", "30.0"}));
    EXPECT_TRUE(seam.messages.empty()); // the status line, never a box while typing
}

} // namespace
