// The line list's drop-down lists driven by keys: an entry picked, committed, the line computed
// again, one undo step; the thickness list offers exactly the products that fit the line.
#include "support/ProjectWindowFixture.h"

namespace {
QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

enum class Pick { Index, Down, OpenList, Typed };
} // namespace

class ProjectChoicesTest : public ProjectWindowTest {
protected:
    void SetUp() override {
        ProjectWindowTest::SetUp();
        Model().SetProject(Project{{}, {}, {FoamPipe(60.3f)}});
    }
    // The list opened on the first line's cell by F2, or by typing a key into the view.
    QComboBox* OpenChoice(LineField field, const QString& key = {}) {
        QTableView* view = window->LinesView;
        return qobject_cast<QComboBox*>(OpenEditor(ViewIndex(0, field), [&] {
            key.isEmpty() ? QTest::keyClick(view, Qt::Key_F2) : QTest::keyClicks(view, key);
        }));
    }
};

// Each case follows the one before on the same line.
TEST_F(ProjectChoicesTest, ChoiceCellsPickFromTheirLists) {
    const QString product = "VELTRA AF-25-060 / 25 x 60.3 mm";
    using F = LineField;
    const struct {
        F field;
        const char* key; // typed to open the list; F2 when empty
        Pick pick;
        QString chosen, cell, first; // the entry (or text typed), the cell then, the list's start
    } cases[] = {
        {F::Thickness, "", Pick::Index, product, product, "auto|VELTRA AF-06-060 / 6 x 60.3 mm|"},
        {F::Thickness, "2", Pick::Typed, "7,5", "27.5", "auto|"},
        {F::Installation, "", Pick::OpenList, "outdoors", "outdoors", "indoors|outdoors|typed h"},
        {F::Cladding, "", Pick::Index, "PVC jacket", "PVC jacket", "None|Aluminium, bright"},
        {F::Cladding, "", Pick::Index, "typed emission coefficient", "", "None|"},
        {F::Orientation, "", Pick::Down, "", "vertical", "horizontal|vertical"},
        {F::Material, "", Pick::Index, "k-factor", "k-factor", kFoam + "|"},
        {F::Kind, "w", Pick::Typed, "", "wall", "pipe|wall|duct|sphere"},
        {F::VariedLayer, "", Pick::Down, "", "inner", "outer|inner"},
    };
    for (const auto& c : cases) {
        const std::string name = FieldName(c.field).toStdString() + " " + c.cell.toStdString();
        const Project before = Doc();
        QComboBox* box = OpenChoice(c.field, QLatin1String(c.key));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_TRUE(Items(*box).join('|').startsWith(c.first)) << name;
        QWidget* keys = box->lineEdit() ? static_cast<QWidget*>(box->lineEdit()) : box;
        if (c.pick == Pick::Index)
            box->setCurrentIndex(box->findText(c.chosen));
        else if (c.pick == Pick::Typed)
            QTest::keyClicks(keys, c.chosen);
        else if (c.pick == Pick::Down)
            QTest::keyClick(keys, Qt::Key_Down);
        if (c.pick == Pick::OpenList) { // Alt+Down opens the list, moves no line
            QTest::keyClick(keys, Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 60000)) << name;
            box->view()->setCurrentIndex(box->model()->index(box->findText(c.chosen), 0));
            QTest::keyClick(box->view(), Qt::Key_Return); // taken as soon as it is picked
        } else {
            QTest::keyClick(keys, Qt::Key_Return);
        }
        WaitClosed(box);
        EXPECT_EQ(FieldText(Doc().Lines[0], c.field), c.cell) << name;
        const LineResult after = Model().Results()[0];
        EXPECT_EQ(after, ComputeLine(Doc().Lines[0], {}, Model().Data())) << name;
        window->UndoAction->trigger();
        EXPECT_EQ(Doc(), before) << name;
        window->RedoAction->trigger();
        EXPECT_EQ(Model().Results()[0], after) << name;
    }
}

