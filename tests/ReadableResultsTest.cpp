// What the calculation forms show is readable and says whether it is current: long
// result texts, stale colours, reports and copies of stale results, the Escape key and
// error boxes with long words.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include "CalculationFixture.h"
#include "app/Ulook.h"
#include "forms/UcalcFrame.h"
#include "output/Fprint.h"
#include "output/Freport.h"

namespace {

const char* const kHeatLossInputs[] = {"25", "-5", "60.3", "30", "10", nullptr, "9", "0.25"};

class ReadableResultsTest : public CalculationTest {
protected:
    void OpenHeatLoss() {
        Open(2, {kHeatLossInputs[0], kHeatLossInputs[1], kHeatLossInputs[2], kHeatLossInputs[3],
                 kHeatLossInputs[4], nullptr, kHeatLossInputs[6], kHeatLossInputs[7]});
    }
    static QColor Colour(const QWidget* w, QPalette::ColorRole role) {
        return w->palette().color(role);
    }
    // The colour most of the widget's drawn pixels have, as the user sees it.
    static QColor Face(QWidget* w) {
        const QImage image = w->grab().toImage();
        QMap<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++counts[image.pixel(x, y)];
        QRgb most = 0;
        for (auto it = counts.begin(); it != counts.end(); ++it)
            if (it.value() > counts.value(most))
                most = it.key();
        return QColor(most);
    }
};

TEST_F(ReadableResultsTest, LongResultShowsItsBeginningAndTheWholeTextAsToolTip) {
    Open(0, {});
    const QString recommendation = "VELTRA AF-19-042 / 19 x 42 mm";
    WriteResultText(2, recommendation);
    QLineEdit* field = R(2).ValueField();
    EXPECT_EQ(field->text(), recommendation);
    EXPECT_EQ(field->cursorPosition(), 0); // scrolled to the start
    EXPECT_EQ(field->toolTip(), recommendation);
    WriteResult(0, 123456789012.0f, "#########0.00");
    EXPECT_EQ(R(0).ValueField()->cursorPosition(), 0);
    EXPECT_EQ(R(0).ValueField()->toolTip(), R(0).ParaLineEditText());
    // The field is narrower than the text: without scrolling back its start would be hidden.
    EXPECT_GT(field->fontMetrics().horizontalAdvance(recommendation), field->width());
}

TEST_F(ReadableResultsTest, StaleResultsAreCreamWithGreyTextAlternativesIncluded) {
    OpenHeatLoss();
    form->show();
    Press();
    ASSERT_TRUE(PrintEnabled()) << Messages().join(u'|').toStdString();
    QLineEdit* heatLoss = R(2).ValueField();
    QComboBox* alternatives = R(5).AlternativesSelector();
    EXPECT_EQ(Colour(heatLoss, QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(Colour(heatLoss, QPalette::Text), QColor(0, 0, 0));
    const QColor currentFace = Face(alternatives);

    P(0).SetParaLineEditText("26"); // an input changes
    EXPECT_EQ(Colour(heatLoss, QPalette::Base), Look::kCream);
    EXPECT_EQ(Colour(heatLoss, QPalette::Text), Look::kStaleText);
    EXPECT_EQ(Colour(alternatives, QPalette::ButtonText), Look::kStaleText);
    EXPECT_NE(Face(alternatives), currentFace); // the selector looks different too
    EXPECT_TRUE(TPipeForm::ResultsStale());

    Press();
    EXPECT_EQ(Colour(heatLoss, QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(Face(alternatives), currentFace);
    EXPECT_FALSE(TPipeForm::ResultsStale());
}

TEST_F(ReadableResultsTest, EscapeLeavesTheFormOpenCloseClosesIt) {
    OpenHeatLoss();
    form->show();
    Press();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    QTest::keyClick(P(0).ValueField(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(Result(2).isEmpty());
    form->Button4->click();
    EXPECT_FALSE(form->isVisible());
}

class StaleOutputTest : public ReadableResultsTest {
protected:
    std::unique_ptr<TPrintDecision> dialog;
    void SetUp() override {
        ReadableResultsTest::SetUp();
        dialog = std::make_unique<TPrintDecision>();
    }
    void TearDown() override {
        dialog.reset();
        ReadableResultsTest::TearDown();
    }
    QString Copy() {
        dialog->show();
        dialog->RB2->click();
        dialog->Button1->click();
        return QGuiApplication::clipboard()->text();
    }
    QString ReportNote() {
        Tf_Print report(*dialog);
        report.Build();
        for (const TReportText& t : report.Texts())
            if (t.text == kResultsNotCurrent)
                return t.text;
        return {};
    }
};

TEST_F(StaleOutputTest, CopyAndReportOfStaleResultsSaySo) {
    OpenHeatLoss();
    EXPECT_FALSE(Copy().contains(kResultsNotCurrent)); // nothing calculated yet
    Press();
    EXPECT_FALSE(Copy().contains(kResultsNotCurrent));
    EXPECT_TRUE(ReportNote().isEmpty());

    P(3).SetParaLineEditText("40");
    const QString copied = Copy();
    EXPECT_TRUE(copied.startsWith(kResultsNotCurrent + "\r\nProject ")) << copied.toStdString();
    EXPECT_EQ(ReportNote(), kResultsNotCurrent);

    Press();
    EXPECT_FALSE(Copy().contains(kResultsNotCurrent));
    EXPECT_TRUE(ReportNote().isEmpty());
}

TEST_F(StaleOutputTest, StaleNoteSitsUnderTheHeadingClearOfEverythingElse) {
    OpenHeatLoss();
    Press();
    P(0).SetParaLineEditText("20");
    Tf_Print report(*dialog);
    report.Build();
    const double top = report.NotCurrent.at.y();
    EXPECT_GT(top, report.QRL_Company.at.y() + 16);
    EXPECT_LT(top + 16, ReportPage::kBodyTop);
}

TEST(BreakableWords, LongRunsGetBreaksAndNothingElseChanges) {
    const QString zwsp(QChar(0x200B));
    EXPECT_EQ(WithBreakableWords("short words stay as they are"), "short words stay as they are");
    const QString word = QString("x").repeated(70) + "#";
    const QString shown = WithBreakableWords("Bad value " + word, 30);
    EXPECT_EQ(QString(shown).remove(zwsp), "Bad value " + word);
    EXPECT_EQ(shown.count(zwsp), 2);
    for (const QString& part : shown.split(QRegularExpression("[ \\x{200B}]")))
        EXPECT_LE(part.size(), 30) << part.toStdString();
    EXPECT_TRUE(shown.endsWith("#"));
}

// The desktop's own message box: its label breaks the long word, so the offending
// character at its end is inside the box.
TEST(ErrorBox, LongWordWrapsInsideTheBox) {
    InstallSeam(nullptr);
    const QString text = "Calculation failed! Error: " + QString("9").repeated(300) + "x";
    QString labelText;
    int labelRight = 0, boxWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QLabel* label : box->findChildren<QLabel*>())
            if (label->text().contains(u'9')) {
                labelText = label->text();
                labelRight = label->geometry().right();
            }
        boxWidth = box->width();
        box->accept();
    });
    ShowError(text);
    EXPECT_EQ(QString(labelText).remove(QChar(0x200B)), text);
    EXPECT_GT(labelText.size(), text.size());
    EXPECT_LT(boxWidth, 1000);
    EXPECT_LE(labelRight, boxWidth);
}

} // namespace
