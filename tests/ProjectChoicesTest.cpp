// The line list's drop-down lists driven as a user drives them: each choice column opened by
// F2, a double click or a typed key, an entry chosen by keys, in the open list or by typing a
// thickness, committed, the line recomputed and the edit one undo step; the thickness list
// offers exactly the products that fit the line.
#include <QAbstractItemView>
#include <QComboBox>
#include <QMouseEvent>
#include <set>

#include "project/ProjectCompute.h"
#include "support/ProjectWindowFixture.h"

namespace {
const QString kFoam = QStringLiteral("VELTRA AF elastomeric foam");
const QString kGlassWool = QStringLiteral("VELTRA GW glass wool pipe section");

Line PipeLine(float diameterMm, const QString& material) {
    Line line;
    line.Tag = QStringLiteral("P-1");
    line.DiameterMm = diameterMm;
    line.Material = material;
    return line;
}

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

enum class Opening { F2, DoubleClick, Typing }; // typing the pick's first character
// Press, release, double click, release, straight to the widget: the same wherever the
// window lies on a screen, or whether there is one.
void DoubleClick(QWidget* widget, QPoint at) {
    const QPointF local(at), global(widget->mapToGlobal(at));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, local, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

enum class Picking { Nothing, Index, ArrowKey, OpenList, Typed };
} // namespace

class ProjectChoicesTest : public ProjectWindowTest {
protected:
    void SetUp() override {
        ProjectWindowTest::SetUp();
        Model().SetProject(Project{{}, {}, {PipeLine(60.3f, kFoam)}});
        Model().WaitForResults();
    }
    // The list a user opens on the first line's cell.
    QComboBox* OpenChoice(LineField field, Opening how, const QString& pick = {}) {
        const QModelIndex index = ViewIndex(0, static_cast<int>(field));
        QTableView* view = window->LinesView;
        view->setCurrentIndex(index);
        view->scrollTo(index);
        const auto before = view->viewport()->findChildren<QComboBox*>();
        if (how == Opening::DoubleClick)
            DoubleClick(view->viewport(), view->visualRect(index).center());
        else if (how == Opening::F2)
            QTest::keyClick(view, Qt::Key_F2);
        else
            QTest::keyClicks(view, pick.left(1));
        for (QComboBox* each : view->viewport()->findChildren<QComboBox*>())
            if (!before.contains(each) && each->parentWidget() == view->viewport())
                return each;
        return nullptr;
    }
    LineResult Computed() const {
        const Project& p = window->Model().Document();
        return ComputeLine(p.Lines[0], p.Settings, window->Model().Data());
    }
    QStringList ThicknessList(const Line& line) {
        Model().SetProject(Project{{}, {}, {line}});
        QComboBox* box = OpenChoice(LineField::Thickness, Opening::F2);
        if (!box)
            return {"<no list>"};
        QStringList items = Items(*box);
        QTest::keyClick(box->lineEdit(), Qt::Key_Escape);
        WaitClosed(box);
        return items;
    }
};

// Each choice column's list, an entry picked and committed as a user would: the cell takes it,
// the line is computed again, one undo step restores line and result. The cases follow each
// other on the same line.
TEST_F(ProjectChoicesTest, ChoiceCellsPickFromTheirLists) {
    struct Case {
        LineField field;
        Opening opening;
        Picking picking;
        QString pick;      // the entry chosen, or the text typed
        QString expected;  // the cell's text afterwards
        QStringList first; // the list's first entries
    } cases[] = {
        {LineField::Thickness,
         Opening::F2,
         Picking::Index,
         "VELTRA AF-25-060 / 25 x 60.3 mm",
         "VELTRA AF-25-060 / 25 x 60.3 mm",
         {"auto", "VELTRA AF-06-060 / 6 x 60.3 mm"}},
        {LineField::Thickness, Opening::Typing, Picking::Typed, "27,5", "27.5", {"auto"}},
        {LineField::Thickness, Opening::F2, Picking::OpenList, "auto", "auto", {"auto"}},
        {LineField::Installation,
         Opening::DoubleClick,
         Picking::OpenList,
         "outdoors",
         "outdoors",
         {"indoors", "outdoors", "typed h"}},
        {LineField::Cladding,
         Opening::F2,
         Picking::Index,
         "Aluminium, oxidised",
         "Aluminium, oxidised",
         {"None", "Aluminium, bright rolled"}},
        {LineField::Cladding,
         Opening::DoubleClick,
         Picking::Index,
         "typed emission coefficient",
         "",
         {"None"}},
        {LineField::Orientation,
         Opening::F2,
         Picking::ArrowKey,
         "vertical",
         "vertical",
         {"horizontal", "vertical"}},
        {LineField::Material, Opening::F2, Picking::Index, kGlassWool, kGlassWool, {kFoam}},
        {LineField::Kind,
         Opening::Typing,
         Picking::Nothing,
         "wall",
         "wall",
         {"pipe", "wall", "duct", "sphere"}},
        {LineField::VariedLayer,
         Opening::F2,
         Picking::ArrowKey,
         "inner",
         "inner",
         {"outer", "inner"}},
    };
    for (const Case& c : cases) {
        const std::string name = FieldName(c.field).toStdString() + " " + c.pick.toStdString();
        const Project before = Doc();
        const LineResult beforeResult = Model().Results()[0];
        const int steps = window->Undo().count();
        QComboBox* box = OpenChoice(c.field, c.opening, c.pick);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(Items(*box).mid(0, c.first.size()), c.first) << name;
        EXPECT_EQ(box->isEditable(), c.field == LineField::Thickness) << name;
        QWidget* keys = box->lineEdit() ? static_cast<QWidget*>(box->lineEdit()) : box;
        switch (c.picking) {
        case Picking::Index:
            box->setCurrentIndex(box->findText(c.pick));
            break;
        case Picking::ArrowKey:
            QTest::keyClick(keys, Qt::Key_Down);
            break;
        case Picking::Typed:
            QTest::keyClicks(keys, c.pick.mid(1));
            break;
        case Picking::Nothing:
            break;
        case Picking::OpenList: {
            QTest::keyClick(keys, Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 60000)) << name;
            box->view()->setCurrentIndex(box->model()->index(box->findText(c.pick), 0));
            QTest::keyClick(box->view(), Qt::Key_Return); // taken as soon as it is picked
            break;
        }
        }
        if (c.picking != Picking::OpenList)
            QTest::keyClick(keys, Qt::Key_Return);
        WaitClosed(box);
        EXPECT_EQ(FieldText(Doc().Lines[0], c.field), c.expected) << name;
        EXPECT_EQ(Doc().Lines.size(), 1u) << name; // Alt+Down opened the list, moved no line
        EXPECT_EQ(window->Undo().count(), steps + 1) << name;
        EXPECT_EQ(Model().Results()[0], Computed()) << name;
        window->UndoAction->trigger();
        EXPECT_EQ(Doc(), before) << name;
        EXPECT_EQ(Model().Results()[0], beforeResult) << name;
        window->RedoAction->trigger();
        EXPECT_EQ(FieldText(Doc().Lines[0], c.field), c.expected) << name;
    }
}

