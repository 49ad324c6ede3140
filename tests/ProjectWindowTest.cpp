// The project window's line list driven as a user drives it: cells typed in place and
// checked, undo and redo, lines added, moved and deleted, the clipboard both ways, and the
// thickness table's "Open in thickness table" and "Add to project".
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "app/Main.h"
#include "support/ProjectWindowFixture.h"
#include "table/TableInputs.h"
#include "table/ThicknessTableWindow.h"

namespace {
const QString kTwoRows = SpreadsheetRow("P-1", "60,3", "6") + SpreadsheetRow("P-2", "88.9", "80");
} // namespace

// Each edit is one step back and forth; the title shows "*" while there are unsaved changes.
TEST_F(ProjectWindowTest, EditsUndoAndRedoOneStepEach) {
    window->AddAction->trigger();
    ASSERT_EQ(Doc().Lines.size(), 1u);
    Type(0, LineField::Tag, "CHW-1");
    Type(0, LineField::MediumTemp, "7,5");
    Type(0, LineField::Kind, "wall");
    EXPECT_EQ(Doc().Lines[0].Tag, "CHW-1");
    EXPECT_EQ(Doc().Lines[0].MediumTemp, 7.5f);
    EXPECT_EQ(Doc().Lines[0].Kind, LineKind::Wall);
    EXPECT_TRUE(window->windowTitle().contains("Untitled*"));
    const std::vector<Project> states = [&] {
        std::vector<Project> s;
        for (int i = 0; i < 4; ++i) {
            s.push_back(Doc());
            window->UndoAction->trigger();
        }
        return s;
    }();
    EXPECT_TRUE(Doc().Lines.empty());
    EXPECT_FALSE(window->windowTitle().contains('*'));
    for (int i = 3; i >= 0; --i) {
        window->RedoAction->trigger();
        EXPECT_EQ(Doc(), states[static_cast<size_t>(i)]) << i;
    }
}

// A text that is no number changes nothing and says why; a number out of the table's
// bounds is kept, its cell marked and its refusal shown for the line.
TEST_F(ProjectWindowTest, RefusedCellsAreMarkedAndExplained) {
    Paste(kTwoRows);
    ASSERT_EQ(Doc().Lines.size(), 2u);
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
    EXPECT_TRUE(Model().data(humidity, Qt::BackgroundRole).isValid());
    window->LinesView->setCurrentIndex(ViewIndex(1, static_cast<int>(LineField::RelHumidity)));
    EXPECT_TRUE(window->Status->text().contains(Status(1))) << window->Status->text().toStdString();
    window->UndoAction->trigger();
    EXPECT_EQ(Status(1), "ok");
    EXPECT_FALSE(Model().data(humidity, Qt::BackgroundRole).isValid());
}

// Pasted spreadsheet rows become lines in one step; copied lines paste back as the same.
TEST_F(ProjectWindowTest, ClipboardBothWays) {
    Paste(kTwoRows);
    ASSERT_EQ(Doc().Lines.size(), 2u);
    EXPECT_EQ(Doc().Lines[0].DiameterMm, 60.3f);
    EXPECT_EQ(Doc().Lines[0].Extent, 12.5f);
    EXPECT_EQ(Doc().Lines[1].MediumTemp, 80.0f);
    window->UndoAction->trigger();
    EXPECT_TRUE(Doc().Lines.empty());
    window->RedoAction->trigger();
    Select({0, 1});
    window->CopyAction->trigger();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(FieldHeader(LineField::Tag) + '\t'));
    EXPECT_TRUE(copied.contains("\tok\t")) << copied.toStdString();
    window->PasteAction->trigger(); // after the selection: lines 3 and 4
    ASSERT_EQ(Doc().Lines.size(), 4u);
    EXPECT_EQ(Doc().Lines[2], Doc().Lines[0]);
    EXPECT_EQ(Doc().Lines[3], Doc().Lines[1]);
    // One cell's text goes into the current cell.
    window->LinesView->setCurrentIndex(ViewIndex(3, static_cast<int>(LineField::Tag)));
    Paste("CHW-9\n");
    EXPECT_EQ(Doc().Lines[3].Tag, "CHW-9");
    EXPECT_EQ(Doc().Lines[2].Tag, "P-1");
    EXPECT_EQ(Doc().Lines.size(), 4u);
}

// Rows that cannot be read are listed; the others are pasted.
TEST_F(ProjectWindowTest, PastedBadRowsAreListed) {
    Paste(SpreadsheetRow("A", "60", "6") + "B\ttank\n" + SpreadsheetRow("C", "x", "6"));
    ASSERT_EQ(Doc().Lines.size(), 1u);
    EXPECT_EQ(Doc().Lines[0].Tag, "A");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.messages[0].text.contains("Row 2: ")) << seam.Texts().join('|').toStdString();
    EXPECT_TRUE(seam.messages[0].text.contains("Row 3: "));
}

