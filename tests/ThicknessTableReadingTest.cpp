// What the engineer reads in the thickness table window: captions, products, pipe series,
// digits, economics, a laptop screen, the chart's texts and pages that lose nothing.
#include <QHeaderView>
#include <QPainter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>

#include "support/PdfWords.h"
#include "support/TableWindowFixture.h"
#include "table/TableOutput.h"

namespace {

class TableReading : public TableWindowTest {
protected:
    static QString Header(const QAbstractItemModel& m, int column) {
        return m.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    void Cost(int row, const QString& text) {
        M& m = window->ThicknessModel();
        ASSERT_TRUE(m.setData(m.index(row, M::kInstalled), text, Qt::EditRole));
        QApplication::processEvents(); // the queued recomputation
    }
    // The texts the chart paints in an image of that size, each inside the chart's frame.
    QStringList ChartTexts(QSize size) const {
        std::vector<ChartText> texts;
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        const QRectF frame(10, 10, size.width() - 20, size.height() - 20);
        PaintThicknessChart(painter, frame, window->Chart->Data(), &texts);
        QStringList seen;
        for (const ChartText& t : texts) {
            EXPECT_TRUE(frame.contains(t.box)) << t.text.toStdString() << " " << size.width();
            seen << t.text;
        }
        return seen;
    }
};

TEST_F(TableReading, HeatLossForAHotMediumHeatGainForACold) {
    for (auto [medium, words] : {std::pair{"80", "Heat loss"}, {"-10", "Heat gain"}}) {
        Type(window->Inputs->Medium, medium);
        const M& m = window->ThicknessModel();
        const QString axis = QString(words) + " (W/m)";
        EXPECT_EQ(Header(m, M::kFlowPerUnit), axis);
        EXPECT_EQ(Header(m, M::kFlow), QString(words) + " (W)");
        EXPECT_EQ(Header(window->PipeSizeModel(), TPipeSizeModel::kFlowPerMetre), axis);
        EXPECT_TRUE(ChartTexts(QSize(700, 320)).contains(axis));
    }
}

TEST_F(TableReading, ProductsOnlyOfTheirOwnThicknessAndMaterial) {
    Type(window->Inputs->Thicknesses, "1 13 14");
    EXPECT_EQ(Cell(1, M::kProduct), "-/-");
    EXPECT_TRUE(Cell(1, M::kProduct, Qt::ToolTipRole).contains("VELTRA AF-06-048 / 6 x 48.3 mm"));
    EXPECT_TRUE(Cell(3, M::kProduct, Qt::ToolTipRole).contains("19 x 48.3 mm"));
    // Mineral wool on a steam line: the foam's products (up to 105 °C) are never offered.
    window->Inputs->Material->setCurrentIndex(kWool);
    Type(window->Inputs->Medium, "180");
    ASSERT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
    EXPECT_EQ(Cell(2, M::kProduct), "-/-");
    EXPECT_TRUE(Cell(2, M::kProduct, Qt::ToolTipRole).endsWith("has no nominal table."));
    window->Tabs->setCurrentIndex(1);
    const TPipeSizeModel& sizes = window->PipeSizeModel();
    ASSERT_GT(sizes.rowCount(), 5);
    for (int r = 0; r < sizes.rowCount(); ++r)
        EXPECT_FALSE(sizes.index(r, TPipeSizeModel::kProduct).data().toString().contains("VELTRA"));
}

TEST_F(TableReading, PipeSeriesOfSteelAndCopper) {
    window->Tabs->setCurrentIndex(1);
    QComboBox* series = window->Inputs->Series;
    const TPipeSizeModel& sizes = window->PipeSizeModel();
    auto diameters = [&sizes] {
        QStringList all;
        for (int r = 0; r < sizes.rowCount(); ++r)
            all << sizes.index(r, 0).data().toString();
        return all;
    };
    EXPECT_EQ(diameters().constLast(), "160");     // the nominal table's, first
    for (auto [name, count, first, within, last] : // 168.3: a DN 150 steam main
         {std::tuple{"Steel", 19, "21.3", "168.3", "610"}, {"Copper", 16, "6", "66.7", "108"}}) {
        series->setCurrentIndex(series->findText(name, Qt::MatchStartsWith));
        const QStringList all = diameters();
        ASSERT_EQ(all.size(), count) << name;
        EXPECT_TRUE(all.first() == first && all.contains(within) && all.last() == last)
            << all.join(u' ').toStdString();
    }
}

TEST_F(TableReading, DigitsEnoughToCompareAndADecimalComma) {
    Type(window->Inputs->Extent, "0,5"); // a decimal comma, as the forms take it
    Type(window->Inputs->Hours, "10");
    Type(window->Inputs->Thicknesses, "6,5 13");
    ASSERT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
    EXPECT_EQ(Cell(1, M::kThickness), "6.5");
    Cost(2, "0,02");
    EXPECT_EQ(Cell(2, M::kInstalled), "0.02");
    const ThicknessRow& row = window->ThicknessModel().Table().Rows[2];
    ASSERT_TRUE(row.PaybackYears);
    ASSERT_LT(*row.PaybackYears, 0.1f);
    static const QRegularExpression leadingZeros("^[0.]*");
    for (auto [column, digits] : {std::pair{M::kPayback, 2}, {M::kEnergy, 3}, {M::kCo2, 3}}) {
        const QString text = Cell(2, column);
        EXPECT_GE(QString(text).remove(leadingZeros).remove(u'.').size(), digits)
            << text.toStdString();
    }
    for (QLineEdit* field : window->Inputs->findChildren<QLineEdit*>())
        EXPECT_FALSE(field->property("refused").toBool()) << field->objectName().toStdString();
}

TEST_F(TableReading, PresentValueFuelPriceAndTheThickestListed) {
    Type(window->Inputs->Thicknesses, "13 25");
    Cost(1, "10");
    Cost(2, "12");
    EXPECT_TRUE(Minima().endsWith(
        "Cheapest over the life (bold): 25.0 mm, the thickest listed; list thicker layers to "
        "find the optimum."));
    EXPECT_EQ(Cell(2, M::kLifeCost), Cell(2, M::kPresentValue)); // no interest, no increase
    Type(window->Inputs->Interest, "6");
    EXPECT_LT(Cell(2, M::kPresentValue).toFloat(), Cell(2, M::kLifeCost).toFloat());
    Type(window->Inputs->PriceIncrease, "6"); // as fast as the interest: n / (1 + i) years
    const float yearly = window->ThicknessModel().Table().Rows[2].CostPerYear;
    EXPECT_NEAR(Cell(2, M::kPresentValue).toFloat(), 12 + 10 / 1.06 * yearly, 0.01);
    const QString heatPrice = Cell(2, M::kCost);
    window->Inputs->PriceBasis->setCurrentIndex(1); // per kWh of fuel
    Type(window->Inputs->Efficiency, "50");
    EXPECT_NEAR(Cell(2, M::kCost).toDouble(), 2 * heatPrice.toDouble(), 0.011);
}

TEST_F(TableReading, FitsALaptopAndEveryColumnIsOneClickAway) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (QSize size : {window->size(), window->minimumSizeHint()}) // 768 less title and task bar
        EXPECT_TRUE(size.width() <= 1280 && size.height() <= 700) << size.width() << size.height();
    Cost(3, "9");
    window->InputsButton->click();
    EXPECT_FALSE(window->InputPanel->isVisible());
    QTableView* view = window->ThicknessView;
    QTRY_VERIFY_WITH_TIMEOUT(view->viewport()->width() > 900, 60000);
    for (int column : {M::kEnergy, M::kCost, M::kCo2, M::kInstalled, M::kPayback, M::kLifeCost})
        EXPECT_LE(view->columnViewportPosition(column) + view->columnWidth(column),
                  view->viewport()->width())
            << column;
    window->InputsButton->click();
    EXPECT_TRUE(window->InputPanel->isVisible());
}

TEST_F(TableReading, ChartInThicknessOrderWithLegendAndLabelsInside) {
    Type(window->Inputs->Thicknesses, "40 9 25");
    window->Inputs->MaxFlowOn->click();
    Type(window->Inputs->MaxFlow, "50");
    Type(window->Inputs->Limit, "30");
    Cost(1, "30");
    for (QSize size : {QSize(700, 320), QSize(420, 260)}) {
        const QStringList seen = ChartTexts(size);
        for (const char* legend : {"thinnest listed: ", "cheapest over the life: 40 mm",
                                   "max. heat flow", "surface limit"})
            EXPECT_GE(seen.filter(legend).size(), 1) << legend;
        EXPECT_EQ(seen.filter("surface limit").size(), 2); // the line's label and the legend
    }
}

TEST_F(TableReading, PagesLoseNoLine) {
    QStringList many;
    for (int mm = 5; mm <= 130; mm += 2)
        many << QString::number(mm);
    Type(window->Inputs->Thicknesses, many.join(' '));
    window->Inputs->MaxFlowOn->click();
    const TablePage page = window->Page();
    const int pages = TablePageCount(page);
    ASSERT_GE(pages, 2);
    int counted = 0;
    const std::vector<Word> words = WordsOf(SaveAs(window->PdfButton, "p.pdf"), &counted);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(counted, pages);
    QString all;
    for (const Word& w : words)
        all += w.text + ' ';
    all.replace(QString::fromUtf8("ﬂ"), "fl").replace(QString::fromUtf8("ﬃ"), "ffi");
    all.replace(QString::fromUtf8("ﬁ"), "fi");
    for (int n = 1; n <= pages; ++n)
        EXPECT_TRUE(all.contains(QString("Page %1 of %2").arg(n).arg(pages))) << n;
    EXPECT_EQ(all.count(QStringLiteral(TERMORA_VERSION)), pages);
    EXPECT_EQ(all.count("Payback"), pages); // the header, repeated on each page of rows
    EXPECT_TRUE(all.contains("129.0"));     // the last row
    EXPECT_TRUE(all.contains("Thickness (mm) ") && all.contains("max. heat flow"));
    // The minima line whole, however long: every word of it is on the page.
    for (const QString& word : Minima().split(' ', Qt::SkipEmptyParts))
        EXPECT_TRUE(all.contains(word)) << word.toStdString();
    for (const QString& line : page.inputs) // long lists wrap, not cut
        EXPECT_TRUE(all.contains(line.section(' ', -1))) << line.toStdString();
    window->Tabs->setCurrentIndex(1);
    const QStringList sizeInputs = window->Page().inputs;
    EXPECT_TRUE(sizeInputs.filter("Thicknesses").isEmpty());
    EXPECT_TRUE(sizeInputs.filter("Energy price").isEmpty());
    EXPECT_FALSE(sizeInputs.filter("Pipe sizes").isEmpty());
}

} // namespace