// "auto", then the products of the line's material for its diameter (bounds lower exclusive,
// upper inclusive), every sheet for a wall, none for another material or a layer that does not
// lie on the object; each product offered is one the computation takes.
TEST_F(ProjectChoicesTest, ThicknessListsTheProductsThatFit) {
    const std::vector<FixedLayer> wool{{"VELTRA MW mineral wool pipe section", 0.036f, 20}};
    Line wall = FoamPipe(60.3f), duct = wall, outer = wall, inner = wall;
    wall.Kind = LineKind::Wall;
    duct.Kind = LineKind::Duct;
    outer.Layers = inner.Layers = wool;
    inner.Varied = VariedLayer::Inner;
    const struct {
        Line line;
        int products;
        QString ending; // of every product's name
    } cases[] = {{FoamPipe(60.3f), 8, " x 60.3 mm"},
                 {FoamPipe(60.31f), 8, " x 64 mm"},
                 {wall, 11, " mm sheet"},
                 {FoamPipe(60.3f, {}, "k-factor"), 0, ""},
                 {duct, 0, ""},
                 {outer, 0, ""},
                 {inner, 8, " x 60.3 mm"}};
    for (const auto& c : cases) {
        const std::string name = FieldText(c.line, LineField::Kind).toStdString() +
                                 FieldText(c.line, LineField::Diameter).toStdString();
        Model().SetProject(Project{{}, {}, {c.line}});
        QComboBox* box = OpenChoice(LineField::Thickness);
        ASSERT_NE(box, nullptr) << name;
        const QStringList items = Items(*box);
        QTest::keyClick(box, Qt::Key_Escape);
        WaitClosed(box);
        ASSERT_EQ(items.size(), c.products + 1) << name;
        for (const QString& product : items.mid(1)) {
            EXPECT_TRUE(product.endsWith(c.ending)) << name << product.toStdString();
            Line fixed = c.line;
            SetFieldText(fixed, LineField::Thickness, product);
            EXPECT_EQ(ComputeLine(fixed, {}, Model().Data()).Product, product) << name;
        }
    }
}

// The other columns keep their text field; an edit outlives results arriving; a name the data
// does not hold stays the cell's; the Help action opens this window's page.
TEST_F(ProjectChoicesTest, TextColumnsUnknownNamesAndHelp) {
    QStringList lists;
    for (int f = 0; f < kLineFieldCount; ++f) {
        QWidget* editor = OpenEditor(ViewIndex(0, static_cast<LineField>(f)));
        if (qobject_cast<QComboBox*>(editor))
            lists << FieldName(static_cast<LineField>(f));
        QTest::keyClick(editor, Qt::Key_Escape);
        WaitClosed(editor);
    }
    EXPECT_EQ(lists.join(','),
              "Kind,Installation,Orientation,Cladding,Material,Thickness,Varied layer");
    // Results arriving while a cell is edited leave the edit alone.
    QWidget* editor = OpenEditor(ViewIndex(0, LineField::Tag));
    QTest::keyClicks(editor, "P-7");
    Model().SetHead({}, {0.2f});
    Model().WaitForResults();
    QTest::keyClick(editor, Qt::Key_Return);
    WaitClosed(editor);
    EXPECT_EQ(Doc().Lines[0].Tag, "P-7");
    Line unknown = FoamPipe(60.3f, {}, "Cork");
    Model().SetProject(Project{{}, {}, {unknown}});
    Type(0, LineField::Material, "Cork");
    EXPECT_EQ(Doc().Lines[0], unknown);
    window->HelpAction->trigger();
    QCoreApplication::processEvents(); // the help runs after the action has been handled
    ASSERT_EQ(seam.opened.size(), 1u);
    EXPECT_TRUE(QFile::exists(seam.opened[0].toLocalFile()));
    EXPECT_TRUE(seam.opened[0].toLocalFile().endsWith("HELP/project.html"));
}
