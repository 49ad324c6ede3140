// The printed report never loses a line: the comment, its caption and the sales contact
// fit between the results and the footer whatever their lengths, and the report says how
// the surface coefficient dialog obtained h.
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "SurfaceDialogFixture.h"
#include "output/Fprint.h"
#include "output/Freport.h"
#include "output/Ureportclosing.h"
#include "support/PdfWords.h"

namespace {

using namespace ReportPage;

const QString kFamily = "DejaVu Sans";
const std::string kShippedSales = "VELTRA Insulation Systems<CR>Technical Sales<CR>"
                                  "12 Harbour Road<CR>Phone +00 123 456 789<CR>"
                                  "sales@veltra.example";

QRectF Box(const TReportText& t) {
    const double width = t.wrapWidth > 0 ? t.wrapWidth : ReportTextWidth(t, kFamily);
    double left = t.at.x();
    if (t.wrapWidth <= 0 && (t.align & Qt::AlignRight))
        left -= width;
    else if (t.wrapWidth <= 0 && (t.align & Qt::AlignHCenter))
        left -= width / 2;
    return QRectF(left, t.at.y(), width, ReportTextHeight(t, kFamily));
}

// Every text on the page and clear of every other one.
::testing::AssertionResult NothingOverlaps(const std::vector<TReportText>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].text.isEmpty())
            continue;
        const QRectF a = Box(texts[i]);
        if (a.top() < 0 || a.bottom() > kHeight || a.left() < 0 || a.right() > kWidth + 0.5)
            return ::testing::AssertionFailure() << "off the page: " << texts[i].text.toStdString();
        for (size_t j = i + 1; j < texts.size(); ++j)
            if (!texts[j].text.isEmpty() && a.intersects(Box(texts[j])))
                return ::testing::AssertionFailure()
                       << '"' << texts[i].text.toStdString() << "\" over \""
                       << texts[j].text.toStdString() << '"';
    }
    return ::testing::AssertionSuccess();
}

class ReportFitTest : public SurfaceDialogTest {
protected:
    std::unique_ptr<TPrintDecision> dialog;
    std::unique_ptr<Tf_Print> report;

    void SetUp() override {
        SurfaceDialogTest::SetUp();
        Shared().GlobalSettings.FontName = kFamily.toStdString();
        Shared().GlobalSettings.SalesAdress = kShippedSales;
        dialog = std::make_unique<TPrintDecision>();
        report = std::make_unique<Tf_Print>(*dialog);
    }
    void TearDown() override {
        report.reset();
        dialog.reset();
        SurfaceDialogTest::TearDown();
    }
    void Build(const QString& comment) {
        dialog->E_remarks->setText(comment);
        report->Build();
    }
    // The freezing time's seven alternatives, the most rows any result has.
    void OfferFreezingAlternatives() {
        (*FormState().ResultLines)[1].SetAlternatives(
            {"6 mm : 1.00", "13 mm : 2.00", "19 mm : 3.00", "25 mm : 4.00", "32 mm : 5.00",
             "40 mm : 6.00", "50 mm : 7.00"});
    }
    double SalesBottom() const {
        return report->QRLabel10.at.y() + ReportTextHeight(report->QRLabel10, kFamily);
    }
    QString Text(const QString& caption) const {
        const auto texts = report->Texts();
        for (const TReportText& t : texts)
            if (t.text == caption)
                for (const TReportText& v : texts)
                    if (&v != &t && v.at.y() == t.at.y() && v.at.x() > t.at.x())
                        return v.text;
        return {};
    }
};

TEST_F(ReportFitTest, LongCommentIsShortenedAndTheSalesContactStaysAboveTheFooter) {
    OpenForm(2);
    const QString comment = QString("every word of this comment counts ").repeated(60);
    Build(comment);
    EXPECT_LE(SalesBottom(), report->Footer.at.y());
    const QString shown = report->QRL_Remarks.text;
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_GE(ReportTextLines(report->QRL_Remarks, kFamily).size(), 2);
    QString kept = shown;
    kept.chop(1);
    // Whole words of the comment, then the ellipsis.
    EXPECT_TRUE(comment.startsWith(kept.replace(u'\n', u' ').simplified() + u' '));
    EXPECT_EQ(report->QRLabel7.at.y(), kBodyTop + 560); // the block starts at its place
    EXPECT_TRUE(NothingOverlaps(report->Texts()));
}

TEST_F(ReportFitTest, FreezingAlternativesPushTheCaptionWithItsComment) {
    OpenForm(4);
    OfferFreezingAlternatives();
    Build("short note");
    const double lastAlternative = kBodyTop + 406 + 25 * 7;
    EXPECT_GE(report->QRLabel7.at.y(), lastAlternative + 19);
    EXPECT_GE(report->QRL_Remarks.at.y() - report->QRLabel7.at.y(), 20);
    EXPECT_EQ(report->QRL_Remarks.text, "short note");
    EXPECT_LE(SalesBottom(), report->Footer.at.y());
    EXPECT_TRUE(NothingOverlaps(report->Texts()));
}

