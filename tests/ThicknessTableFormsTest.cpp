// The thickness table shows, for the values the last form left, what the calculation forms
// show where their rules agree (λ one value; the table takes it at the layer's mean, the
// forms at the mean of ambient and medium). Each runs through its real form first.
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
                    std::initializer_list<int> wanted, int material = kUser) {
        Open(type, lines, material);
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
        return !hot ? formFlow : formFlow.startsWith(u'-') ? formFlow.mid(1) : u'-' + formFlow;
    }
    static QString Cell(TThicknessTableWindow& w, int row, int column, int role = Qt::DisplayRole) {
        const TThicknessModel& m = w.ThicknessModel();
        return m.data(m.index(row, column), role).toString();
    }
};

TEST_F(ThicknessTableForms, RowsReadAsTheFormsWhereLambdaIsOneValue) {
    using M = TThicknessModel;
    Shared().WorkingValues.KFactor = 0.04f;
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

// With λ rising with temperature the table's rule gives a hotter surface and a larger heat
// flow for a hot medium than the forms' (λ at the hotter mean of medium and surface).
TEST_F(ThicknessTableForms, LayersOwnLambdaDiffersFromTheFormsRule) {
    using M = TThicknessModel;
    const QString flow =
        Run(2, {"25", "140", "60.3", "30", "10", nullptr, "8", "0.5"}, {2}, kWool)[0];
    const QString surface = Run(1, {"25", "140", "60.3", "30", nullptr, "8"}, {1}, kWool)[0];
    auto pipe = Table(true, "30");
    EXPECT_GT(Cell(*pipe, 1, M::kSurface).toDouble(), surface.toDouble());
    // The form's flow is < 0 out of the medium; the table reads it as a heat loss, > 0.
    EXPECT_GT(Cell(*pipe, 1, M::kFlow).toDouble(), AsRead(flow, true).toDouble());
    EXPECT_TRUE(Cell(*pipe, 1, M::kSurface, Qt::ToolTipRole).contains("mean temperature"));
}

// The no-condensation minimum is the condensation form's, to the digits the form shows.
TEST_F(ThicknessTableForms, NoCondensationAsTheCondensationForms) {
    auto expect = [](bool pipe, const char* row, const QString& form) {
        const QString minima = Table(pipe, row)->Minima->text();
        EXPECT_TRUE(minima.contains("No condensation: " + form + " mm")) << minima.toStdString();
    };
    expect(true, "6", Run(0, {"-10.4", "-43.7", "18", nullptr, "20.19", "60"}, {1}, kWool)[0]);
    expect(false, "32", Run(5, {"20", "-25", nullptr, "9", "75"}, {1}, kWool)[0]);
}

} // namespace
