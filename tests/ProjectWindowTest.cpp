// The project window's line list driven as a user drives it: cells typed in place and
// checked, undo and redo, lines added, moved and deleted, the clipboard both ways, the totals.
#include <QMenu>

#include "app/Main.h"
#include "support/ProjectWindowFixture.h"

namespace {
const QString kTwoRows = SpreadsheetRow("P-1", "60,3", "6") + SpreadsheetRow("P-2", "88.9", "80");

QString Tags(const Project& p) {
    QStringList tags;
    for (const Line& l : p.Lines)
        tags << l.Tag;
    return tags.join(',');
}
} // namespace

// Each edit is one step back and forth; the title shows "*" while there are unsaved changes;
// the totals follow the edits: a duct's length and a count of spheres.
TEST_F(ProjectWindowTest, EditsUndoRedoAndTotalsFollow) {
    window->AddAction->trigger();
    window->AddAction->trigger();
    Type(0, LineField::Tag, "CHW-1");
    Type(0, LineField::MediumTemp, "7,5");
    Type(0, LineField::Kind, "duct");
    Type(0, LineField::Extent, "12,5");
    Type(1, LineField::Kind, "sphere");
    Type(1, LineField::Extent, "3");
    EXPECT_EQ(Doc().Lines[0].Tag, "CHW-1");
    EXPECT_EQ(Doc().Lines[0].MediumTemp, 7.5f);
    EXPECT_EQ(Doc().Lines[0].Kind, LineKind::Duct);
    EXPECT_TRUE(window->windowTitle().contains("Untitled*"));
    const auto total = [&](const QString& name) {
        const QAbstractItemModel* totals = window->TotalsView->model();
        for (int row = 0; row < totals->rowCount(); ++row)
            if (totals->index(row, 0).data().toString() == name)
                return totals->index(row, 1).data().toString();
        return QString();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return total("Spheres") == "3.00"; }, 60000));
    EXPECT_EQ(total("Duct length (m)"), "12.50");
    std::vector<Project> states;
    for (int i = 0; i < 8; ++i, window->UndoAction->trigger())
        states.push_back(Doc());
    EXPECT_TRUE(Doc().Lines.empty());
    EXPECT_FALSE(window->windowTitle().contains('*'));
    for (int i = 7; i >= 0; --i) {
        window->RedoAction->trigger();
        EXPECT_EQ(Doc(), states[static_cast<size_t>(i)]) << i;
    }
}

// A text that is no number changes nothing and says why; a number out of the table's
// bounds is kept, its cell marked and its refusal shown for the line.
TEST_F(ProjectWindowTest, RefusedCellsAreMarkedAndExplained) {
    Paste(kTwoRows);
    const Project before = Doc();
    const int steps = window->Undo().count();
    Type(1, LineField::Diameter, "abc");
    EXPECT_EQ(Doc(), before);
    EXPECT_EQ(window->Undo().count(), steps);
    EXPECT_TRUE(window->Status->text().contains("abc")) << window->Status->text().toStdString();
    Type(1, LineField::RelHumidity, "150");
    EXPECT_EQ(Doc().Lines[1].RelHumidity, 150.0f);
    EXPECT_NE(Status(1), "ok");
    EXPECT_EQ(Status(0), "ok");
    const QModelIndex humidity = Model().index(1, static_cast<int>(LineField::RelHumidity));
    EXPECT_TRUE(humidity.data(Qt::BackgroundRole).isValid());
    window->LinesView->setCurrentIndex(ViewIndex(1, LineField::RelHumidity));
    EXPECT_TRUE(window->Status->text().contains(Status(1))) << window->Status->text().toStdString();
    window->UndoAction->trigger();
    EXPECT_EQ(Status(1), "ok");
    EXPECT_FALSE(humidity.data(Qt::BackgroundRole).isValid());
}

