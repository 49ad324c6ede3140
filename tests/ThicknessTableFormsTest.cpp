// The thickness table shows, for the values the last form left, what the heat loss and
// surface temperature forms show: each run through its real form, then the table opened.
#include <QLabel>
#include <QLineEdit>

#include "CalculationFixture.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

namespace {

class ThicknessTableForms : public CalculationTest {
protected:
    // The texts of the results asked for after "Calculate"; the form closes and leaves its
    // values.
    QStringList Run(int type, std::initializer_list<const char*> lines,
                    std::initializer_list<int> wanted) {
        Open(type, lines);
        Press();
        QStringList results;
        for (int i : wanted)
            results << Result(i);
        form->close();
        return results;
    }
    // The table for the values the last form left, with the one thickness row.
    static std::unique_ptr<TThicknessTableWindow> Table(bool pipe, const char* thicknessMm) {
        auto window = std::make_unique<TThicknessTableWindow>(pipe);
        window->Inputs->Thicknesses->setText(QString::fromUtf8(thicknessMm));
        EXPECT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
        return window;
    }
    // The forms' heat flow (positive into the medium) as the table reads it: a heat loss
    // positive for a hot medium.
    static QString AsRead(const QString& formFlow, bool hot) {
        if (!hot)
            return formFlow;
        return formFlow.startsWith(u'-') ? formFlow.mid(1) : u'-' + formFlow;
    }
    static QString Cell(TThicknessTableWindow& w, int row, int column) {
        const TThicknessModel& m = w.ThicknessModel();
        return m.data(m.index(row, column), Qt::DisplayRole).toString();
    }
};

TEST_F(ThicknessTableForms, RowsReadAsTheForms) {
    using M = TThicknessModel;
    const auto kFlowSaving = {2, 3};
    for (const char* medium : {"-5", "140"}) {
        const bool hot = medium[0] != '-';
        const QStringList loss =
            Run(2, {"25", medium, "60.3", "30", "10", nullptr, "8", "0.5"}, kFlowSaving);
        const QStringList surface = Run(1, {"25", medium, "60.3", "30", nullptr, "8"}, {1});
        auto pipe = Table(true, "30");
        EXPECT_EQ(pipe->Inputs->Extent->text(), "10"); // prefilled from the last forms
        EXPECT_EQ(Cell(*pipe, 1, M::kFlow), AsRead(loss[0], hot));
        EXPECT_EQ(Cell(*pipe, 1, M::kSaving), loss[1]);
        EXPECT_EQ(Cell(*pipe, 1, M::kSurface), surface[0]);
        // The bare pipe as the heat loss form computes it with thickness 0.
        EXPECT_EQ(
            Cell(*pipe, 0, M::kFlow),
            AsRead(Run(2, {"25", medium, "60.3", "0", "10", nullptr, "8", "0.5"}, {2})[0], hot));
        const QStringList sheetLoss =
            Run(6, {"25", medium, "40", "3", nullptr, "7.5", "0.2"}, kFlowSaving);
        const QStringList sheetSurface = Run(7, {"25", medium, "40", nullptr, "7.5"}, {1});
        auto sheet = Table(false, "40");
        EXPECT_EQ(sheet->Inputs->Extent->text(), "3");
        EXPECT_EQ(Cell(*sheet, 1, M::kFlow), AsRead(sheetLoss[0], hot));
        EXPECT_EQ(Cell(*sheet, 1, M::kSaving), sheetLoss[1]);
        EXPECT_EQ(Cell(*sheet, 1, M::kSurface), sheetSurface[0]);
    }
}

} // namespace
