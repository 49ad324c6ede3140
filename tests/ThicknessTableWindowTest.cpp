// The thickness table window driven as a user would: opened from the menus, typed into,
// exported and printed.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

#include "app/Main.h"
#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "config/Uutils.h"
#include "engine/State.h"
#include "engine/ThicknessTable.h"
#include "support/RecordingSeam.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

namespace {

class ThicknessTableWindowTest : public SeamTest {
protected:
    std::unique_ptr<TThicknessTableWindow> window;
    QTemporaryDir dir;

    void SetUp() override {
        SeamTest::SetUp();
        const QString beside = QCoreApplication::applicationDirPath();
        LoadConfiguration(beside, [](const QString&) { return true; });
        LoadPipeTable(beside);
        LoadSheetTable(beside);
        TWorkingValues& wv = Shared().WorkingValues;
        wv.AmbientTemp = 20;
        wv.MediumTemp = 80;
        wv.TubeDiameter = 0.0483f;
        wv.MaterialIndex = 0;
    }
    void TearDown() override {
        window.reset();
        SeamTest::TearDown();
    }

    void Open(bool pipe) { window = std::make_unique<TThicknessTableWindow>(pipe); }

    // Replaces a field's text by typing, key by key.
    void Type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    QString Cell(int row, int column) const {
        const TThicknessModel& m = window->ThicknessModel();
        return m.data(m.index(row, column), Qt::DisplayRole).toString();
    }

