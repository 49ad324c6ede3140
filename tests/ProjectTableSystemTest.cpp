// "Open in thickness table" and "Add to project" carry a line's whole insulation system: the
// object with its sizes and the fixed layers, each through the window that offers the object.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "project/NumberText.h"
#include "support/ProjectWindowFixture.h"
#include "table/GeometryInputs.h"
#include "table/LayerEditor.h"
#include "table/TableInputs.h"
#include "table/ThicknessTableWindow.h"

namespace {
struct SystemCase {
    const char* kind;
    Shape shape;
    std::vector<std::pair<LineField, const char*>> cells;
};
} // namespace

TEST_F(ProjectWindowTest, TableCarriesObjectAndLayersBothWays) {
    const std::vector<SystemCase> cases = {
        {"duct",
         Shape::Duct,
         {{LineField::DuctWidth, "600"},
          {LineField::DuctHeight, "250,5"},
          {LineField::Layers, "VELTRA MW mineral wool pipe section 40; k=0.045 25"},
          {LineField::VariedLayer, "inner"}}},
        {"sphere",
         Shape::Sphere,
         {{LineField::Diameter, "1800"},
          {LineField::Layers, "VELTRA HT EPDM high-temperature rubber foam 30"}}},
    };
    for (const SystemCase& c : cases) {
        SCOPED_TRACE(c.kind);
        window->AddAction->trigger();
        const int row = static_cast<int>(Doc().Lines.size()) - 1;
        Type(row, LineField::Kind, c.kind);
        Type(row, LineField::MediumTemp, "180");
        Type(row, LineField::Material, "VELTRA GW glass wool pipe section");
        for (const auto& [field, text] : c.cells)
            Type(row, field, text);
        const Line original = Doc().Lines[static_cast<size_t>(row)];
        ASSERT_EQ(original.Kind == LineKind::Duct ? 2u : 1u, original.Layers.size());
        window->LinesView->setCurrentIndex(ViewIndex(row, 0));
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
        const Line& added = Doc().Lines.back();
        EXPECT_EQ(added.Kind, original.Kind);
        EXPECT_EQ(added.DiameterMm, original.DiameterMm);
        EXPECT_EQ(added.DuctWidthMm, original.DuctWidthMm);
        EXPECT_EQ(added.DuctHeightMm, original.DuctHeightMm);
        EXPECT_EQ(added.Layers, original.Layers);
        EXPECT_EQ(added.Varied, original.Varied);
        EXPECT_EQ(added.Material, original.Material);
        EXPECT_EQ(added.MediumTemp, original.MediumTemp);
        EXPECT_TRUE(added == original) << "another input differs";
    }
}
