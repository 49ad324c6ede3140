// The project window's files through its menu and dialogs.
#include <QFileInfo>

#include "support/PdfWords.h"
#include "support/ProjectWindowFixture.h"

namespace {
QString Rows(int count) {
    QString text;
    for (int i = 1; i <= count; ++i)
        text += SpreadsheetRow(QStringLiteral("L-%1").arg(i, 3, 10, QChar('0')),
                               QString::number(20 + i % 150), QString::number(i % 120 - 20));
    return text;
}
} // namespace

// Saved, reopened and saved again: the same bytes, and no "*" once saved.
TEST_F(ProjectWindowTest, SaveAndReopenGiveTheSameBytes) {
    Paste(Rows(5));
    window->Head->Name->setText("Plant \"room\" 2");
    emit window->Head->Name->editingFinished();
    AnswerFiles({Path("a.termora")});
    ASSERT_TRUE(window->SaveAs());
    EXPECT_TRUE(window->windowTitle().startsWith("a.termora"));
    EXPECT_FALSE(window->windowTitle().contains('*'));
    const Project saved = Doc();
    window->NewProject();
    EXPECT_TRUE(Doc().Lines.empty());
    AnswerFiles({Path("a.termora")});
    window->OpenDialog();
    EXPECT_EQ(Doc(), saved);
    EXPECT_EQ(Doc().Title.ProjectName, "Plant \"room\" 2");
    AnswerFiles({Path("b.termora")});
    ASSERT_TRUE(window->SaveAs());
    EXPECT_EQ(Bytes(Path("a.termora")), Bytes(Path("b.termora")));
    EXPECT_EQ(RecentProjects().value(0), QFileInfo(Path("b.termora")).absoluteFilePath());
}

// A damaged file, another format and a newer version: refused with their reason, the open
// project and its unsaved changes kept, the file untouched.
TEST_F(ProjectWindowTest, RefusedFilesChangeNothing) {
    const std::pair<QByteArray, const char*> files[] = {
        {"{\n  \"format\": \"termora-project\",\n  \"version\": 1,\n  \"lines\": [ {\"tag\": }\n",
         "line 4"},
        {"{\"format\": \"spreadsheet\", \"version\": 1, \"lines\": []}\n", "format"},
        {"{\"format\": \"termora-project\", \"version\": 4, \"lines\": []}\n", "version"},
    };
    Paste(Rows(3));
    const Project before = Doc();
    for (const auto& [bytes, reason] : files) {
        dir.Write("bad.termora", bytes);
        seam.messages.clear();
        seam.answers = {MessageReply::No}; // drop the changes: the file then fails
        AnswerFiles({Path("bad.termora")});
        window->OpenDialog();
        EXPECT_EQ(Doc(), before) << reason;
        EXPECT_TRUE(window->Modified()) << reason;
        EXPECT_EQ(Bytes(Path("bad.termora")), bytes) << reason;
        ASSERT_EQ(seam.messages.size(), 2u) << reason;
        EXPECT_EQ(seam.messages[0].kind, MessageKind::SaveQuestion);
        EXPECT_EQ(seam.messages[1].kind, MessageKind::Error);
        EXPECT_TRUE(seam.messages[1].text.contains(reason, Qt::CaseInsensitive))
            << seam.messages[1].text.toStdString();
    }
}

// New, Open and closing ask about unsaved changes: Cancel keeps everything, Yes saves.
TEST_F(ProjectWindowTest, UnsavedChangesAreAskedAbout) {
    Paste(Rows(2));
    window->NewProject(); // no answer: Cancel
    EXPECT_EQ(Doc().Lines.size(), 2u);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(CurrentProjectWindow(), window);
    EXPECT_FALSE(MayQuitWithProject());
    seam.answers = {MessageReply::Yes};
    AnswerFiles({Path("kept.termora")});
    window->NewProject();
    EXPECT_TRUE(Doc().Lines.empty());
    EXPECT_FALSE(window->Modified());
    ASSERT_TRUE(window->OpenFile(Path("kept.termora")));
    EXPECT_EQ(Doc().Lines.size(), 2u);
    EXPECT_TRUE(MayQuitWithProject()); // nothing unsaved: no question
    EXPECT_EQ(seam.messages.size(), 4u);
}

// The lines exported with their results and imported into a new project: the same lines; a
// list with bad rows adds the good ones at the end in one step and lists the others. The bill
// of materials and the schedule (printed whole by the schedule's own tests) are exported too.
TEST_F(ProjectWindowTest, ExportThenImportGivesTheSameLinesAndListsBadRows) {
    Paste(Rows(12));
    Type(3, LineField::Tag, "tab\tand \"quote\", comma");
    Type(4, LineField::MaxHeatFlow, "12,5");
    Type(5, LineField::Kind, "wall");
    const Project before = Doc();
    AnswerFiles({Path("lines.csv")}, 0);
    window->ExportDialog();
    AnswerFiles({Path("bom.csv")}, 1);
    window->ExportDialog();
    EXPECT_TRUE(Bytes(Path("bom.csv")).contains("Product,"))
        << Bytes(Path("bom.csv")).left(200).toStdString();
    AnswerFiles({Path("schedule.pdf")}, 2);
    window->ExportDialog();
    int pages = 0;
    QStringList printed;
    for (const Word& w : WordsOf(Path("schedule.pdf"), &pages))
        printed << w.text;
    EXPECT_TRUE(printed.contains("L-012") && printed.contains("Page")) << printed.size();
    seam.answers = {MessageReply::No};
    window->NewProject();
    AnswerFiles({Path("lines.csv")});
    window->ImportDialog();
    EXPECT_EQ(Doc().Lines, before.Lines);
    EXPECT_TRUE(seam.Texts().filter("Row").isEmpty()) << seam.Texts().join('|').toStdString();
    dir.Write("list.csv", "Tag;Kind;Outside diameter [mm];length or area [m];Medium temperature\n"
                          "A;pipe;60,3;10;6\nB;tank;60,3;10;6\nC;pipe;x;10;6\nD;wall;;5,5;80\n");
    AnswerFiles({Path("list.csv")});
    window->ImportDialog();
    ASSERT_EQ(Doc().Lines.size(), 14u);
    EXPECT_EQ(std::tuple(Doc().Lines[12].Tag, Doc().Lines[12].DiameterMm), std::tuple("A", 60.3f));
    EXPECT_EQ(std::tuple(Doc().Lines[13].Kind, Doc().Lines[13].Extent),
              std::tuple(LineKind::Wall, 5.5f));
    const QString listed = seam.messages.back().text;
    EXPECT_TRUE(listed.contains("Row 3: ") && listed.contains("Row 4: ") &&
                !listed.contains("Row 2: "))
        << listed.toStdString();
    window->UndoAction->trigger();
    EXPECT_EQ(Doc().Lines, before.Lines);
}