// Pasted spreadsheet rows become lines in one step, rows that cannot be read are listed;
// copied lines paste back as the same; one cell's text goes into the current cell.
TEST_F(ProjectWindowTest, ClipboardBothWays) {
    Paste(SpreadsheetRow("A", "60", "6") + "B\ttank\n" + SpreadsheetRow("C", "x", "6"));
    EXPECT_EQ(Tags(Doc()), "A");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.messages[0].text.contains("Row 2: ")) << seam.Texts().join('|').toStdString();
    EXPECT_TRUE(seam.messages[0].text.contains("Row 3: "));
    window->UndoAction->trigger();
    Paste(kTwoRows);
    ASSERT_EQ(Doc().Lines.size(), 2u);
    EXPECT_EQ(Doc().Lines[0].DiameterMm, 60.3f);
    EXPECT_EQ(Doc().Lines[0].Extent, 12.5f);
    EXPECT_EQ(Doc().Lines[1].MediumTemp, 80.0f);
    window->UndoAction->trigger();
    EXPECT_TRUE(Doc().Lines.empty());
    window->RedoAction->trigger();
    window->SelectRows({0, 1});
    window->CopyAction->trigger();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(FieldHeader(LineField::Tag) + '\t'));
    EXPECT_TRUE(copied.contains("\tok\t")) << copied.toStdString();
    window->PasteAction->trigger(); // after the selection: lines 3 and 4
    ASSERT_EQ(Doc().Lines.size(), 4u);
    EXPECT_EQ(Doc().Lines[2], Doc().Lines[0]);
    EXPECT_EQ(Doc().Lines[3], Doc().Lines[1]);
    window->LinesView->setCurrentIndex(ViewIndex(3, LineField::Tag));
    Paste("CHW-9\n");
    EXPECT_EQ(Tags(Doc()), "P-1,P-2,P-1,CHW-9");
}

// Duplicate, move and delete several lines at once, each one undoable step; sorting and
// filtering change the view, never the document's order.
TEST_F(ProjectWindowTest, LinesDuplicatedMovedDeletedSortedAndFiltered) {
    Paste(SpreadsheetRow("A", "60", "6") + SpreadsheetRow("B", "30", "6") +
          SpreadsheetRow("C", "90", "6"));
    window->SelectRows({0, 1});
    window->DuplicateAction->trigger();
    EXPECT_EQ(Tags(Doc()), "A,B,A,B,C");
    window->SelectRows({4});
    window->UpAction->trigger();
    window->UpAction->trigger();
    EXPECT_EQ(Tags(Doc()), "A,B,C,A,B");
    window->SelectRows({0, 3});
    window->DeleteAction->trigger();
    EXPECT_EQ(Tags(Doc()), "B,C,B");
    for (int step = 0; step < 4; ++step)
        window->UndoAction->trigger();
    EXPECT_EQ(Tags(Doc()), "A,B,C");
    window->LinesView->sortByColumn(static_cast<int>(LineField::Diameter), Qt::DescendingOrder);
    EXPECT_EQ(window->Proxy->index(0, 0).data().toString(), "C");
    window->Filter->setText("b");
    window->FilterColumn->setCurrentIndex(1 + static_cast<int>(LineField::Tag));
    EXPECT_EQ(window->Proxy->rowCount(), 1);
    EXPECT_EQ(Tags(Doc()), "A,B,C");
}

// The "Project" menu's entries (the main window's own tests place the menu).
TEST_F(ProjectWindowTest, ProjectMenuListsItsEntries) {
    Tfrm_Main main;
    main.SetSplashOnFirstShow(false);
    main.show();
    QMenu* project = main.findChild<QMenu*>("Menu_Project");
    ASSERT_NE(project, nullptr);
    QStringList captions;
    for (QAction* action : project->actions())
        if (!action->text().isEmpty())
            captions << action->text();
    EXPECT_EQ(captions.join(','), "New,Open...,Open Recent,Save,Save As...,"
                                  "Import line list...,Export...,Print...,Close project");
}