// The other columns keep their text field; a name the data does not hold stays the cell's
// when the list is closed without a choice, and nothing is pushed.
TEST_F(ProjectChoicesTest, OtherColumnsTypeAndUnknownNamesStay) {
    const std::set<LineField> lists{
        LineField::Kind,     LineField::Installation, LineField::Orientation, LineField::Cladding,
        LineField::Material, LineField::Thickness,    LineField::VariedLayer};
    for (int f = 0; f < kLineFieldCount; ++f) {
        const auto field = static_cast<LineField>(f);
        QWidget* editor = OpenEditor(ViewIndex(0, f));
        ASSERT_NE(editor, nullptr) << f;
        const bool listed = qobject_cast<QComboBox*>(editor) != nullptr;
        EXPECT_EQ(listed, lists.count(field) == 1) << FieldName(field).toStdString();
        QTest::keyClick(editor, Qt::Key_Escape);
        WaitClosed(editor);
    }
    Line unknown = PipeLine(60.3f, QStringLiteral("Cork"));
    unknown.Cladding = QStringLiteral("Gold leaf");
    Model().SetProject(Project{{}, {}, {unknown}});
    for (LineField field : {LineField::Material, LineField::Cladding}) {
        QComboBox* box = OpenChoice(field, Opening::F2);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->currentText(), FieldText(unknown, field));
        QTest::keyClick(box, Qt::Key_Return);
        WaitClosed(box);
    }
    EXPECT_EQ(Doc().Lines[0], unknown);
    EXPECT_EQ(window->Undo().count(), 0);
}