// Any comment on any form, with or without the dialog's h: every text on the page and
// none over another.
TEST_F(ReportFitTest, NoTextEverLeavesThePageOrCoversAnother) {
    QRandomGenerator random(8);
    const QStringList words = {"pipe",    "insulation", "checked",
                               "on",      "site,",      "see",
                               "drawing", "42-A/7",     QString("x").repeated(120)};
    for (int type = 0; type < 8; ++type) {
        OpenForm(type);
        if (type == 4)
            OfferFreezingAlternatives();
        FormState().HFromDialog = type % 2 == 0;
        FormState().ChosenCladdingIndex = 2;
        FormState().HChoices = {true, true, type >= 5, false, "12.5", "2.00", "0.13"};
        for (int length : {0, 3, 40, 400}) {
            QStringList comment;
            for (int i = 0; i < length; ++i)
                comment << words[random.bounded(words.size())];
            Build(comment.join(u' '));
            EXPECT_TRUE(NothingOverlaps(report->Texts())) << type << " " << length;
            EXPECT_LE(SalesBottom(), report->Footer.at.y()) << type << " " << length;
            EXPECT_EQ(report->QRLabel10.text.count(u'\n'), 4)
                << type << " " << length << " " << report->QRLabel10.at.y() << " "
                << report->QRLabel7.at.y();
        }
        form.reset();
    }
}

TEST_F(ReportFitTest, ReportSaysHowTheDialogObtainedH) {
    OpenForm(2);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        ChooseCladding(d, 2);
        Retype(d.TntEdit2, "5");
        Continue(d);
    });
    ASSERT_TRUE(FormState().HFromDialog) << seam.Texts().join(u'|').toStdString();
    Build({});
    EXPECT_EQ(Text("type of cladding"), "Aluminium");
    EXPECT_EQ(Text("h calculated for"), "outside, wind speed 5 m/s, emission coefficient 0.13");

    HLine().SetParaLineEditText("7.5"); // typed by hand: no longer the dialog's
    Build({});
    EXPECT_EQ(Text("h calculated for"), "");
}

// An indoor h from the dialog is described as an outdoor one is, for as long as the h line
// holds it, also on the next form; it names no cladding.
TEST_F(ReportFitTest, ReportSaysHowTheDialogObtainedAnIndoorH) {
    OpenForm(2);
    CalculateH([](TInsideOutside& d) {
        ClickCaption(d.TntRadioButton3); // vertical
        Continue(d);
    });
    ASSERT_FALSE(FormState().HFromDialog);
    Build({});
    EXPECT_EQ(Text("h calculated for"), "inside, vertical, emission coefficient 0.93");
    EXPECT_TRUE(Text("type of cladding").isEmpty());
    form.reset();
    OpenForm(3); // shows the stored h again
    Build({});
    EXPECT_EQ(Text("h calculated for"), "inside, vertical, emission coefficient 0.93");
    HLine().SetParaLineEditText("7.5");
    Build({});
    EXPECT_EQ(Text("h calculated for"), "");
}

TEST_F(ReportFitTest, InsideChoicesNameTheOrientationOrTheSheetHeight) {
    OpenForm(1);
    FormState().HFromDialog = true;
    FormState().HChoices = {true, false, false, true, "1", "1.00", "0.93"};
    Build({});
    EXPECT_EQ(Text("h calculated for"), "inside, vertical, emission coefficient 0.93");
    EXPECT_TRUE(Text("type of cladding").isEmpty());
    FormState().HChoices = {true, false, true, false, "1", "2.50", "0.90"};
    Build({});
    EXPECT_EQ(Text("h calculated for"), "inside, sheet height 2.50 m, emission coefficient 0.90");
}

// On the freezing form the two rows run past the "Results" caption's place: the results
// move down with it instead of printing over it.
TEST_F(ReportFitTest, HRowsOnTheLongestFormMoveTheResultsDown) {
    OpenForm(4);
    OfferFreezingAlternatives();
    FormState().HFromDialog = true;
    FormState().ChosenCladdingIndex = 2;
    FormState().HChoices = {true, true, false, false, "3", "1.00", "0.13"};
    Build("note");
    EXPECT_GT(report->QRLabel6.at.y(), kBodyTop + 370);
    EXPECT_TRUE(NothingOverlaps(report->Texts()));
    EXPECT_LE(SalesBottom(), report->Footer.at.y());
}

// On paper: the whole sales contact above the footer, and the comment's shortened end
// on the page.
TEST_F(ReportFitTest, PrintedPageKeepsTheSalesContactAboveTheFooter) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    OpenForm(4);
    OfferFreezingAlternatives();
    Build(QString("words of a long comment ").repeated(80));
    QTemporaryDir dir;
    const QString file = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    Tf_Print::SetUpPage(printer);
    QPainter painter(&printer);
    report->draw(painter);
    painter.end();
    int pages = 0;
    const std::vector<Word> words = WordsOf(file, &pages);
    ASSERT_EQ(pages, 1);
    auto find = [&](const QString& text) {
        for (const Word& w : words)
            if (w.text.endsWith(text))
                return w.box;
        ADD_FAILURE() << "no word " << text.toStdString();
        return QRectF();
    };
    const QRectF footer = find(report->Footer.text.section(u' ', 1));
    for (const char* line : {"Systems", "Sales", "Road", "789", "sales@veltra.example"})
        EXPECT_LT(find(line).bottom(), footer.top()) << line;
    EXPECT_LT(find(QString(QChar(0x2026))).bottom(), footer.top());
    EXPECT_GT(find("Comments").top(), Pt(kBodyTop + 406 + 7 * 25));
}

} // namespace
