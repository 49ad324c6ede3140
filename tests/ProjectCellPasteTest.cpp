// A block of cells pasted onto a selected range: the lines take the cells in one undo step, a
// line refusing a cell keeps all of its own and is named; whole lines still become new lines.
#include "support/ProjectWindowFixture.h"

class ProjectCellPasteTest : public ProjectWindowTest {
protected:
    void PasteOnto(int first, int last, LineField from, LineField to, const QString& text) {
        const QItemSelection range(window->Proxy->index(first, static_cast<int>(from)),
                                   window->Proxy->index(last, static_cast<int>(to)));
        window->LinesView->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
        Paste(text);
    }
    // The cells from..to of each line, "|" between cells, "," between lines.
    QString Cells(LineField from, LineField to) {
        QStringList lines;
        for (const Line& line : Doc().Lines) {
            QStringList cells;
            for (int f = static_cast<int>(from); f <= static_cast<int>(to); ++f)
                cells << FieldText(line, static_cast<LineField>(f));
            lines << cells.join('|');
        }
        return lines.join(',');
    }
};

TEST_F(ProjectCellPasteTest, BlockSetsTheSelectedCells) {
    const Project start{
        {}, {}, {FoamPipe(60.3f, "A"), FoamPipe(88.9f, "B"), FoamPipe(114.3f, "C")}};
    const struct {
        int first, last; // view rows selected in the columns Diameter and Extent
        QString pasted;
        QString cells;  // Diameter|Extent of each line afterwards
        QString status; // its start, "" for no refusal
    } cases[] = {
        {0, 2, "42,4\t2\n48.3\t3\r\n76.1\t4\n", "42.4|2,48.3|3,76.1|4", ""},
        {0, 2, "33.7\t5", "33.7|5,33.7|5,33.7|5", ""},
        {1, 2, "21.3", "60.3|1,21.3|21.3,21.3|21.3", ""},
        {0, 2, "42.4\t2\n48.3\tabc\n76.1\t4", "42.4|2,88.9|1,76.1|4",
         "Not pasted: Line 2: Length or area: 'abc'"},
        {0, 2, "42.4\t2\n48.3\t3", "60.3|1,88.9|1,114.3|1",
         "The 2 × 2 cells pasted do not fit the 3 × 2 cells selected"},
        {0, 1, "42.4\t2\t7", "60.3|1,88.9|1,114.3|1",
         "The 1 × 3 cells pasted do not fit the 2 × 2 cells selected"},
    };
    for (const auto& c : cases) {
        Model().SetProject(start);
        const int steps = window->Undo().index();
        PasteOnto(c.first, c.last, LineField::Diameter, LineField::Extent, c.pasted);
        EXPECT_EQ(Cells(LineField::Diameter, LineField::Extent), c.cells) << c.cells.toStdString();
        EXPECT_EQ(window->Undo().index(), steps + (Doc() != start ? 1 : 0))
            << c.cells.toStdString();
        EXPECT_EQ(window->Status->text().startsWith(c.status.isEmpty() ? "Not" : c.status),
                  !c.status.isEmpty())
            << window->Status->text().toStdString();
        Model().WaitForResults();
        for (size_t i = 0; i < Doc().Lines.size(); ++i)
            EXPECT_EQ(Model().Results()[i], ComputeLine(Doc().Lines[i], {}, Model().Data()));
        if (Doc() != start)
            window->UndoAction->trigger();
        EXPECT_EQ(Doc(), start) << c.cells.toStdString();
    }
    // The range as the view shows it, sorted; whole rows selected, or a header, paste lines.
    window->LinesView->sortByColumn(static_cast<int>(LineField::Tag), Qt::DescendingOrder);
    PasteOnto(0, 1, LineField::Tag, LineField::Kind, "C2\twall\nB2\tduct\n");
    EXPECT_EQ(Cells(LineField::Tag, LineField::Kind), "A|pipe,B2|duct,C2|wall");
    window->LinesView->sortByColumn(-1, Qt::AscendingOrder);
    window->SelectRows({0});
    Paste("D\tsphere\n");
    PasteOnto(0, 1, LineField::Tag, LineField::Kind, FieldHeader(LineField::Tag) + "\nE\n");
    EXPECT_EQ(Cells(LineField::Tag, LineField::Tag), "A,D,E,B2,C2");
}
