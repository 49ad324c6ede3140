// A block of cells pasted onto a selected range of the line list: the selected lines take
// the cells in one undo step, a line refusing a cell keeps all of its own and is named in
// the status line; whole lines with a header still become new lines.
#include <QItemSelectionModel>
#include <QLabel>

#include "project/ProjectCompute.h"
#include "support/ProjectWindowFixture.h"

namespace {
Line Tagged(const char* tag, float diameterMm) {
    Line line;
    line.Tag = QLatin1String(tag);
    line.DiameterMm = diameterMm;
    line.Material = QStringLiteral("VELTRA AF elastomeric foam");
    return line;
}
} // namespace

class ProjectCellPasteTest : public ProjectWindowTest {
protected:
    // Selects the cells of view rows first..last in the columns from..to.
    void SelectCells(int first, int last, LineField from, LineField to) {
        auto* proxy = window->Proxy;
        const QItemSelection range(proxy->index(first, static_cast<int>(from)),
                                   proxy->index(last, static_cast<int>(to)));
        window->LinesView->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
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
    const Project start{{}, {}, {Tagged("A", 60.3f), Tagged("B", 88.9f), Tagged("C", 114.3f)}};
    const auto D = LineField::Diameter, E = LineField::Extent;
    const struct {
        const char* name;
        int first, last; // view rows selected, in the columns Diameter and Extent
        QString pasted;
        QString cells;   // Diameter|Extent of each line afterwards
        QString refused; // in the status line, "" for none
    } cases[] = {
        {"a row per line", 0, 2, "42,4\t2\n48.3\t3\r\n76.1\t4\n", "42.4|2,48.3|3,76.1|4", ""},
        {"one row down the range", 0, 2, "33.7\t5", "33.7|5,33.7|5,33.7|5", ""},
        {"one cell fills the range", 1, 2, "21.3", "60.3|1,21.3|21.3,21.3|21.3", ""},
        {"a refused line keeps its cells", 0, 2, "42.4\t2\n48.3\tabc\n76.1\t4",
         "42.4|2,88.9|1,76.1|4", "Not pasted: Line 2: Length or area: 'abc'"},
        {"two rows onto three lines", 0, 2, "42.4\t2\n48.3\t3", "60.3|1,88.9|1,114.3|1",
         "The 2 × 2 cells pasted do not fit the 3 × 2 cells selected"},
        {"three cells wide onto two", 0, 1, "42.4\t2\t7", "60.3|1,88.9|1,114.3|1",
         "The 1 × 3 cells pasted do not fit the 2 × 2 cells selected"},
    };
    for (const auto& c : cases) {
        Model().SetProject(start);
        const int steps = window->Undo().index();
        SelectCells(c.first, c.last, D, E);
        Paste(c.pasted);
        EXPECT_EQ(Cells(D, E), c.cells) << c.name;
        EXPECT_EQ(Doc().Lines.size(), 3u) << c.name;
        const bool changed = Doc() != start;
        EXPECT_EQ(window->Undo().index(), steps + (changed ? 1 : 0)) << c.name;
        if (c.refused[0] == 0) {
            EXPECT_FALSE(window->Status->text().startsWith("Not pasted")) << c.name;
        } else {
            EXPECT_TRUE(window->Status->text().startsWith(c.refused))
                << c.name << ": " << window->Status->text().toStdString();
        }
        Model().WaitForResults();
        for (size_t i = 0; i < Doc().Lines.size(); ++i)
            EXPECT_EQ(Model().Results()[i], ComputeLine(Doc().Lines[i], {}, Model().Data()))
                << c.name << " line " << i;
        if (!changed)
            continue;
        window->UndoAction->trigger();
        EXPECT_EQ(Doc(), start) << c.name;
    }
}

// The range is taken as the view shows it, sorted; a choice column takes texts of its list;
// whole rows selected, or a header, paste new lines as before.
TEST_F(ProjectCellPasteTest, SortedRangeAndWholeLines) {
    Model().SetProject(Project{{}, {}, {Tagged("A", 60.3f), Tagged("B", 88.9f)}});
    window->LinesView->sortByColumn(static_cast<int>(LineField::Tag), Qt::DescendingOrder);
    SelectCells(0, 1, LineField::Tag, LineField::Kind);
    Paste("B2\twall\nA2\tduct\n");
    EXPECT_EQ(Cells(LineField::Tag, LineField::Kind), "A2|duct,B2|wall");
    window->LinesView->sortByColumn(-1, Qt::AscendingOrder);
    window->SelectRows({0, 1});
    Paste("C\tpipe\n");
    EXPECT_EQ(Cells(LineField::Tag, LineField::Tag), "A2,B2,C");
    SelectCells(0, 1, LineField::Tag, LineField::Kind);
    Paste(FieldHeader(LineField::Tag) + "\t" + FieldHeader(LineField::Kind) + "\nD\tsphere\n");
    EXPECT_EQ(Cells(LineField::Tag, LineField::Kind), "A2|duct,B2|wall,D|sphere,C|pipe");
}
