// The thickness table window with an insulation system: the object chosen, fixed layers added
// in the layer editor, the rows' interfaces and the materials' limits.
#include "support/TableWindowFixture.h"
#include "table/GeometryInputs.h"
#include "table/LayerEditor.h"
#include "table/LayeredRows.h"
#include "table/TableOutput.h"
#include "table/ThicknessChart.h"

namespace {

class ThicknessTableLayers : public TableWindowTest {
protected:
    // Adds a fixed layer of a material and thickness, typed as a user would.
    void AddLayer(int material, const char* mm) {
        window->Layers->AddButton->click();
        const TLayerEditor::Row& row = window->Layers->Rows().back();
        row.Material->setCurrentIndex(material);
        Type(row.Thickness, QLatin1String(mm));
    }
    QVariant At(int row, int column, int role = Qt::DisplayRole) const {
        const TLayeredRows& m = window->Rows();
        return m.data(m.index(row, column), role);
    }
    // The interface temperatures of a row, medium face first.
    std::vector<double> Interfaces(int row) const {
        std::vector<double> temps;
        const QString text = At(row, window->Rows().InterfacesColumn()).toString();
        for (const QString& t : text.section(u'(', 0, 0).split(QStringLiteral(" / ")))
            temps.push_back(t.toDouble());
        return temps;
    }
    void ExpectComputed() const {
        ExpectNoStatus();
        EXPECT_GT(window->Rows().rowCount(), 2);
    }
    // Every row's interfaces run from the medium to the row's surface, each layer cooling
    // a hot medium.
    void ExpectInterfacesFromMediumToSurface(size_t layers) const {
        for (int r = 1; r < window->Rows().rowCount(); ++r) {
            const std::vector<double> t = Interfaces(r);
            ASSERT_EQ(t.size(), layers + 1) << r;
            EXPECT_DOUBLE_EQ(t.front(), window->Inputs->Medium->text().toDouble()) << r;
            EXPECT_EQ(QString::number(t.back(), 'f', 2), At(r, M::kSurface)) << r;
            for (size_t i = 1; i < t.size(); ++i)
                EXPECT_LT(t[i], t[i - 1]) << r << " interface " << i;
        }
    }
};

// Every object with two and three layers; taking them away again gives the very same cells,
// and on the window's own surface one layer is the table as it was, no column added.
TEST_F(ThicknessTableLayers, EachObjectWithTwoAndThreeLayers) {
    using Case = std::tuple<bool, int, const char*>; // pipe, object in the window's list, unit
    for (auto [pipe, object, unit] :
         {Case{true, 0, "W/m)"}, Case{false, 0, "W/m²)"}, Case{true, 1, "W/m)"},
          Case{false, 1, "W/m)"}, Case{true, 2, "W/vessel)"}}) {
        Open(pipe);
        Type(window->Inputs->Medium, "90");
        window->Geometry->Object->setCurrentIndex(object);
        const QString before = CsvText(window->Rows(), false); // every caption and cell
        const bool own = object == 0; // the window's own surface, one layer on it
        EXPECT_EQ(window->Rows().columnCount() == M::kColumns, own);
        for (size_t layers : {2u, 3u}) {
            AddLayer(kFoam, layers == 2 ? "20" : "10");
            ExpectComputed();
            ExpectInterfacesFromMediumToSurface(layers);
        }
        const TLayeredRows& m = window->Rows();
        const QString header =
            m.headerData(M::kFlowPerUnit, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_TRUE(header.endsWith(QString::fromUtf8(unit))) << header.toStdString();
        EXPECT_TRUE(header.endsWith("W/" + window->Chart->Data().unit + u')')); // the chart's too
        EXPECT_TRUE(At(2, 0, Qt::ToolTipRole).toString().contains("Interfaces"));
        // Thicker outer layers keep the heat in: the loss falls row by row.
        for (int r = 2; r < m.rowCount(); ++r)
            EXPECT_LT(At(r, M::kFlowPerUnit).toDouble(), At(r - 1, M::kFlowPerUnit).toDouble());
        EXPECT_EQ(m.columnCount(), M::kColumns + 1);
        for (int fixed = 2; fixed > 0; --fixed)
            window->Layers->Rows()[fixed - 1].Remove->click();
        EXPECT_EQ(CsvText(window->Rows(), false), before);
        EXPECT_EQ(window->Page().inputs.filter(QStringLiteral("Layers")).isEmpty(), own);
    }
}

// Sizes of the object are checked as every field is, a sphere of 1 m loses less per vessel
// than one of 2 m, and the CSV and the page carry the object and the layer set.
TEST_F(ThicknessTableLayers, ObjectSizesCheckedAndCarriedWithTheLayers) {
    window->Geometry->Object->setCurrentIndex(2);
    Type(window->Geometry->Diameter, "0");
    EXPECT_EQ(window->Status->text(), "Please enter values that make sense!");
    EXPECT_TRUE(window->Geometry->Diameter->property("refused").toBool());
    EXPECT_FALSE(window->ExportButton->isEnabled());
    auto flow = [this] { return At(3, M::kFlowPerUnit).toDouble(); };
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
    Type(window->Geometry->Height, "250");
    AddLayer(kWool, "25");
    window->Layers->Varied->setCurrentIndex(1);
    ExpectComputed();
    const QString csv = QString::fromUtf8(Contents(SaveAs(window->ExportButton, "duct.csv")));
    const QStringList lines = csv.split(u'\n');
    EXPECT_TRUE(lines.first().endsWith("Interfaces (°C)")) << lines.first().toStdString();
    EXPECT_TRUE(csv.contains("Object: rectangular duct, outer width 400.5 mm, height 250 mm"))
        << csv.toStdString();
    EXPECT_TRUE(csv.contains("Layers (inside out): 1 VELTRA AF elastomeric foam (varied); "
                             "2 VELTRA MW mineral wool pipe section 25 mm"))
        << csv.toStdString();
    const QStringList inputs = window->Page().inputs;
    EXPECT_TRUE(inputs.contains("Duct length (m): " + window->Inputs->Extent->text()));
    EXPECT_EQ(inputs.filter(QStringLiteral("Layers (inside out)")).size(), 1);
}

// Foam over wool on a 200 °C line: rows of wool thinner than the minimum inner layer leave the
// foam too hot; they alone are warned and never chosen.
TEST_F(ThicknessTableLayers, InnerLayerKeepsTheOuterMaterialWithinItsLimit) {
    window->Inputs->Material->setCurrentIndex(kWool);
    Type(window->Inputs->Medium, "200");
    window->Layers->Varied->setCurrentIndex(1); // the table varies the inner layer
    AddLayer(kFoam, "30");
    ExpectComputed();
    const QString minima = Minima();
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
        const double mm = At(r, 0).toDouble();
        const bool beyond = mm < inner;
        EXPECT_EQ(At(r, m.InterfacesColumn()).toString().endsWith("(beyond limits)"), beyond) << mm;
        EXPECT_EQ(At(r, 0, Qt::BackgroundRole).isValid() && r != t.Chosen, beyond);
        EXPECT_EQ(Interfaces(r)[1] > 105.005, beyond) << mm;
        if (beyond) {
            EXPECT_FALSE(t.Rows[static_cast<size_t>(r)].MeetsCriteria) << mm;
            EXPECT_TRUE(minima.contains(At(r, 0).toString()));
            ++warned;
        }
    }
    EXPECT_GT(warned, 0);
    // The foam laid on the line itself is refused as a single foam layer is.
    window->Layers->Varied->setCurrentIndex(0);
    window->Inputs->Material->setCurrentIndex(kFoam);
    window->Layers->Rows().back().Material->setCurrentIndex(kWool);
    ExpectComputed();
    EXPECT_TRUE(Minima().contains("Warning: an interface is beyond"));
    EXPECT_FALSE(Minima().contains(caption));
}

// Products are named only where the table's layer is laid on the pipe itself.
TEST_F(ThicknessTableLayers, ProductsOnlyForTheLayerOnThePipe) {
    auto products = [this] {
        int named = 0;
        for (int r = 1; r < window->Rows().rowCount(); ++r)
            named += At(r, M::kProduct) != "-/-";
        return named;
    };
    EXPECT_GT(products(), 0);
    AddLayer(kWool, "20");
    EXPECT_EQ(products(), 0); // the foam is outside the wool
    EXPECT_TRUE(
        At(3, M::kProduct, Qt::ToolTipRole).toString().contains("laid on the pipe or wall itself"));
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

} // namespace
