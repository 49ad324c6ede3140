// Installed costs and the life economics between the thickness table and the project: typed
// into the table, carried by "Add to project", computed as the table's row, and put back by
// "Open in thickness table"; a line's economics equal the table row of the same job.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config/Uutils.h"
#include "engine/CalcFrame.h"
#include "engine/Economics.h"
#include "project/NumberText.h"
#include "project/ProjectCsv.h"
#include "project/ProjectFixture.h"
#include "support/ProjectWindowFixture.h"
#include "table/TableInputs.h"
#include "table/TableSystemLine.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

namespace {
using M = TThicknessModel;

// The table's row of that thickness (mm as a line's answer gives it), nullptr for none.
const ThicknessRow* RowOf(TThicknessTableWindow& table, float mm) {
    for (const ThicknessRow& row : table.ThicknessModel().Table().Rows)
        if (row.Thickness > 0 && static_cast<float>(row.Thickness * 1000.0) == mm)
            return &row;
    return nullptr;
}

void ExpectSameEconomics(const LineResult& r, const ThicknessRow& row, const std::string& what) {
    EXPECT_EQ(r.CostPerYear, row.CostPerYear) << what;
    EXPECT_EQ(r.PaybackYears, row.PaybackYears) << what;
    EXPECT_EQ(r.LifeCost, row.LifeCost) << what;
    EXPECT_EQ(r.PresentValue, row.PresentValue) << what;
}

// The result column of that header.
int ResultColumn(const QString& header) {
    return TProjectModel::StatusColumn() + static_cast<int>(ResultHeaders().indexOf(header));
}
} // namespace

class ProjectCostsTest : public ProjectWindowTest {
protected:
    // Types a cost into the table's "Installed cost" cell of a row, as a user edits in place.
    static void TypeCost(TThicknessTableWindow& table, int row, const QString& text) {
        QTableView* view = table.ThicknessView;
        const QModelIndex index = view->model()->index(row, M::kInstalled);
        // Every trigger edits: making the cell current opens its editor, as a click does.
        const auto before = view->viewport()->findChildren<QLineEdit*>();
        view->setCurrentIndex(index);
        QLineEdit* editor = nullptr;
        for (QLineEdit* each : view->viewport()->findChildren<QLineEdit*>())
            editor = before.contains(each) ? editor : each;
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        const QPointer<QLineEdit> typed = editor;
        EXPECT_TRUE(QTest::qWaitFor([&] { return !typed || !typed->isVisible(); }, 60000));
        QApplication::processEvents();
    }
    // The table the project window's "Open in thickness table" opened for a row.
    TThicknessTableWindow* OpenRow(int row) {
        window->LinesView->setCurrentIndex(ViewIndex(row, 0));
        window->TableAction->trigger();
        const auto tables = window->findChildren<TThicknessTableWindow*>();
        return tables.isEmpty() ? nullptr : tables.back();
    }
    static void Close(TThicknessTableWindow* table) {
        const QPointer<TThicknessTableWindow> opened = table;
        table->close();
        delete opened.data();
    }
};

// Costs typed in the table reach the line with the life fields, the line's payback and costs
// are the table row's, and the line opens in the table again with its costs in the column.
TEST_F(ProjectCostsTest, TableToProjectToTableKeepsTheCosts) {
    auto* table = OpenThicknessTable(true);
    TTableInputs& in = *table->Inputs;
    in.Material->setCurrentIndex(in.Material->findText(kWool)); // the default thicknesses
    in.Medium->setText("120");
    in.Life->setText("15");
    in.Interest->setText("5");
    in.PriceIncrease->setText("2,5");
    in.PriceBasis->setCurrentIndex(1); // a fuel's price: the line takes the heat's
    in.Efficiency->setText("80");
    ASSERT_TRUE(table->AddToProjectButton->isEnabled()) << table->Status->text().toStdString();
    const int rows = table->ThicknessModel().rowCount();
    for (int row = 1; row < rows; ++row)
        TypeCost(*table, row, QStringLiteral("%1,5").arg(4 * row));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return table->ThicknessModel().Table().Economic >= 0; }, 60000));
    table->AddToProjectButton->click();
    QApplication::processEvents();
    ASSERT_EQ(Doc().Lines.size(), 1u);
    const Line line = Doc().Lines[0];
    EXPECT_EQ(line.InstalledCosts.size(), static_cast<size_t>(rows - 1));
    EXPECT_EQ(line.InstalledCosts.at(40), 28.5f); // 40 mm is the seventh row
    EXPECT_EQ(line.EnergyPrice, HeatPricePerKWh(*TryNumber(in.Price->text()), true, 80 * 0.01f));
    EXPECT_EQ(std::tuple(line.LifeYears, line.InterestRatePercent, line.PriceIncreasePercent),
              std::tuple(std::optional(15.f), std::optional(5.f), std::optional(2.5f)));
    EXPECT_EQ(Status(0), "ok");
    const LineResult r = Model().Results()[0];
    ASSERT_TRUE(r.InstalledCost && r.PaybackYears);
    const ThicknessRow* row = RowOf(*table, r.ThicknessMm);
    ASSERT_NE(row, nullptr);
    ExpectSameEconomics(r, *row, "added");
    EXPECT_EQ(Model().index(0, ResultColumn("Installed cost")).data().toString(),
              FormatFloat(*r.InstalledCost, 2));
    EXPECT_EQ(Model().index(0, ResultColumn("Payback (years)")).data().toString(),
              FormatFloat(*r.PaybackYears, 1));
    Close(table);

    table = OpenRow(0);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Inputs->Life->text(), "15");
    EXPECT_EQ(table->Inputs->PriceIncrease->text(), "2.5");
    const ThicknessRow* again = RowOf(*table, r.ThicknessMm);
    ASSERT_NE(again, nullptr);
    ExpectSameEconomics(r, *again, "opened");
    const TThicknessModel& m = table->ThicknessModel();
    ASSERT_EQ(m.Table().Rows[7].Thickness, MillimetresToMetres(40));
    EXPECT_EQ(m.index(7, M::kInstalled).data().toString(), "28.5");
    EXPECT_EQ(m.InstalledCostsByMm({6, 40, 45}), (std::map<float, float>{{6, 4.5f}, {40, 28.5f}}));
    Close(table);
}

