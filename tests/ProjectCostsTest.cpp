// Installed costs and the life economics between the thickness table and the project; a line's
// economics are the table row's of the same job.
#include "engine/Economics.h"
#include "support/ProjectWindowFixture.h"
#include "table/TableSystemLine.h"
#include "table/ThicknessModels.h"

namespace {
// The row of the line's answer in the table: its economics are the line's, to the bit.
void ExpectRowOfAnswer(TThicknessTableWindow& table, const LineResult& r, const std::string& what) {
    for (const ThicknessRow& row : table.ThicknessModel().Table().Rows) {
        if (row.Thickness == 0 || static_cast<float>(row.Thickness * 1000.0) != r.ThicknessMm)
            continue;
        EXPECT_TRUE(std::tuple(row.CostPerYear, row.PaybackYears, row.LifeCost, row.PresentValue) ==
                    std::tuple(r.CostPerYear, r.PaybackYears, r.LifeCost, r.PresentValue))
            << what;
        return;
    }
    ADD_FAILURE() << what << ": no row of " << r.ThicknessMm << " mm";
}

// Types into a cell of the table's installed cost column: making it current opens its editor.
void TypeCost(QTableView& view, int row, const QString& text) {
    QWidget* editor = EditorOpenedBy(
        view, [&] { view.setCurrentIndex(view.model()->index(row, TThicknessModel::kInstalled)); });
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    WaitClosed(editor);
}
} // namespace

// Costs typed in the table reach the line, in a project window opened for it, with the life
// fields and the heat's price but the project's hours; the line opens in the table again with
// its costs; the head's life settings are bounded.
TEST_F(ProjectWindowTest, TableToProjectToTableKeepsTheCosts) {
    DestroyProjectWindow();
    auto* table = OpenThicknessTable(true);
    TTableInputs& in = *table->Inputs;
    in.Material->setCurrentIndex(in.Material->findText(kWool)); // the default thicknesses
    in.Medium->setText("120");
    in.Life->setText("15");
    in.PriceIncrease->setText("2,5");
    in.PriceBasis->setCurrentIndex(1); // a fuel's price: the line takes the heat's
    for (int row = 1; row < table->ThicknessModel().rowCount(); ++row)
        TypeCost(*table->ThicknessView, row, QStringLiteral("%1,5").arg(4 * row));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return table->ThicknessModel().Table().Economic >= 0; }, 60000));
    table->AddToProjectButton->click();
    QApplication::processEvents();
    window = CurrentProjectWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(Doc().Lines.size(), 1u);
    const Line line = Doc().Lines[0];
    EXPECT_EQ(line.InstalledCosts.size(), 11u);
    EXPECT_EQ(line.InstalledCosts.at(40), 28.5f); // the seventh row
    EXPECT_EQ(
        std::tuple(line.MediumTemp, line.LifeYears, line.PriceIncreasePercent,
                   line.InterestRatePercent, line.HoursPerYear),
        std::tuple(120.f, std::optional(15.f), std::optional(2.5f), std::nullopt, std::nullopt));
    EXPECT_EQ(line.EnergyPrice, HeatPricePerKWh(*TryNumber(in.Price->text()), true, 90 * 0.01f));
    ASSERT_EQ(Status(0), "ok");
    const LineResult r = Model().Results()[0];
    ASSERT_TRUE(r.InstalledCost && r.PaybackYears);
    ExpectRowOfAnswer(*table, r, "added");
    table->close();
    window->LinesView->setCurrentIndex(ViewIndex(0, LineField::Tag));
    window->TableAction->trigger();
    table = window->findChild<TThicknessTableWindow*>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Inputs->Life->text(), "15");
    EXPECT_EQ(table->Inputs->PriceIncrease->text(), "2.5");
    ExpectRowOfAnswer(*table, r, "opened");
    EXPECT_EQ(table->ThicknessModel().index(7, TThicknessModel::kInstalled).data().toString(),
              "28.5");
    table->close();
    window->Head->Interest->setText("150"); // out of the table's bounds: refused, explained
    emit window->Head->Interest->editingFinished();
    EXPECT_TRUE(window->Status->text().contains("from 0 to 100"));
}

// Random jobs of every kind, layered ones too, opened in the table: the row of the line's
// answer, its cost listed with the line's costs, has the line's economics to the bit.
TEST_F(ProjectWindowTest, LineEconomicsEqualTheTableRowOfTheSameJob) {
    const Project p = RandomProject(77, 24, true, true);
    const std::vector<LineResult> results = ComputeProject(p, ProjectData::FromShared());
    int compared = 0, layered = 0;
    for (size_t i = 0; i < p.Lines.size(); ++i) {
        if (!results[i].InstalledCost || p.Lines[i].Material == QLatin1String("k-factor"))
            continue;
        TThicknessTableWindow table(OpensInPipeWindow(p.Lines[i]));
        table.SetJob(p.Lines[i], EffectiveSettings(p.Lines[i], p.Settings));
        ExpectRowOfAnswer(table, results[i], std::to_string(i));
        ++compared, layered += IsLayered(p.Lines[i]);
    }
    EXPECT_GE(compared, 4);
    EXPECT_GT(layered, 0);
}
