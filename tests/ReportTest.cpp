// The printed report: what it says where, drawn into images and into a PDF.
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <optional>

#include "forms/Fpipessheets.h"
#include "output/Fprint.h"
#include "output/Freport.h"
#include "support/FormFixture.h"
#include "support/PdfWords.h"

namespace {

using namespace ReportPage;

double ParameterTop(int row) {
    return kBodyTop + 60 + 25 * row;
}
double ResultTop(int row) {
    return kBodyTop + 406 + 25 * row;
}

class ReportTest : public FormTest {
protected:
    std::unique_ptr<TPipeForm> form;
    std::unique_ptr<TPrintDecision> dialog;
    std::unique_ptr<Tf_Print> report;

    void SetUp() override {
        FormTest::SetUp();
        Shared().GlobalSettings.FontName = "DejaVu Sans";
        Shared().GlobalSettings.SalesAdress = "VELTRA Sales<CR>12 Harbour Road";
        dialog = std::make_unique<TPrintDecision>();
        report = std::make_unique<Tf_Print>(*dialog);
    }
    void TearDown() override {
        report.reset();
        dialog.reset();
        form.reset();
        FormTest::TearDown();
    }
    void Open(int type) {
        Shared().CalculationType = type;
        form = std::make_unique<TPipeForm>(nullptr);
        form->FormShow();
    }
    TParaLine& P(int i) { return (*FormState().ParameterLines)[i]; }
    TParaLine& R(int i) { return (*FormState().ResultLines)[i]; }

    // A pipe heat loss computed by the form: 60.3 mm pipe, 30 mm of mineral wool.
    void ComputeHeatLoss() {
        Open(2);
        const char* texts[] = {"25", "-5", "60.3", "30", "10", nullptr, "9", "0.25"};
        for (int i = 0; i < 8; ++i)
            if (texts[i])
                P(i).SetParaLineEditText(QString::fromUtf8(texts[i]));
        P(5).MaterialSelector()->setCurrentIndex(0);
        form->Button1->click();
        ASSERT_TRUE(form->Button3->isEnabled()) << seam.Texts().join(u'|').toStdString();
    }

