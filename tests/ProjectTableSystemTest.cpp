// "Open in thickness table" and "Add to project" carry a line's whole insulation system, each
// object through the window that offers it.
#include "support/ProjectWindowFixture.h"
#include "table/GeometryInputs.h"
#include "table/LayerEditor.h"

TEST_F(ProjectWindowTest, TableCarriesObjectAndLayersBothWays) {
    using F = LineField;
    const struct {
        const char* kind;
        Shape shape;
        std::vector<std::pair<LineField, const char*>> cells;
    } cases[] = {
        {"duct",
         Shape::Duct,
         {{F::DuctWidth, "600"},
          {F::DuctHeight, "250,5"},
          {F::Layers, "VELTRA MW mineral wool pipe section 40; k=0.045 25"},
          {F::VariedLayer, "inner"}}},
        {"sphere",
         Shape::Sphere,
         {{F::Diameter, "1800"}, {F::Layers, "VELTRA HT EPDM high-temperature rubber foam 30"}}},
        {"pipe",
         Shape::Pipe,
         {{F::Diameter, "114,3"},
          {F::Installation, "outdoors"},
          {F::WindSpeed, "4"},
          {F::Layers, "k=0.045 20"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        window->AddAction->trigger();
        const int row = static_cast<int>(Doc().Lines.size()) - 1;
        Type(row, F::Kind, c.kind);
        Type(row, F::MediumTemp, "180");
        Type(row, F::Material, "VELTRA GW glass wool pipe section");
        for (const auto& [field, text] : c.cells)
            Type(row, field, text);
        const Line original = Doc().Lines[static_cast<size_t>(row)];
        ASSERT_FALSE(original.Layers.empty());
        window->LinesView->setCurrentIndex(ViewIndex(row, F::Tag));
        window->TableAction->trigger();
        auto* table = window->findChild<TThicknessTableWindow*>();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->Geometry->Current(), c.shape);
        ASSERT_EQ(table->Layers->Rows().size(), original.Layers.size());
        for (size_t i = 0; i < original.Layers.size(); ++i) {
            const TLayerEditor::Row& shown = table->Layers->Rows()[i];
            EXPECT_EQ(shown.Material->currentText(), original.Layers[i].Material) << i;
            EXPECT_EQ(TryNumber(shown.Thickness->text()), original.Layers[i].ThicknessMm) << i;
        }
        EXPECT_EQ(table->Layers->Varied->currentIndex() == 1,
                  original.Varied == VariedLayer::Inner);
        ASSERT_TRUE(QTest::qWaitFor([&] { return table->AddToProjectButton->isEnabled(); }, 60000))
            << table->Status->text().toStdString();
        table->AddToProjectButton->click();
        QApplication::processEvents();
        const QPointer<TThicknessTableWindow> opened = table;
        table->close();
        delete opened.data();
        ASSERT_EQ(Doc().Lines.size(), static_cast<size_t>(row) + 2);
        EXPECT_TRUE(Doc().Lines.back() == original) << "an input differs";
    }
}
