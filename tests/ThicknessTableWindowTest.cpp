// The thickness table window driven as a user would: opened from the menus, typed into,
// exported and printed.
#include <QAction>
#include <QFont>
#include <QPainter>
#include <QTabWidget>
#include <random>

#include "app/Main.h"
#include "support/TableWindowFixture.h"

namespace {

using ThicknessTableWindowTest = TableWindowTest;

TEST_F(ThicknessTableWindowTest, MenuItemsOpenTheWindowPrefilled) {
    Tfrm_Main main;
    Shared().WorkingValues.AmbientTemp = 21.5f;
    for (const char* name : {"Menu_Pipes_ThicknessTable", "Menu_Sheets_ThicknessTable"}) {
        auto* item = main.findChild<QAction*>(QLatin1String(name));
        ASSERT_TRUE(item);
        item->trigger();
        std::unique_ptr<TThicknessTableWindow> opened(main.findChild<TThicknessTableWindow*>());
        ASSERT_TRUE(opened && opened->isVisible());
        EXPECT_EQ(opened->Inputs->Ambient->text(), "21.5");
        EXPECT_EQ(opened->Tabs->count(), QByteArray(name).contains("Pipes") ? 2 : 1);
    }
}

TEST_F(ThicknessTableWindowTest, TypingRecomputesAndBadInputIsTold) {
    EXPECT_EQ(window->ThicknessModel().rowCount(), 12); // bare and eleven thicknesses
    Type(window->Inputs->Medium, "95");
    EXPECT_EQ(Cell(0, TThicknessModel::kSurface), "95.00");
    EXPECT_EQ(Cell(3, TThicknessModel::kProduct), "VELTRA AF-13-048 / 13 x 48.3 mm");
    QLineEdit* ambient = window->Inputs->Ambient;
    for (auto [text, told] : {std::pair{"2x", "'2x' is not a valid floating point value"},
                              {"400", "Please enter values that make sense!"}}) {
        Type(ambient, text);
        EXPECT_EQ(window->Status->text(), told);
        EXPECT_TRUE(ambient->property("refused").toBool());
        EXPECT_EQ(window->ThicknessModel().rowCount(), 0);
    }
    Type(ambient, "20");
    EXPECT_FALSE(ambient->property("refused").toBool());
    Type(window->Inputs->Medium, "200"); // above the foam's highest temperature
    EXPECT_EQ(window->Status->text(), "Ambient or medium temperature is too high for the "
                                      "selected material! Calculation skipped!");
    EXPECT_TRUE(seam.messages.empty()); // the status line, never a box while typing
    Type(window->Inputs->Medium, "80");
    Type(window->Inputs->Thicknesses, "10; 20");
    EXPECT_EQ(window->ThicknessModel().rowCount(), 3);
    // By pipe size: the list of sizes replaces the one diameter.
    window->Tabs->setCurrentIndex(1);
    EXPECT_FALSE(window->Inputs->Diameter->isEnabled());
    Type(window->Inputs->Diameters, "21.3 33.7");
    const TPipeSizeModel& sizes = window->PipeSizeModel();
    ASSERT_EQ(sizes.rowCount(), 2);
    EXPECT_EQ(sizes.data(sizes.index(1, TPipeSizeModel::kDiameter), Qt::DisplayRole), "33.7");
}

TEST_F(ThicknessTableWindowTest, CriteriaCostsAndCoefficientModes) {
    EXPECT_TRUE(window->Inputs->LimitOn->isChecked()); // on for a medium above 60 °C
    Type(window->Inputs->Limit, "40");
    TThicknessModel& m = window->ThicknessModel();
    const int chosen = m.Table().Chosen;
    ASSERT_GE(chosen, 1);
    for (int row = 0; row < m.rowCount(); ++row) // the chosen row alone is highlighted
        EXPECT_EQ(m.data(m.index(row, 0), Qt::BackgroundRole).isValid(), row == chosen) << row;
    EXPECT_TRUE(window->Minima->text().contains(
        "Surface temperature limit: " + MinimumText(m.Table().Criteria.SurfaceTemp, 3) + " mm"));
    // The only row with an installed cost pays back within the life: the cheapest, in bold.
    EXPECT_FALSE(m.setData(m.index(0, TThicknessModel::kInstalled), "3", Qt::EditRole));
    ASSERT_TRUE(m.setData(m.index(4, TThicknessModel::kInstalled), "25.5", Qt::EditRole));
    QApplication::processEvents(); // the queued recomputation
    EXPECT_EQ(Cell(4, TThicknessModel::kInstalled), "25.5");
    EXPECT_FALSE(Cell(4, TThicknessModel::kPayback).isEmpty());
    EXPECT_TRUE(m.data(m.index(4, 0), Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(window->Minima->text().endsWith("Cheapest over the life (bold): 19.0 mm."));
    window->Inputs->CoefficientMode->setCurrentIndex(2); // computed outdoors: h per row
    EXPECT_NE(Cell(1, TThicknessModel::kCoefficient), Cell(8, TThicknessModel::kCoefficient));
}

TEST_F(ThicknessTableWindowTest, PrintCsvEitherDecimalAndOnePagePdf) {
    window->PrintButton->click();
    QApplication::processEvents();
    EXPECT_EQ(seam.dialogTitles, QStringList{"Thickness table - Pipes, by thickness"});
    const QString csv = QString::fromUtf8(Contents(SaveAs(window->ExportButton, "a.csv")));
    const QStringList lines = csv.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines[0].startsWith("Thickness (mm),Product,h (W/m²K),Surface (°C)"));
    EXPECT_EQ(lines[1].split(',')[TThicknessModel::kSurface], "80.00");
    window->DecimalComma->click();
    const QString text = QString::fromUtf8(Contents(SaveAs(window->ExportButton, "b.csv")));
    EXPECT_TRUE(text.startsWith("Thickness (mm);Product;"));
    const QStringList bare = text.section('\n', 1, 1).split(';');
    ASSERT_EQ(bare.size(), TThicknessModel::kColumns);
    EXPECT_EQ(bare[TThicknessModel::kSurface], "80,00");
    EXPECT_TRUE(text.contains("/ 6 x 48.3 mm")); // a product's name stays as it is
    const QByteArray pdf = Contents(SaveAs(window->PdfButton, "c.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
}

// Random accepted and refused texts in random fields: no cell ever reads inf or nan.
TEST_F(ThicknessTableWindowTest, NeverShowsInfOrNan) {
    std::mt19937 random(7);
    const QStringList texts = {"0", "-200", "300", "1e-30", "1e30", "0.001", "96", "25", "-5"};
    QList<QLineEdit*> fields = window->Inputs->findChildren<QLineEdit*>();
    for (int trial = 0; trial < 200; ++trial) {
        fields[random() % fields.size()]->setText(texts[random() % texts.size()]);
        for (int r = 0; r < window->ThicknessModel().rowCount(); ++r)
            for (int c = 0; c < TThicknessModel::kColumns; ++c)
                ASSERT_FALSE(Cell(r, c).contains("inf") || Cell(r, c).contains("nan"));
    }
}

TEST_F(ThicknessTableWindowTest, ChartDrawsBothCurves) {
    QImage image(600, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintThicknessChart(painter, image.rect(), window->Chart->Data());
    painter.end();
    for (const QColor curve : {QColor(0, 70, 160), QColor(190, 40, 20)}) { // flow, surface
        int pixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                pixels += image.pixelColor(x, y) == curve;
        EXPECT_GT(pixels, 100);
    }
}

} // namespace