// Duplicate, move and delete several lines at once, each one undoable step; sorting and
// filtering change the view, never the document's order.
TEST_F(ProjectWindowTest, LinesDuplicatedMovedDeletedSortedAndFiltered) {
    Paste(SpreadsheetRow("A", "60", "6") + SpreadsheetRow("B", "30", "6") +
          SpreadsheetRow("C", "90", "6"));
    auto tags = [&] {
        QStringList t;
        for (const Line& l : Doc().Lines)
            t << l.Tag;
        return t.join(',');
    };
    Select({0, 1});
    window->DuplicateAction->trigger();
    EXPECT_EQ(tags(), "A,B,A,B,C");
    Select({4});
    window->UpAction->trigger();
    window->UpAction->trigger();
    EXPECT_EQ(tags(), "A,B,C,A,B");
    Select({0, 3});
    window->DeleteAction->trigger();
    EXPECT_EQ(tags(), "B,C,B");
    for (int step = 0; step < 4; ++step)
        window->UndoAction->trigger();
    EXPECT_EQ(tags(), "A,B,C");
    window->LinesView->sortByColumn(static_cast<int>(LineField::Diameter), Qt::DescendingOrder);
    EXPECT_EQ(window->Proxy->data(window->Proxy->index(0, 0)).toString(), "C");
    window->Filter->setText("b");
    window->FilterColumn->setCurrentIndex(1 + static_cast<int>(LineField::Tag));
    EXPECT_EQ(window->Proxy->rowCount(), 1);
    EXPECT_EQ(tags(), "A,B,C");
}

// The table's job becomes a line, and the line opens in the table with its values.
TEST_F(ProjectWindowTest, ThicknessTableAndProjectBothWays) {
    DestroyProjectWindow();
    auto* table = OpenThicknessTable(true);
    table->Inputs->Diameter->setText("76.1");
    table->Inputs->Medium->setText("-5");
    table->Inputs->Extent->setText("33");
    ASSERT_TRUE(table->AddToProjectButton->isEnabled());
    table->AddToProjectButton->click();
    QApplication::processEvents();
    table->close();
    window = CurrentProjectWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(Doc().Lines.size(), 1u);
    const Line& added = Doc().Lines[0];
    EXPECT_EQ(added.DiameterMm, 76.1f);
    EXPECT_EQ(added.MediumTemp, -5.0f);
    EXPECT_EQ(added.Extent, 33.0f);
    // The table's hours are the project's: no override of its own.
    EXPECT_FALSE(added.HoursPerYear.has_value());
    Type(0, LineField::Diameter, "114,3");
    Type(0, LineField::Installation, "outdoors");
    Type(0, LineField::WindSpeed, "4");
    window->LinesView->setCurrentIndex(ViewIndex(0, 0));
    window->TableAction->trigger();
    auto* opened = window->findChild<TThicknessTableWindow*>();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Inputs->Diameter->text(), "114.3");
    EXPECT_EQ(opened->Inputs->Medium->text(), "-5");
    EXPECT_EQ(opened->Inputs->CoefficientMode->currentText(), "computed outdoors");
    EXPECT_EQ(opened->Inputs->WindSpeed->text(), "4");
    EXPECT_EQ(opened->Inputs->ToLine().DiameterMm, 114.3f);
    opened->close();
}

// The main window's menu: "Project" right after "Sheets", nothing else moved.
TEST_F(ProjectWindowTest, ProjectMenuFollowsSheets) {
    Tfrm_Main main;
    main.SetSplashOnFirstShow(false);
    main.show();
    QStringList titles;
    for (QAction* action : main.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles.join(','), "Pipes,Sheets,Project,About,Help,Close");
    QMenu* project = main.findChild<QMenu*>("Menu_Project");
    ASSERT_NE(project, nullptr);
    QStringList items;
    for (QAction* action : project->actions())
        if (!action->text().isEmpty())
            items << action->text();
    EXPECT_EQ(items.join(','), "New,Open...,Open Recent,Save,Save As...,Import line list...,"
                               "Export...,Print...,Close project");
}

// The totals beside the lines follow the edits: a duct's length and a count of spheres.
TEST_F(ProjectWindowTest, TotalsCountDuctLengthAndSpheres) {
    window->AddAction->trigger();
    window->AddAction->trigger();
    Type(0, LineField::Kind, "duct");
    Type(0, LineField::Extent, "12,5");
    Type(1, LineField::Kind, "sphere");
    Type(1, LineField::Extent, "3");
    const auto total = [&](const QString& name) {
        const QAbstractItemModel* totals = window->TotalsView->model();
        for (int row = 0; row < totals->rowCount(); ++row)
            if (totals->index(row, 0).data().toString() == name)
                return totals->index(row, 1).data().toString();
        return QString();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return total("Spheres") == "3.00"; }, 60000));
    EXPECT_EQ(total("Duct length (m)"), "12.50");
    EXPECT_EQ(total("Spheres"), "3.00");
}