// The thickness list: "auto", then the products of the line's material that fit its diameter
// (bounds lower exclusive, upper inclusive), all sheets for a wall, none where the products
// are of another material or cannot be the line's own layer; every product offered is one the
// computation takes.
TEST_F(ProjectChoicesTest, ThicknessListsTheProductsThatFit) {
    const std::vector<FixedLayer> wool{{kGlassWool, 0.036f, 20}};
    auto with = [](Line line, auto change) {
        change(line);
        return line;
    };
    const struct {
        const char* name;
        Line line;
        int products;
        QString ending; // of every product's name
    } cases[] = {
        {"pipe at a row's upper bound", PipeLine(60.3f, kFoam), 8, " x 60.3 mm"},
        {"pipe just above it", PipeLine(60.31f, kFoam), 8, " x 64 mm"},
        {"wall", with(PipeLine(60.3f, kFoam), [](Line& l) { l.Kind = LineKind::Wall; }), 11,
         " mm sheet"},
        {"another material", PipeLine(60.3f, kGlassWool), 0, ""},
        {"duct", with(PipeLine(60.3f, kFoam), [](Line& l) { l.Kind = LineKind::Duct; }), 0, ""},
        {"outer layer over wool", with(PipeLine(60.3f, kFoam), [&](Line& l) { l.Layers = wool; }),
         0, ""},
        {"inner layer under wool",
         with(PipeLine(60.3f, kFoam),
              [&](Line& l) {
                  l.Layers = wool;
                  l.Varied = VariedLayer::Inner;
              }),
         8, " x 60.3 mm"},
    };
    for (const auto& c : cases) {
        const QStringList items = ThicknessList(c.line);
        ASSERT_EQ(items.size(), c.products + 1) << c.name;
        EXPECT_EQ(items.front(), "auto") << c.name;
        for (const QString& product : items.mid(1)) {
            EXPECT_TRUE(product.endsWith(c.ending)) << c.name << ": " << product.toStdString();
            Line fixed = c.line;
            SetFieldText(fixed, LineField::Thickness, product);
            const LineResult r = ComputeLine(fixed, {}, Model().Data());
            EXPECT_TRUE(r.HasFigures()) << c.name << ": " << r.Status.toStdString();
            EXPECT_EQ(r.Product, product) << c.name;
        }
        // The automatic answer is one of the products offered.
        const LineResult automatic = ComputeLine(c.line, {}, Model().Data());
        if (!automatic.Product.isEmpty()) {
            EXPECT_TRUE(items.contains(automatic.Product)) << c.name;
        }
    }
}

// The Help action opens this window's page, which gives the lists as the window offers them.
TEST_F(ProjectChoicesTest, HelpPageGivesTheLists) {
    window->HelpAction->trigger();
    QCoreApplication::processEvents(); // the help runs after the action has been handled
    ASSERT_EQ(seam.opened.size(), 1u);
    EXPECT_TRUE(seam.opened[0].toLocalFile().endsWith("HELP/project.html"));
    QFile file(QCoreApplication::applicationDirPath() + "/HELP/project.html");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll()).simplified();
    for (LineField field : {LineField::Kind, LineField::Installation, LineField::Orientation,
                            LineField::VariedLayer}) {
        QComboBox* box = OpenChoice(field, Opening::F2);
        ASSERT_NE(box, nullptr);
        const QString listed = "<em>" + FieldName(field) + "</em>: " + Items(*box).join(", ");
        EXPECT_TRUE(page.contains(listed + ".</li>")) << listed.toStdString();
        QTest::keyClick(box, Qt::Key_Escape);
        WaitClosed(box);
    }
    EXPECT_TRUE(page.contains("<em>typed emission coefficient</em>"));
}
