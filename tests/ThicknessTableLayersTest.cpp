// The thickness table window with an insulation system as it is built: the object chosen,
// fixed layers added in the layer editor, the rows' interfaces and the materials' limits,
// driven as a user would.
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "support/RecordingSeam.h"
#include "table/GeometryInputs.h"
#include "table/LayerEditor.h"
#include "table/LayeredRows.h"
#include "table/TableInputs.h"
#include "table/ThicknessChart.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

namespace {
constexpr int kFoam = 0; // VELTRA AF elastomeric foam, -50 to 105 °C
constexpr int kWool = 7; // VELTRA MW mineral wool, -20 to 250 °C

class ThicknessTableLayers : public SeamTest {
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
        wv.AmbientTemp = 20, wv.MediumTemp = 80, wv.TubeDiameter = 0.0483f, wv.MaterialIndex = 0;
        Open(true);
    }
    void TearDown() override {
        window.reset();
        SeamTest::TearDown();
    }
    void Open(bool pipe) { window = std::make_unique<TThicknessTableWindow>(pipe); }
    static void Type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // Adds a fixed layer of a material and thickness, typed as a user would.
    void AddLayer(int material, const char* mm) {
        window->Layers->AddButton->click();
        const TLayerEditor::Row& row = window->Layers->Rows().back();
        row.Material->setCurrentIndex(material);
        Type(row.Thickness, QLatin1String(mm));
    }
    QStringList RowCells(int row) const {
        const TLayeredRows& m = window->Rows();
        QStringList cells;
        for (int c = 0; c < m.columnCount(); ++c)
            cells << m.data(m.index(row, c), Qt::DisplayRole).toString();
        return cells;
    }
    std::vector<QStringList> AllRows() const {
        std::vector<QStringList> rows;
        for (int r = 0; r < window->Rows().rowCount(); ++r)
            rows.push_back(RowCells(r));
        return rows;
    }
    // The interface temperatures of a row, medium face first.
    std::vector<double> Interfaces(int row) const {
        const TLayeredRows& m = window->Rows();
        std::vector<double> temps;
        const QString text = m.data(m.index(row, m.InterfacesColumn()), Qt::DisplayRole).toString();
        for (const QString& t : text.section(u'(', 0, 0).split(QStringLiteral(" / ")))
            temps.push_back(t.toDouble());
        return temps;
    }
    void ExpectComputed() const {
        EXPECT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
        EXPECT_GT(window->Rows().rowCount(), 2);
    }
    // Every row's interfaces run from the medium to the row's surface, each layer cooling
    // a hot medium.
    void ExpectInterfacesFromMediumToSurface(size_t layers) const {
        const TLayeredRows& m = window->Rows();
        for (int r = 1; r < m.rowCount(); ++r) {
            const std::vector<double> t = Interfaces(r);
            ASSERT_EQ(t.size(), layers + 1) << r;
            EXPECT_DOUBLE_EQ(t.front(), window->Inputs->Medium->text().toDouble()) << r;
            EXPECT_EQ(QString::number(t.back(), 'f', 2),
                      m.data(m.index(r, TThicknessModel::kSurface), Qt::DisplayRole))
                << r;
            for (size_t i = 1; i < t.size(); ++i)
                EXPECT_LT(t[i], t[i - 1]) << r << " interface " << i;
        }
    }
};

// One layer on the window's own surface is the table as it was: adding a layer and taking
// it away again gives the very same cells, and no column is added.
TEST_F(ThicknessTableLayers, OneLayerIsTheSingleLayersTable) {
    for (bool pipe : {true, false}) {
        Open(pipe);
        const std::vector<QStringList> before = AllRows();
        EXPECT_EQ(window->Rows().columnCount(), TThicknessModel::kColumns);
        AddLayer(kWool, "30");
        EXPECT_NE(AllRows(), before);
        EXPECT_EQ(window->Rows().columnCount(), TThicknessModel::kColumns + 1);
        window->Layers->Rows().back().Remove->click();
        EXPECT_EQ(AllRows(), before);
        EXPECT_EQ(window->Page().inputs.filter(QStringLiteral("Layers")).size(), 0);
    }
}

