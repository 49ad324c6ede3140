// The thickness table window's files and refusals: CSV cells a spreadsheet cannot run, files
// whole or not at all, whole pasted lists, and no output while an input is refused.
#include <QClipboard>
#include <QDir>
#include <sys/stat.h>

#include "support/FileSizeLimit.h"
#include "support/TableWindowFixture.h"

namespace {
class ThicknessTableFilesTest : public TableWindowTest {
protected:
    void Prefill(TWorkingValues& wv) override { wv.TubeDiameter = 0.0483f, wv.MediumTemp = -20; }
    QString Last() const { return seam.messages.empty() ? QString() : seam.messages.back().text; }
    bool Output() const {
        return window->ExportButton->isEnabled() && window->PrintButton->isEnabled() &&
               window->PdfButton->isEnabled();
    }
};

// Product names of an edited data file that a spreadsheet would run get an apostrophe; every
// other cell, negative numbers included, is what the window shows.
TEST_F(ThicknessTableFilesTest, CsvCellsNeverRunAsFormulas) {
    QByteArray table = Contents(QCoreApplication::applicationDirPath() + "/tt_p.txt");
    table.replace("VELTRA AF-06-048", "=HYPERLINK(\"http://x\")")
        .replace("VELTRA AF-09-048", "@A1");
    ASSERT_TRUE(SafeFile::Write(dir.filePath("tt_p.txt"), table).ok);
    LoadPipeTable(dir.path());
    Open(true);
    Type(window->Inputs->Thicknesses, "6 9 13");
    window->DecimalComma->click(); // ";" between cells, none inside them
    const QByteArray csv = Contents(SaveAs(window->ExportButton, "t.csv"));
    const QList<QByteArray> lines = csv.trimmed().split('\n');
    const M& m = window->ThicknessModel();
    ASSERT_EQ(lines.size(), m.rowCount() + 1);
    for (int r = 0; r < m.rowCount(); ++r) { // every other cell as the window shows it
        const QStringList cells = QString(lines[r + 1]).split(u';');
        for (int c = 0; c < m.columnCount(); ++c)
            EXPECT_TRUE(c == M::kProduct || cells[c] == Cell(r, c).replace(u'.', u',')) << r << c;
    }
    EXPECT_EQ(lines[2].split(';')[M::kProduct], "\"'=HYPERLINK(\"\"http://x\"\") / 6 x 48.3 mm\"");
    EXPECT_EQ(lines[3].split(';')[M::kProduct], "'@A1 / 9 x 48.3 mm");
    EXPECT_EQ(csv.count('\''), 2);
    EXPECT_TRUE(lines[1].contains(";-")); // a surface below zero stays a number
}

// Targets that cannot take the file, also for root: the reason is told, a file already there
// survives a write that fails half-way (a size limit stands in for a full disk), no leftovers.
TEST_F(ThicknessTableFilesTest, FilesAreWholeOrToldWhy) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.out"));
    ASSERT_EQ(mkfifo(dir.filePath("pipe.out").toLocal8Bit().constData(), 0600), 0);
    const QString old = dir.filePath("old.out");
    ASSERT_TRUE(SafeFile::Write(old, "old").ok);
    const std::pair<QString, QString> cases[] = {
        {"folder.out", "a folder of that name is in the way"},
        {"no/t.out", "the folder does not exist"},
        {"old.out/t.out", "the folder does not exist"},
        {QString(300, u'n') + ".out", "the file name is too long"},
        {"pipe.out", "it is not a regular file"}};
    for (QPushButton* button : {window->ExportButton, window->PdfButton, window->PrintButton}) {
        for (const auto& [name, reason] : cases) {
            SaveAs(button, name, MessageReply::Yes);
            EXPECT_EQ(Last(), "Could not write " + dir.filePath(name) + ": " + reason + ".");
        }
        FileSizeLimit full(200);
        SaveAs(button, "old.out", MessageReply::Yes);
        EXPECT_EQ(Contents(old), "old");
        EXPECT_TRUE(Last().startsWith("Could not write " + old + ": "));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
              (QStringList{"folder.out", "old.out", "pipe.out"}));
    // A link to a file that is gone is asked about as an existing file; "No" goes back to
    // the save dialog, "Yes" writes through the link.
    ASSERT_TRUE(QFile::link(dir.filePath("gone.pdf"), dir.filePath("link.pdf")));
    seam.messages.clear();
    SaveAs(window->PdfButton, "link.pdf", MessageReply::No);
    EXPECT_EQ(seam.Texts(), QStringList{"link.pdf already exists.\nDo you want to replace it?"});
    EXPECT_EQ(dialogs, 2);
    SaveAs(window->PdfButton, "link.pdf", MessageReply::Yes);
    EXPECT_TRUE(Contents(dir.filePath("gone.pdf")).trimmed().endsWith("%%EOF"));
}

// A pasted list is taken whole: cut at 32,767 characters, "25.5" became a row of 25 mm.
// Refused inputs mark their field, and nothing can be exported, printed or saved.
TEST_F(ThicknessTableFilesTest, WholeListsRefusalsAndDuplicates) {
    QApplication::clipboard()->setText("10" + QString(32763, u' ') + "25.5 10.0 10");
    window->Inputs->Thicknesses->selectAll();
    QTest::keyClick(window->Inputs->Thicknesses, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->ThicknessModel().rowCount(), 3); // bare, 10 and 25.5 once each
    EXPECT_EQ(Cell(2, 0), "25.5");
    window->Inputs->CoefficientMode->setCurrentIndex(2); // computed outdoors
    QString many;
    for (int i = 1; i <= 201; ++i)
        many += QString::number(i) + u' ';
    for (const auto& [field, text, told] :
         {std::tuple{window->Inputs->WindSpeed, QString("0"), kMakeSenseText},
          {window->Inputs->WindSpeed, "-1", kMakeSenseText},
          {window->Inputs->Thicknesses, many, "Please list at most 200 values."}}) {
        const QString before = field->text();
        field->setText(text);
        EXPECT_EQ(window->Status->text(), told);
        EXPECT_TRUE(field->property("refused").toBool() && !Output());
        field->setText(before);
        EXPECT_TRUE(Output());
    }
}
} // namespace
