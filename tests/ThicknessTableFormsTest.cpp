// The thickness table shows, for the values the last form left, what the heat loss and
// surface temperature forms show: each run through its real form, then the table opened.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "CalculationFixture.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

namespace {

class ThicknessTableForms : public CalculationTest {
protected:
    // The table for the values the last form left when it closed, with one thickness row.
    std::unique_ptr<TThicknessTableWindow> Table(bool pipe, const char* thickness) {
        form->close();
        auto window = std::make_unique<TThicknessTableWindow>(pipe);
        window->Inputs->Thicknesses->setText(QString::fromUtf8(thickness));
        EXPECT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
        return window;
    }
    static QString Cell(TThicknessTableWindow& w, int row, int column) {
        const TThicknessModel& m = w.ThicknessModel();
        return m.data(m.index(row, column), Qt::DisplayRole).toString();
    }
};

TEST_F(ThicknessTableForms, PipeRowsReadAsTheForms) {
    for (const char* medium : {"-5", "140"}) {
        Open(2, {"25", medium, "60.3", "30", "10", nullptr, "8", "0.5"});
        Press();
        const QString flow = Result(2), saving = Result(3);
        form->close();
        Open(1, {"25", medium, "60.3", "30", nullptr, "8"});
        Press();
        const QString surface = Result(1);
        auto table = Table(true, "30");
        EXPECT_EQ(table->Inputs->Extent->text(), "10"); // prefilled from the last forms
        EXPECT_EQ(Cell(*table, 1, TThicknessModel::kFlow), flow);
        EXPECT_EQ(Cell(*table, 1, TThicknessModel::kSaving), saving);
        EXPECT_EQ(Cell(*table, 1, TThicknessModel::kSurface), surface);
        // The bare pipe as the heat loss form computes it with thickness 0.
        Open(2, {"25", medium, "60.3", "0", "10", nullptr, "8", "0.5"});
        Press();
        EXPECT_EQ(Cell(*table, 0, TThicknessModel::kFlow), Result(2));
    }
}

TEST_F(ThicknessTableForms, SheetRowsReadAsTheForms) {
    Open(6, {"25", "90", "40", "3", nullptr, "7.5", "0.2"});
    Press();
    const QString flow = Result(2), saving = Result(3);
    form->close();
    Open(7, {"25", "90", "40", nullptr, "7.5"});
    Press();
    const QString surface = Result(1);
    auto table = Table(false, "40");
    EXPECT_EQ(table->Inputs->Extent->text(), "3");
    EXPECT_EQ(Cell(*table, 1, TThicknessModel::kFlow), flow);
    EXPECT_EQ(Cell(*table, 1, TThicknessModel::kSaving), saving);
    EXPECT_EQ(Cell(*table, 1, TThicknessModel::kSurface), surface);
}

} // namespace