    // The texts anchored at the place that print something, in the order they are drawn.
    QStringList TextsAt(double x, double top) const {
        QStringList found;
        for (const TReportText& t : report->Texts())
            if (!t.text.isEmpty() && std::fabs(t.at.x() - x) < 0.01 &&
                std::fabs(t.at.y() - top) < 0.01)
                found << t.text;
        return found;
    }
    QStringList Row(double top) const {
        return TextsAt(20, top) + TextsAt(500, top) + TextsAt(520, top) + TextsAt(600, top + 2);
    }
    std::optional<TReportText> Find(const QString& text) const {
        for (const TReportText& t : report->Texts())
            if (t.text == text)
                return t;
        return std::nullopt;
    }
};

TEST_F(ReportTest, HeaderAndHeadingCarryTheFixedTextsAndTheDialogsFields) {
    Open(2);
    dialog->E_project->setText("Cold store 4");
    dialog->E_company->setText("Frost & Co");
    dialog->E_remarks->setText("second floor");
    report->PrintDate = QDate(2031, 5, 17);
    report->Build();
    EXPECT_EQ(report->QRL_Version.text, "Termora  5.0");
    EXPECT_EQ(report->QRLabel2.text, "Calculations for Thermal Insulation Applications");
    EXPECT_EQ(report->QRLabel1.text, "Calculation is based on ISO 12241:1998");
    EXPECT_EQ(report->QRL_Titel_von_was.text, "Calculation of Heat Loss from Pipes");
    EXPECT_EQ(report->QRSysData1.text,
              QLocale::system().toString(QDate(2031, 5, 17), QLocale::ShortFormat));
    EXPECT_EQ(TextsAt(8, kHeadingTop + 64), (QStringList{"Project"}));
    EXPECT_EQ(TextsAt(104, kHeadingTop + 64), (QStringList{"Cold store 4"}));
    EXPECT_EQ(TextsAt(8, kHeadingTop + 96), (QStringList{"Company"}));
    EXPECT_EQ(TextsAt(104, kHeadingTop + 96), (QStringList{"Frost & Co"}));
    EXPECT_EQ(TextsAt(16, kBodyTop + 24), (QStringList{"Parameters"}));
    EXPECT_EQ(TextsAt(16, kBodyTop + 370), (QStringList{"Results"}));
    EXPECT_EQ(TextsAt(16, kBodyTop + 560), (QStringList{"Comments"}));
    EXPECT_EQ(TextsAt(20, kBodyTop + 590), (QStringList{"second floor"}));
    EXPECT_EQ(TextsAt(16, kBodyTop + 640), (QStringList{"Sales Contact"}));
    EXPECT_EQ(TextsAt(20, kBodyTop + 662), (QStringList{"VELTRA Sales\n12 Harbour Road"}));
}

TEST_F(ReportTest, WithoutAnOpenFormTheTitleIsEmptyAndNoRowIsPrinted) {
    report->Build();
    EXPECT_EQ(report->QRL_Titel_von_was.text, "");
    EXPECT_EQ(report->Texts().size(), 16u); // the fixed items alone
}

TEST_F(ReportTest, ComputedHeatLossPrintsEveryLineAsItStands) {
    ComputeHeatLoss();
    report->Build();
    EXPECT_EQ(Row(ParameterTop(0)), (QStringList{"ambient temperature", "25", "°C"}));
    EXPECT_EQ(Row(ParameterTop(2)), (QStringList{"tube diameter", "60.3", "mm"}));
    EXPECT_EQ(Row(ParameterTop(5)), (QStringList{"Insulation material", "Mineral wool"}));
    EXPECT_EQ(Row(ParameterTop(6)),
              (QStringList{"surface heat transfer coefficient h", "9", "W/m²K"}));
    EXPECT_EQ(Row(ParameterTop(7)), (QStringList{"cost per kWh", "0.25", "£"}));
    EXPECT_TRUE(Row(ParameterTop(8)).isEmpty());
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(Row(ResultTop(r)),
                  (QStringList{R(r).ParaLineLabelText(), R(r).ParaLineEditText(), R(r).UnitText()}))
            << r;
    EXPECT_FALSE(R(2).ParaLineEditText().isEmpty());
    // The alternatives of the heat loss print their caption only.
    EXPECT_EQ(Row(ResultTop(5)), (QStringList{"Calculate alternatively for VELTRA dimension"}));
    EXPECT_TRUE(Row(ResultTop(6)).isEmpty());
    EXPECT_FALSE(Find("calculate h"));
}

TEST_F(ReportTest, MediumAndFlowRateShareTheirRows) {
    Shared().WorkingValues.MediumIndex = 1;
    Shared().WorkingValues.FlowRateIndex = 1;
    Shared().WorkingValues.MaterialIndex = 1;
    Open(3);
    report->Build();
    EXPECT_EQ(Row(ParameterTop(2)),
              (QStringList{"density of medium", "1200.00", "kg/m³", "(Brine)"}));
    EXPECT_EQ(Find("(Brine)")->points, 12);
    EXPECT_EQ(Row(ParameterTop(3)), (QStringList{"specific heat capacity", "3300.00", "J/kg K"}));
    EXPECT_EQ(Row(ParameterTop(4)), (QStringList{"flow rate", "0.20", "l/s"}));
    EXPECT_EQ(Row(ParameterTop(8)), (QStringList{"Insulation material",
                                                 QString::fromUtf8("Kautschuk \xC3\xA4lastisch")}));
    EXPECT_EQ(Find("flow rate")->points, 14);
}

TEST_F(ReportTest, UserMaterialPrintsItsConductivity) {
    Open(2);
    P(5).SetMaterialText("k-factor");
    Shared().WorkingValues.KFactor = 0.04f;
    report->Build();
    EXPECT_EQ(Row(ParameterTop(5)),
              (QStringList{"Insulation material", "k-factor 0.0400", "W/m K"}));
    // Not rounded to a value the calculation did not use.
    Shared().WorkingValues.KFactor = 0.036f;
    report->Build();
    EXPECT_EQ(Row(ParameterTop(5)),
              (QStringList{"Insulation material", "k-factor 0.0360", "W/m K"}));
}

TEST_F(ReportTest, CladdingFollowsTheParametersWhileHComesFromTheDialog) {
    Open(2);
    FormState().HFromDialog = true;
    FormState().ChosenCladdingIndex = 1;
    report->Build();
    EXPECT_EQ(Row(ParameterTop(8)), (QStringList{"type of cladding", "Aluminium"}));

    FormState().ChosenCladdingIndex = 0;
    report->Build();
    EXPECT_EQ(Row(ParameterTop(8)), (QStringList{"type of cladding", "None"}));

    P(6).SetParaLineEditText("12.000"); // typed by hand: no longer the dialog's
    report->Build();
    EXPECT_FALSE(Find("type of cladding"));
}

TEST_F(ReportTest, NoCladdingRowWithoutACladdingInTheList) {
    Open(2);
    FormState().HFromDialog = true;
    for (int index : {-1, 2}) {
        FormState().ChosenCladdingIndex = index;
        report->Build();
        EXPECT_FALSE(Find("type of cladding")) << index;
    }
}

TEST_F(ReportTest, FreezingAlternativesTakeARowEach) {
    Open(4);
    R(0).SetParaLineEditText("12.34");
    const QStringList entries = {"6 mm : 1.00",  "13 mm : 2.00", "19 mm : 3.00", "25 mm : 4.00",
                                 "32 mm : 5.00", "40 mm : 6.00", "50 mm : 7.00"};
    R(1).SetAlternatives(entries);
    report->Build();
    EXPECT_EQ(Row(ResultTop(0)), (QStringList{"critical freezing time", "12.34", "h"}));
    EXPECT_EQ(Row(ResultTop(1)), (QStringList{"alternative freezing time for", entries[0], "h"}));
    for (int i = 1; i < entries.size(); ++i)
        EXPECT_EQ(Row(ResultTop(1 + i)), (QStringList{entries[i], "h"})) << i;
    EXPECT_TRUE(Row(ResultTop(8)).isEmpty());
}

// Printed at their own places, the last alternatives and a comment would print over each
// other; the comment and the sales contact move down clear of the rows instead.
TEST_F(ReportTest, CommentAndSalesContactGiveWayToTheFreezingAlternatives) {
    Open(4);
    R(1).SetAlternatives({"6 mm : 1.00", "13 mm : 2.00", "19 mm : 3.00", "25 mm : 4.00",
                          "32 mm : 5.00", "40 mm : 6.00", "50 mm : 7.00"});
    dialog->E_remarks->setText("A comment long enough to reach the column of the values, "
                               "and then a second line of it");
    report->Build();
    // The caption below the last alternative, its comment below it, whole.
    EXPECT_EQ(report->QRLabel7.at.y(), ResultTop(8));
    EXPECT_GT(report->QRL_Remarks.at.y(), report->QRLabel7.at.y() + 14);
    EXPECT_EQ(report->QRL_Remarks.text, dialog->E_remarks->text());
    EXPECT_GT(report->QRLabel9.at.y(), report->QRL_Remarks.at.y() + 14);
    EXPECT_EQ(report->QRLabel10.at.y() - report->QRLabel9.at.y(), 22);
}

TEST_F(ReportTest, LongCommentPushesTheSalesContactDown) {
    Open(2);
    dialog->E_remarks->setText(QString("one more word ").repeated(20)); // three lines
    report->Build();
    EXPECT_EQ(report->QRL_Remarks.at.y(), kBodyTop + 590);
    EXPECT_GT(report->QRLabel9.at.y(), kBodyTop + 590 + 3 * 14);
    EXPECT_LE(report->QRLabel10.at.y() + 2 * 14, report->Footer.at.y()); // clear of the footer
    dialog->E_remarks->setText("short");
    report->Build(); // built again: back at the places of the design
    EXPECT_EQ(report->QRLabel9.at.y(), kBodyTop + 640);
    EXPECT_EQ(report->QRLabel10.at.y(), kBodyTop + 662);
}

TEST_F(ReportTest, EmptyFieldsLeaveTheLabelsAlone) {
    Open(2);
    report->Build();
    EXPECT_EQ(TextsAt(8, kHeadingTop + 64), (QStringList{"Project"}));
    EXPECT_EQ(report->QRL_Project.text, "");
    EXPECT_EQ(report->QRL_Company.text, "");
    EXPECT_EQ(report->QRL_Remarks.text, "");
}

// ---- drawing --------------------------------------------------------------------------

QImage Page(double dpi) {
    const double scale = dpi / 96.0;
    QImage image(int(std::ceil(kWidth * scale)), int(std::ceil(kHeight * scale)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    return image;
}

bool Inked(const QImage& image, const QRectF& area) {
    const QRect pixels = area.toAlignedRect().intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                return true;
    return false;
}

bool Painted(const QImage& image, const QRectF& area) {
    const QRect pixels = area.toAlignedRect().intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

class ReportDrawingTest : public ReportTest {
protected:
    QImage Draw(double dpi = 96) {
        QImage image = Page(dpi);
        QPainter painter(&image);
        report->draw(painter);
        return image;
    }
};

// Each one-line text has ink beside its anchor on the side it grows to and none on the other.
TEST_F(ReportDrawingTest, TextsStartOrEndAtTheirPlaces) {
    ComputeHeatLoss();
    dialog->E_project->setText("Northwind");
    report->Build();
    const QImage image = Draw();
    int checked = 0;
    for (const TReportText& t : report->Texts()) {
        if (t.text.isEmpty() || t.wrapWidth > 0 || t.align == Qt::AlignHCenter)
            continue;
        const double height = ReportPixels(t.points);
        const QPointF a = t.at + QPointF(0, 2);
        const bool left = t.align == Qt::AlignLeft;
        const QRectF inside =
            left ? QRectF(a.x() + 1, a.y(), 12, height) : QRectF(a.x() - 13, a.y(), 12, height);
        const QRectF outside =
            left ? QRectF(a.x() - 6, a.y(), 5, height) : QRectF(a.x() + 1, a.y(), 5, height);
        EXPECT_TRUE(Inked(image, inside)) << t.text.toStdString();
        EXPECT_FALSE(Inked(image, outside)) << t.text.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 35);
}

TEST_F(ReportDrawingTest, LongMaterialNameStartsAfterItsCaptionAndStaysOnThePage) {
    const QString name = "VELTRA UV elastomeric foam with UV-resistant skin, for outdoor lines";
    Shared().ReferenceLists.Materials[0].Name = name.toStdString();
    Shared().WorkingValues.MaterialIndex = 0;
    Open(2);
    report->Build();
    const TReportText value = *Find(name);
    EXPECT_EQ(value.align, Qt::AlignLeft);
    EXPECT_LT(value.points, 14);
    const QImage image = Draw();
    const double top = ParameterTop(5) + 2;
    EXPECT_FALSE(Inked(image, {value.at.x() - 12, top, 10, 18})); // apart from the caption
    EXPECT_TRUE(Inked(image, {value.at.x() + 1, top, 12, 18}));
    EXPECT_TRUE(Inked(image, {kWidth - 40, top, 30, 18}));
    EXPECT_FALSE(Inked(image, {kWidth - 1, top, 1, 18})); // and ends inside the page
}

TEST_F(ReportDrawingTest, MovedCommentLeavesRoomAboveAndBelow) {
    Open(4);
    R(1).SetAlternatives({"6 mm : 1.00", "13 mm : 2.00", "19 mm : 3.00", "25 mm : 4.00",
                          "32 mm : 5.00", "40 mm : 6.00", "50 mm : 7.00"});
    dialog->E_remarks->setText(QString("comment ").repeated(30));
    report->Build();
    const QImage image = Draw();
    const double remarks = report->QRL_Remarks.at.y();
    const double sales = report->QRLabel9.at.y();
    EXPECT_TRUE(Inked(image, {400, ResultTop(7) + 2, 100, 18})); // the last alternative
    EXPECT_FALSE(Inked(image, {20, remarks - 2, 669, 3}));       // a blank line under it
    EXPECT_TRUE(Inked(image, {20, remarks + 2, 669, 12}));       // the comment
    EXPECT_FALSE(Inked(image, {16, sales - 4, 669, 3}));         // a blank line under it
    EXPECT_TRUE(Inked(image, {16, sales + 2, 100, 12}));         // "Sales Contact"
}

TEST_F(ReportDrawingTest, FramesPictureAndCentredTitle) {
    report->Build();
    const QImage image = Draw();
    EXPECT_TRUE(Inked(image, {0, 20, 1, 100}));                  // the header box's left side
    EXPECT_TRUE(Inked(image, {kWidth - 1, 20, 1, 100}));         // its right side
    EXPECT_TRUE(Inked(image, {300, kHeaderHeight - 1, 100, 1})); // its bottom
    EXPECT_TRUE(Inked(image, {300, kBodyTop - 1, 100, 1}));      // the heading's bottom line
    EXPECT_FALSE(Inked(image, {300, kBodyTop + 4, 100, 10}));    // and nothing below it
    EXPECT_TRUE(Painted(image, {480, 40, 200, 80}));             // the picture
    EXPECT_FALSE(Painted(image, {kWidth - 14, 40, 10, 80}));     // in its own size
    // "Termora  5.0" is centred at x 240.
    int first = -1, last = -1;
    for (int x = 2; x < 470; ++x) // inside the box
        if (Inked(image, {double(x), 16, 1, 32})) {
            if (first < 0)
                first = x;
            last = x;
        }
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + last) / 2.0, 240, 3);
    EXPECT_GT(last - first, 100);
}

TEST_F(ReportDrawingTest, EmptyCommentLeavesItsAreaBlank) {
    report->Build();
    EXPECT_FALSE(Inked(Draw(), {20, kBodyTop + 590, 669, 40}));
    dialog->E_remarks->setText("insulate the valves as well");
    report->Build();
    EXPECT_TRUE(Inked(Draw(), {20, kBodyTop + 590, 669, 40}));
}

TEST_F(ReportDrawingTest, MissingPictureIsNoFailure) {
    Open(2);
    report->PicturePath = QDir::temp().filePath("no such picture.bmp");
    report->Build();
    EXPECT_TRUE(report->QRImage1.isNull());
    EXPECT_FALSE(Painted(Draw(), {481, 41, 224, 89}));
    int previews = 0;
    seam.onDialog = [&](QDialog&) { return ++previews, int(QDialog::Rejected); };
    report->Preview();
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ReportDrawingTest, ScalesToTheDevicesResolution) {
    report->Build();
    const QImage image = Draw(192);
    EXPECT_TRUE(Inked(image, {600, 2 * kBodyTop - 1, 200, 2}));
    EXPECT_FALSE(Inked(image, {600, kBodyTop - 1, 200, 2}));
    EXPECT_TRUE(Inked(image, {2 * 16 + 2, 2 * (kBodyTop + 370) + 4, 20, 20})); // "Results"
}

// ---- the PDF --------------------------------------------------------------------------

class ReportPdfTest : public ReportTest {
protected:
    std::vector<Word> words;
    int pages = 0;

    void Print() {
        QTemporaryDir dir;
        const QString file = dir.filePath("report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        Tf_Print::SetUpPage(printer);
        QPainter painter(&printer);
        report->draw(painter);
        painter.end();
        words = WordsOf(file, &pages);
    }
    // The word on the line whose top is near top (in 1/96 inch).
    QRectF Box(const QString& text, double top) const {
        for (const Word& w : words)
            if (w.text == text && std::fabs(w.box.top() - Pt(top)) < 3)
                return w.box;
        ADD_FAILURE() << "no word " << text.toStdString() << " at " << top;
        return {};
    }
};

TEST_F(ReportPdfTest, WordsSitWhereTheReportPutsThem) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    ComputeHeatLoss();
    dialog->E_project->setText("Northwind");
    report->Build();
    Print();
    ASSERT_EQ(pages, 1);
    const auto startsAt = [&](const QString& text, double left, double top) {
        EXPECT_NEAR(Box(text, top).left(), Pt(left), 1.5) << text.toStdString();
    };
    const auto endsAt = [&](const QString& text, double right, double top) {
        EXPECT_NEAR(Box(text, top).right(), Pt(right), 1.5) << text.toStdString();
    };
    startsAt("Calculations", 8, 80);
    startsAt("Calculation", 8, 120);
    startsAt("Calculation", 8, kHeadingTop + 24);
    startsAt("Northwind", 104, kHeadingTop + 64);
    startsAt("Parameters", 16, kBodyTop + 24);
    startsAt("ambient", 20, ParameterTop(0));
    startsAt("W/m²K", 520, ParameterTop(6));
    startsAt("£", 520, ParameterTop(7));
    endsAt("60.3", 500, ParameterTop(2));
    endsAt("0.25", 500, ParameterTop(7));
    startsAt("Results", 16, kBodyTop + 370);
    endsAt(R(2).ParaLineEditText(), 500, ResultTop(2));
    startsAt("Sales", 16, kBodyTop + 640);
    startsAt("VELTRA", 20, kBodyTop + 662);
    endsAt(report->QRSysData1.text.split(u' ').last(), kWidth - 8, kHeadingTop + 24);
    const double middle = (Box("Termora", 16).left() + Box("5.0", 16).right()) / 2;
    EXPECT_NEAR(middle, Pt(240), 1.5);
}

} // namespace