// Every object with two and three layers: interfaces from the medium to the surface, the
// object's unit in the captions and the extent.
TEST_F(ThicknessTableLayers, EachObjectWithTwoAndThreeLayers) {
    struct Case {
        bool pipe;
        int object; // in the window's list: its own surface, duct, sphere
        const char* unit;
    };
    for (const Case& c : {Case{true, 0, "W/m)"}, Case{false, 0, "W/m²)"}, Case{true, 1, "W/m)"},
                          Case{false, 1, "W/m)"}, Case{true, 2, "W/vessel)"}}) {
        Open(c.pipe);
        Type(window->Inputs->Medium, "90");
        window->Geometry->Object->setCurrentIndex(c.object);
        AddLayer(kFoam, "20");
        ExpectComputed();
        ExpectInterfacesFromMediumToSurface(2);
        AddLayer(kFoam, "10");
        ExpectComputed();
        ExpectInterfacesFromMediumToSurface(3);
        const TLayeredRows& m = window->Rows();
        const QString header =
            m.headerData(TThicknessModel::kFlowPerUnit, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_TRUE(header.endsWith(QString::fromUtf8(c.unit))) << header.toStdString();
        EXPECT_TRUE(header.endsWith("W/" + window->Chart->Data().unit + u')')); // the chart's too
        EXPECT_TRUE(m.data(m.index(2, 0), Qt::ToolTipRole).toString().contains("Interfaces"));
        // Thicker outer layers keep the heat in: the loss falls row by row.
        for (int r = 2; r < m.rowCount(); ++r)
            EXPECT_LT(
                m.data(m.index(r, TThicknessModel::kFlowPerUnit), Qt::DisplayRole).toDouble(),
                m.data(m.index(r - 1, TThicknessModel::kFlowPerUnit), Qt::DisplayRole).toDouble());
    }
}

// Sizes of the object are checked as every field is; a sphere of 1 m loses less per vessel
// through the same layers than a sphere of 2 m.
TEST_F(ThicknessTableLayers, ObjectSizesAreReadAndChecked) {
    window->Geometry->Object->setCurrentIndex(2);
    Type(window->Geometry->Diameter, "0");
    EXPECT_EQ(window->Status->text(), "Please enter values that make sense!");
    EXPECT_TRUE(window->Geometry->Diameter->property("refused").toBool());
    EXPECT_FALSE(window->ExportButton->isEnabled());
    auto flow = [this] {
        const TLayeredRows& m = window->Rows();
        return m.data(m.index(3, TThicknessModel::kFlowPerUnit), Qt::DisplayRole).toDouble();
    };
    Type(window->Geometry->Diameter, "1000");
    ExpectComputed();
    const double small = flow();
    Type(window->Geometry->Diameter, "2000");
    EXPECT_GT(flow(), 3 * small);
    window->Geometry->Object->setCurrentIndex(1);
    Type(window->Geometry->Width, "-1");
    EXPECT_TRUE(window->Geometry->Width->property("refused").toBool());
    EXPECT_FALSE(window->Geometry->Diameter->property("refused").toBool());
    Type(window->Geometry->Width, "400,5"); // a decimal comma as every field takes it
    ExpectComputed();
}

// Foam over a thin layer of wool on a 200 °C line: the foam's inner face is hotter than it
// may be until the wool is thick enough. The minimum inner layer is in the minima line, the
// rows thinner than it are warned and never chosen, the thicker ones are not warned.
TEST_F(ThicknessTableLayers, InnerLayerKeepsTheOuterMaterialWithinItsLimit) {
    window->Inputs->Material->setCurrentIndex(kWool);
    Type(window->Inputs->Medium, "200");
    window->Layers->Varied->setCurrentIndex(1); // the table varies the inner layer
    AddLayer(kFoam, "30");
    ExpectComputed();
    const QString minima = window->Minima->text();
    const QString caption =
        QStringLiteral("Minimum inner layer so that the outer material stays within its limit: ");
    ASSERT_TRUE(minima.contains(caption)) << minima.toStdString();
    const double inner = minima.section(caption, 1).section(u' ', 0, 0).toDouble();
    EXPECT_GT(inner, 1);
    EXPECT_TRUE(minima.contains("Warning: an interface is beyond")) << minima.toStdString();
    const TLayeredRows& m = window->Rows();
    const ThicknessTable& t = window->ThicknessModel().Table();
    int warned = 0;
    for (int r = 1; r < m.rowCount(); ++r) {
        const double mm = m.data(m.index(r, 0), Qt::DisplayRole).toDouble();
        const bool beyond = mm < inner;
        const QString interfaces =
            m.data(m.index(r, m.InterfacesColumn()), Qt::DisplayRole).toString();
        EXPECT_EQ(interfaces.endsWith("(beyond limits)"), beyond) << mm;
        EXPECT_EQ(m.data(m.index(r, 0), Qt::BackgroundRole).isValid() && r != t.Chosen, beyond);
        EXPECT_EQ(Interfaces(r)[1] > 105.005, beyond) << mm;
        if (beyond) {
            EXPECT_FALSE(t.Rows[static_cast<size_t>(r)].MeetsCriteria) << mm;
            EXPECT_TRUE(minima.contains(m.data(m.index(r, 0), Qt::DisplayRole).toString()));
            ++warned;
        }
    }
    EXPECT_GT(warned, 0);
    // The foam laid on the line itself is refused as a single foam layer is.
    window->Layers->Varied->setCurrentIndex(0);
    window->Inputs->Material->setCurrentIndex(kFoam);
    window->Layers->Rows().back().Material->setCurrentIndex(kWool);
    ExpectComputed();
    EXPECT_TRUE(window->Minima->text().contains("Warning: an interface is beyond"));
    EXPECT_FALSE(window->Minima->text().contains(caption));
}

// Products are named only where the table's layer is laid on the pipe itself.
TEST_F(ThicknessTableLayers, ProductsOnlyForTheLayerOnThePipe) {
    auto products = [this] {
        int named = 0;
        const TLayeredRows& m = window->Rows();
        for (int r = 1; r < m.rowCount(); ++r)
            named += m.data(m.index(r, TThicknessModel::kProduct), Qt::DisplayRole) != "-/-";
        return named;
    };
    EXPECT_GT(products(), 0);
    AddLayer(kWool, "20");
    EXPECT_EQ(products(), 0); // the foam is outside the wool
    const TLayeredRows& m = window->Rows();
    EXPECT_TRUE(m.data(m.index(3, TThicknessModel::kProduct), Qt::ToolTipRole)
                    .toString()
                    .contains("laid on the pipe or wall itself"));
    window->Layers->Varied->setCurrentIndex(1);
    EXPECT_GT(products(), 0);
}

// At most five layers in all: four fixed ones and the table's.
TEST_F(ThicknessTableLayers, FiveLayersAtMost) {
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(window->Layers->AddLayer());
    EXPECT_FALSE(window->Layers->AddButton->isEnabled());
    EXPECT_FALSE(window->Layers->AddLayer());
    for (const TLayerEditor::Row& row : window->Layers->Rows())
        Type(row.Thickness, QStringLiteral("5"));
    ExpectComputed();
    EXPECT_EQ(Interfaces(1).size(), 6u);
    Type(window->Layers->Rows()[2].Thickness, QStringLiteral("x"));
    EXPECT_EQ(window->Status->text(), "Please enter values that make sense!");
}

// The CSV and the page carry the object and the layer set, the rows their interfaces.
TEST_F(ThicknessTableLayers, CsvAndPageCarryObjectAndLayers) {
    window->Geometry->Object->setCurrentIndex(1);
    Type(window->Geometry->Width, "400");
    Type(window->Geometry->Height, "250");
    AddLayer(kWool, "25");
    window->Layers->Varied->setCurrentIndex(1);
    ExpectComputed();
    const QString path = dir.filePath(QStringLiteral("duct.csv"));
    seam.onDialog = [path](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(path);
        return int(QDialog::Accepted);
    };
    window->ExportButton->click();
    QFile file(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return file.exists(); }, 60000));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(file.readAll());
    const QStringList lines = csv.split(u'\n');
    EXPECT_TRUE(lines.first().endsWith("Interfaces (°C)")) << lines.first().toStdString();
    EXPECT_TRUE(lines.first().contains("Heat loss (W/m)"));
    EXPECT_TRUE(csv.contains("Object: rectangular duct, outer width 400 mm, height 250 mm"))
        << csv.toStdString();
    EXPECT_TRUE(csv.contains("Layers (inside out): 1 VELTRA AF elastomeric foam (varied); "
                             "2 VELTRA MW mineral wool pipe section 25 mm"))
        << csv.toStdString();
    const QStringList inputs = window->Page().inputs;
    EXPECT_TRUE(inputs.contains("Duct length (m): " + window->Inputs->Extent->text()));
    EXPECT_EQ(inputs.filter(QStringLiteral("Layers (inside out)")).size(), 1);
}

} // namespace