    QString Save(QPushButton* button, const QString& name) {
        const QString path = dir.filePath(name);
        seam.onDialog = [path](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(path);
            return int(QDialog::Accepted);
        };
        button->click();
        return path;
    }
};

TEST_F(ThicknessTableWindowTest, MenuItemsOpenTheWindowPrefilled) {
    Tfrm_Main main;
    for (const char* name : {"Menu_Pipes_ThicknessTable", "Menu_Sheets_ThicknessTable"}) {
        auto* item = main.findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(item, nullptr);
        Shared().WorkingValues.AmbientTemp = 21.5f;
        item->trigger();
        auto* opened = main.findChild<TThicknessTableWindow*>();
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(opened->Inputs->Ambient->text(), "21.5");
        const bool pipe = QLatin1String(name).contains(QLatin1String("Pipes"));
        EXPECT_EQ(opened->Tabs->count(), pipe ? 2 : 1);
        EXPECT_EQ(opened->Tabs->tabText(0), "By thickness");
        delete opened;
    }
}

TEST_F(ThicknessTableWindowTest, TypingRecomputesTheTable) {
    Open(true);
    EXPECT_EQ(window->ThicknessModel().rowCount(), 12); // bare and eleven thicknesses
    EXPECT_EQ(Cell(0, TThicknessModel::kSurface), "80.00");
    Type(window->Inputs->Medium, "95");
    EXPECT_EQ(Cell(0, TThicknessModel::kSurface), "95.00");
    EXPECT_EQ(Cell(3, TThicknessModel::kThickness), "13.0");
    EXPECT_EQ(Cell(3, TThicknessModel::kProduct), "VELTRA AF-13-048 / 13 x 48.3 mm");
    Type(window->Inputs->Thicknesses, "10; 20");
    EXPECT_EQ(window->ThicknessModel().rowCount(), 3);
    EXPECT_GT(window->PipeSizeModel().rowCount(), 10);
    EXPECT_TRUE(window->Status->text().isEmpty());
    // By pipe size: the list of sizes replaces the one diameter.
    window->Tabs->setCurrentIndex(1);
    EXPECT_FALSE(window->Inputs->Diameter->isEnabled());
    Type(window->Inputs->Diameters, "21.3 33.7");
    const TPipeSizeModel& sizes = window->PipeSizeModel();
    ASSERT_EQ(sizes.rowCount(), 2);
    EXPECT_EQ(sizes.data(sizes.index(1, TPipeSizeModel::kDiameter), Qt::DisplayRole), "33.7");
}

TEST_F(ThicknessTableWindowTest, BadInputIsMarkedAndTold) {
    Open(true);
    QLineEdit* ambient = window->Inputs->Ambient;
    Type(ambient, "2x");
    EXPECT_EQ(window->Status->text(), "'2x' is not a valid floating point value");
    EXPECT_TRUE(ambient->property("refused").toBool());
    EXPECT_EQ(window->ThicknessModel().rowCount(), 0);
    Type(ambient, "400");
    EXPECT_EQ(window->Status->text(), "Please enter values that make sense!");
    Type(ambient, "20");
    EXPECT_FALSE(ambient->property("refused").toBool());
    EXPECT_EQ(window->ThicknessModel().rowCount(), 12);
    Type(window->Inputs->Medium, "200"); // above the foam's highest temperature
    EXPECT_EQ(window->Status->text(), "Ambient or medium temperature is too high for the "
                                      "selected material! Calculation skipped!");
    EXPECT_TRUE(seam.messages.empty()); // the status line, never a box while typing
}

TEST_F(ThicknessTableWindowTest, CriteriaMinimaAndTheChosenRow) {
    Open(true);
    // A medium hotter than 60 °C starts with the personnel protection limit on.
    EXPECT_TRUE(window->Inputs->LimitOn->isChecked());
    EXPECT_EQ(window->Inputs->Limit->text(), "60");
    Type(window->Inputs->Limit, "40");
    const ThicknessTable& t = window->ThicknessModel().Table();
    ASSERT_TRUE(t.Criteria.SurfaceTemp.Active);
    ASSERT_GE(t.Chosen, 1);
    EXPECT_LE(t.Rows[t.Chosen].SurfaceTemp, 40);
    EXPECT_GT(t.Rows[t.Chosen - 1].SurfaceTemp, 40);
    const TThicknessModel& m = window->ThicknessModel();
    EXPECT_TRUE(m.data(m.index(t.Chosen, 0), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(m.data(m.index(t.Chosen - 1, 0), Qt::BackgroundRole).isValid());
    EXPECT_TRUE(window->Minima->text().contains(
        "Surface temperature limit: " + MinimumText(t.Criteria.SurfaceTemp) + " mm"));
}

TEST_F(ThicknessTableWindowTest, InstalledCostGivesPayback) {
    Open(true);
    TThicknessModel& m = window->ThicknessModel();
    ASSERT_TRUE(m.setData(m.index(4, TThicknessModel::kInstalled), "25.5", Qt::EditRole));
    QApplication::processEvents(); // the queued recomputation
    EXPECT_EQ(Cell(4, TThicknessModel::kInstalled), "25.5");
    EXPECT_FALSE(Cell(4, TThicknessModel::kPayback).isEmpty());
    EXPECT_TRUE(Cell(3, TThicknessModel::kPayback).isEmpty());
    // The only row with a cost pays back within the life: it is the cheapest, in bold.
    EXPECT_EQ(m.Table().Economic, 4);
    EXPECT_TRUE(m.data(m.index(4, 0), Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(window->Minima->text().endsWith("Cheapest over the life (bold): 19.0 mm."));
    EXPECT_FALSE(m.setData(m.index(0, TThicknessModel::kInstalled), "3", Qt::EditRole));
}

TEST_F(ThicknessTableWindowTest, ComputedCoefficientFollowsEachRow) {
    Open(false);
    window->Inputs->CoefficientMode->setCurrentIndex(2); // computed outdoors
    Type(window->Inputs->WindSpeed, "4");
    EXPECT_TRUE(window->Inputs->WindSpeed->isVisibleTo(window->Inputs));
    EXPECT_FALSE(window->Inputs->Coefficient->isVisibleTo(window->Inputs));
    EXPECT_NE(Cell(1, TThicknessModel::kCoefficient), Cell(8, TThicknessModel::kCoefficient));
}

TEST_F(ThicknessTableWindowTest, CsvExportWithUnitsAndEitherDecimal) {
    Open(true);
    QFile file(Save(window->ExportButton, "table.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines[0].startsWith("Thickness (mm),Product,h (W/m²K),Surface (°C)"));
    EXPECT_TRUE(lines[1].startsWith("bare,,")) << lines[1].toStdString();
    EXPECT_EQ(lines[1].split(',')[TThicknessModel::kSurface], "80.00");
    file.close();
    window->DecimalComma->click();
    QFile comma(Save(window->ExportButton, "comma.csv"));
    ASSERT_TRUE(comma.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(comma.readAll());
    EXPECT_TRUE(text.startsWith("Thickness (mm);Product;"));
    const QStringList bare = text.section('\n', 1, 1).split(';');
    ASSERT_EQ(bare.size(), TThicknessModel::kColumns);
    EXPECT_EQ(bare[TThicknessModel::kSurface], "80,00");
    EXPECT_TRUE(bare[TThicknessModel::kFlow].contains(',')); // a number with a decimal comma
    EXPECT_TRUE(text.contains("/ 6 x 48.3 mm"));             // a product's name stays as it is
}

TEST_F(ThicknessTableWindowTest, PrintGoesThroughThePreviewAndPdfIsOnePage) {
    Open(true);
    window->PrintButton->click();
    ASSERT_EQ(seam.dialogTitles.size(), 1);
    EXPECT_EQ(seam.dialogTitles[0], "Thickness table - Pipes, by thickness");
    QFile pdf(Save(window->PdfButton, "table.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
}

// Random accepted and refused texts: no cell ever reads inf or nan.
TEST_F(ThicknessTableWindowTest, NeverShowsInfOrNan) {
    Open(true);
    std::mt19937 random(7);
    const QStringList texts = {"0", "-200", "300", "1e-30", "1e30", "0.001", "96", "25", "-5"};
    QList<QLineEdit*> fields = window->Inputs->findChildren<QLineEdit*>();
    for (int trial = 0; trial < 200; ++trial) {
        QLineEdit* field = fields[random() % fields.size()];
        field->setText(texts[random() % texts.size()]);
        for (int r = 0; r < window->ThicknessModel().rowCount(); ++r)
            for (int c = 0; c < TThicknessModel::kColumns; ++c) {
                const QString cell = Cell(r, c).toLower();
                ASSERT_FALSE(cell.contains("inf") || cell.contains("nan")) << cell.toStdString();
            }
    }
}

TEST_F(ThicknessTableWindowTest, ChartDrawsBothCurvesAndTheLimits) {
    Open(true);
    QImage image(600, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintThicknessChart(painter, image.rect(), window->Chart->Data());
    painter.end();
    int flow = 0, surface = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            flow += c == QColor(0, 70, 160);
            surface += c == QColor(190, 40, 20);
        }
    EXPECT_GT(flow, 100);
    EXPECT_GT(surface, 100);
}

// Pictures for the documentation, run by scripts/table-screenshots under Xvfb.
TEST_F(ThicknessTableWindowTest, DISABLED_Screenshots) {
    const QString shots = qEnvironmentVariable("TERMORA_SHOT_DIR", QDir::currentPath());
    Open(true);
    window->Inputs->MaxFlowOn->click();
    window->Inputs->MaxFlow->setText("20");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_TRUE(window->grab().save(shots + "/thickness-table.png"));
    window->Tabs->setCurrentIndex(1);
    ASSERT_TRUE(window->grab().save(shots + "/thickness-table-pipe-sizes.png"));
    window->Tabs->setCurrentIndex(0);
    QImage page(794, 1123, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(38, 38); // the 10 mm margins at 96 dpi
    PaintTablePage(painter, window->Page());
    painter.end();
    ASSERT_TRUE(page.save(shots + "/thickness-table-page.png"));
}

} // namespace