// A duct's costs typed in the project open in the table's column, thicknesses not listed there
// added to the list; the table's row gives the line's economics.
TEST_F(ProjectCostsTest, DuctCostsTypedInTheProjectOpenInTheTable) {
    window->AddAction->trigger();
    Type(0, LineField::Kind, "duct");
    Type(0, LineField::MediumTemp, "150");
    Type(0, LineField::Material, kWool);
    Type(0, LineField::InstalledCosts,
         "6=1; 9=2; 13=3; 19=4; 25=5; 32=6; 40=7; 50=8; 60=9; "
         "80=10; 100=11; 35=6,5");
    Type(0, LineField::InterestRate, "3");
    ASSERT_EQ(Status(0), "ok");
    const LineResult r = Model().Results()[0];
    ASSERT_TRUE(r.InstalledCost.has_value());
    auto* table = OpenRow(0);
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->Inputs->Thicknesses->text().contains(" 35 "));
    const ThicknessRow* row = RowOf(*table, r.ThicknessMm);
    ASSERT_NE(row, nullptr);
    ExpectSameEconomics(r, *row, "duct");
    EXPECT_EQ(table->Inputs->Interest->text(), "3");
    Close(table);
    // A refused cost text is named and changes nothing.
    Type(0, LineField::InstalledCosts, "30=abc");
    EXPECT_TRUE(window->Status->text().contains("'30=abc'"))
        << window->Status->text().toStdString();
    EXPECT_EQ(Doc().Lines[0].InstalledCosts.size(), 12u);
}

// Random jobs of every kind opened in the table: the row of the line's answer has the line's
// payback, life cost and present value to the bit.
TEST_F(ProjectCostsTest, LineEconomicsEqualTheTableRowOfTheSameJob) {
    const Project p = RandomProject(77, 24, true, true);
    const std::vector<LineResult> results = ComputeProject(p, ProjectData::FromShared());
    int compared = 0;
    for (size_t i = 0; i < p.Lines.size() && compared < 8; ++i) {
        const LineResult& r = results[i];
        if (!r.InstalledCost || p.Lines[i].Material == QLatin1String("k-factor"))
            continue;
        TThicknessTableWindow table(OpensInPipeWindow(p.Lines[i]));
        table.SetJob(p.Lines[i], EffectiveSettings(p.Lines[i], p.Settings));
        const ThicknessRow* row = RowOf(table, r.ThicknessMm);
        ASSERT_NE(row, nullptr) << i << ": " << table.Status->text().toStdString();
        ExpectSameEconomics(r, *row, std::to_string(i));
        ++compared;
    }
    EXPECT_GE(compared, 4);
}

// The project's life settings: bounded as the table's fields, refusals explained, undoable.
TEST_F(ProjectCostsTest, LifeSettingsAreCheckedAndUndoable) {
    TProjectHead& head = *window->Head;
    const auto enter = [](QLineEdit* field, const char* text) {
        field->setText(QString::fromUtf8(text));
        emit field->editingFinished();
    };
    enter(head.Interest, "150");
    EXPECT_TRUE(window->Status->text().contains("'150'")) << window->Status->text().toStdString();
    EXPECT_TRUE(window->Status->text().contains("from 0 to 100"));
    EXPECT_EQ(head.Interest->text(), "0");
    enter(head.PriceIncrease, "-2,5");
    enter(head.Life, "25");
    EXPECT_EQ(std::tuple(Doc().Settings.LifeYears, Doc().Settings.PriceIncreasePercent),
              std::tuple(25.f, -2.5f));
    window->UndoAction->trigger();
    EXPECT_EQ(Doc().Settings.LifeYears, 10.f);
    EXPECT_EQ(head.Life->text(), "10");
    EXPECT_EQ(Doc().Settings.PriceIncreasePercent, -2.5f);
}
