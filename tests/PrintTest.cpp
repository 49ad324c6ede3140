// The print decision dialog: its controls, what it keeps from one showing to the next,
// the clipboard copy of the result log and the way to the report's print preview.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/AppWindows.h"
#include "forms/Fpipessheets.h"
#include "output/Fprint.h"
#include "output/Freport.h"
#include "support/FormFixture.h"

namespace {

const QString kSheetSurfaceHeader =
    "ambient temperature\ttemperature of medium\tthickness of insulation\t"
    "Insulation material\tsurface heat transfer coefficient h\t"
    "mean thermal conductivity lambda\tsurface temperature";

class PrintDecisionTest : public FormTest {
protected:
    std::unique_ptr<TPipeForm> form;
    std::unique_ptr<TPrintDecision> dialog;

    void SetUp() override {
        FormTest::SetUp();
        dialog = std::make_unique<TPrintDecision>();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void TearDown() override {
        dialog.reset();
        form.reset();
        FormTest::TearDown();
    }
    void Open(int type) {
        Shared().CalculationType = type;
        form = std::make_unique<TPipeForm>(nullptr);
        form->FormShow();
    }
    void Type(const QString& project, const QString& company, const QString& remarks) {
        dialog->E_project->setText(project);
        dialog->E_company->setText(company);
        dialog->E_remarks->setText(remarks);
    }
    // What the user does: open the dialog, choose copying, continue.
    QString Copy() {
        dialog->show();
        dialog->RB2->click();
        dialog->Button1->click();
        return QGuiApplication::clipboard()->text();
    }
    QPoint InDialog(const QWidget* w) const { return w->mapTo(dialog.get(), QPoint(0, 0)); }
};

TEST_F(PrintDecisionTest, ShowsItsCaptionsWithPrintingChosen) {
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), "");
    EXPECT_EQ(dialog->TntLabel1->text(), "Please select the next step");
    EXPECT_EQ(dialog->RB1->text(), "Print actual result");
    EXPECT_EQ(dialog->RB2->text(), "Copy list of results to clipboard");
    EXPECT_EQ(dialog->Label2->text(), "Project");
    EXPECT_EQ(dialog->Label3->text(), "Company");
    EXPECT_EQ(dialog->Label4->text(), "Comments");
    EXPECT_EQ(dialog->Button1->text(), "Continue");
    EXPECT_EQ(dialog->Button2->text(), "Cancel");
    EXPECT_EQ(dialog->TntRadioGroup1->title(), "");
    EXPECT_TRUE(dialog->RB1->isChecked());
    EXPECT_FALSE(dialog->RB2->isChecked());
}

TEST_F(PrintDecisionTest, ControlsSitAtTheirPlaces) {
    dialog->show();
    EXPECT_EQ(dialog->size(), QSize(389, 295));
    EXPECT_EQ(InDialog(dialog->RB1), QPoint(84, 48));
    EXPECT_EQ(InDialog(dialog->RB2), QPoint(84, 72));
    EXPECT_EQ(dialog->TntRadioGroup1->geometry(), QRect(68, 32, 281, 74));
    EXPECT_EQ(dialog->E_project->geometry(), QRect(78, 135, 301, 25));
    EXPECT_EQ(dialog->E_company->geometry(), QRect(78, 169, 301, 25));
    EXPECT_EQ(dialog->E_remarks->geometry(), QRect(78, 204, 301, 25));
    EXPECT_EQ(dialog->Button1->geometry(), QRect(115, 257, 76, 26));
    EXPECT_EQ(dialog->Button2->geometry(), QRect(211, 257, 75, 26));
    // The captions end where their fields begin, at their tops.
    for (auto [label, top] :
         {std::pair{dialog->Label2, 138}, {dialog->Label3, 172}, {dialog->Label4, 207}}) {
        EXPECT_EQ(label->geometry().right() + 1, 72);
        EXPECT_EQ(label->y(), top);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }
    EXPECT_TRUE(dialog->TntLabel1->font().bold());
    EXPECT_EQ(dialog->TntLabel1->font().pixelSize(), 15);
    EXPECT_EQ(dialog->E_project->font().pixelSize(), 15);
}

TEST_F(PrintDecisionTest, ConfiguredFontNameIsApplied) {
    Shared().GlobalSettings.FontName = "DejaVu Serif";
    dialog->show();
    for (QWidget* w : std::initializer_list<QWidget*>{
             dialog.get(), dialog->TntLabel1, dialog->RB1, dialog->RB2, dialog->TntRadioGroup1,
             dialog->Label3, dialog->E_remarks, dialog->Button1, dialog->Button2})
        EXPECT_EQ(w->font().family(), "DejaVu Serif") << w->objectName().toStdString();
    EXPECT_EQ(dialog->TntLabel1->font().pixelSize(), 15); // sizes stay as designed
}

TEST_F(PrintDecisionTest, FieldsKeepTheirTextsAndTheChoiceStartsAgain) {
    dialog->show();
    QTest::keyClicks(dialog->E_project, "Cold store 4");
    QTest::keyClicks(dialog->E_company, "Frost & Co");
    QTest::keyClicks(dialog->E_remarks, "second floor");
    dialog->RB2->click();
    dialog->Button2->click();
    EXPECT_FALSE(dialog->isVisible());

    dialog->show();
    EXPECT_TRUE(dialog->RB1->isChecked());
    EXPECT_EQ(dialog->E_project->text(), "Cold store 4");
    EXPECT_EQ(dialog->E_company->text(), "Frost & Co");
    EXPECT_EQ(dialog->E_remarks->text(), "second floor");
}

TEST_F(PrintDecisionTest, ActivationChoosesPrintingAgain) {
    dialog->show();
    dialog->RB2->click();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(dialog->isActiveWindow());
    EXPECT_TRUE(dialog->RB1->isChecked());
}

TEST_F(PrintDecisionTest, EnterContinuesAndEscapeCancels) {
    Open(7);
    dialog->show();
    dialog->RB2->click();
    QTest::keyClicks(dialog->E_remarks, "valves");
    QTest::keyClick(dialog->E_remarks, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    dialog->show();
    dialog->RB2->click();
    QTest::keyClick(dialog->E_remarks, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Project \r\nCompany \r\n"
                                                                "Comments valves\r\n"));
}

TEST_F(PrintDecisionTest, CancelChangesNothing) {
    Open(7);
    const QStringList log = FormState().ResultLog;
    Type("P", "C", "R");
    dialog->show();
    dialog->RB2->click();
    dialog->Button2->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(FormState().ResultLog, log);
    EXPECT_TRUE(FormState().ClipboardHeaderPending);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(PrintDecisionTest, CopyBeforeAnyCalculationHoldsHeaderTitleAndColumns) {
    Open(7);
    Type("Cold store 4", "Frost & Co", "second floor");
    EXPECT_EQ(Copy(), "Project Cold store 4\r\nCompany Frost & Co\r\nComments second floor\r\n"
                      "Calculation of Surface Temperatures on Sheets\r\n" +
                          kSheetSurfaceHeader + "\r\n");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Plain);
    EXPECT_EQ(seam.messages[0].text, "Ok");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(PrintDecisionTest, EmptyFieldsGiveTheCaptionsWithOneBlank) {
    Open(7);
    EXPECT_TRUE(Copy().startsWith("Project \r\nCompany \r\nComments \r\nCalculation of"));
}

TEST_F(PrintDecisionTest, SecondCopyReplacesTheHeaderRows) {
    Open(2);
    QStringList& log = FormState().ResultLog;
    log << "row of the first calculation\t";
    Type("First", "C", "R");
    Copy();
    log << "row of the second calculation\t";
    Type("Second", "C2", "");
    const QStringList rows = Copy().split("\r\n");
    ASSERT_EQ(rows.size(), 8); // three header rows, title, columns, two rows, and after the
                               // last CR LF nothing
    EXPECT_EQ(rows[0], "Project Second");
    EXPECT_EQ(rows[1], "Company C2");
    EXPECT_EQ(rows[2], "Comments ");
    EXPECT_EQ(rows[3], "Calculation of Heat Loss from Pipes");
    EXPECT_EQ(rows[5], "row of the first calculation\t");
    EXPECT_EQ(rows[6], "row of the second calculation\t");
    EXPECT_EQ(rows[7], "");
    EXPECT_EQ(log.size(), 7); // the header rows stay in the log, once
    EXPECT_EQ(log[0], "Project Second");
}

TEST_F(PrintDecisionTest, EveryFormGetsItsOwnHeaderRows) {
    Open(2);
    Type("A", "B", "C");
    Copy();
    form->close();
    form.reset();
    Open(7);
    Type("D", "E", "F");
    EXPECT_EQ(Copy(), "Project D\r\nCompany E\r\nComments F\r\n"
                      "Calculation of Surface Temperatures on Sheets\r\n" +
                          kSheetSurfaceHeader + "\r\n");
}

TEST_F(PrintDecisionTest, CopyKeepsEveryCharacter) {
    Open(7);
    const QString project =
        QString::fromUtf8("K\xC3\xA4ltetechnik \xCE\xA9 \xE6\x9D\xB1 \xE2\x82\xAC 5");
    Type(project, "", "");
    FormState().ResultLog << QString::fromUtf8("25.00\t-5.00\t10.000\tKautschuk \xC3\xA4lastisch \t"
                                               "9.000\t0.0340\t21.50");
    const QString text = Copy();
    EXPECT_TRUE(text.startsWith("Project " + project + "\r\n"));
    EXPECT_TRUE(text.endsWith(QString::fromUtf8("Kautschuk \xC3\xA4lastisch \t9.000\t0.0340\t"
                                                "21.50\r\n")));
}

TEST_F(PrintDecisionTest, FormsPrintButtonOpensTheSharedDialogModally) {
    Open(2);
    QDialog* shown = nullptr;
    seam.onDialog = [&](QDialog& d) {
        shown = &d;
        return int(QDialog::Rejected);
    };
    form->Button3->setEnabled(true); // as after a successful calculation
    form->Button3->click();
    QCoreApplication::processEvents(); // the dialog runs after the click has been handled
    EXPECT_EQ(shown, &PrintDecisionDialog());
    EXPECT_EQ(seam.dialogTitles, QStringList{""});
}

TEST_F(PrintDecisionTest, PrintingRunsThePreviewOfOnePageThroughTheSeam) {
    Open(2);
    Type("P", "C", "R");
    bool buttonWhilePreviewing = true;
    int pages = 0;
    QPrintPreviewDialog* preview = nullptr;
    seam.onDialog = [&](QDialog& d) {
        preview = qobject_cast<QPrintPreviewDialog*>(&d);
        buttonWhilePreviewing = dialog->Button1->isEnabled();
        if (auto* widget = d.findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            pages = widget->pageCount();
        }
        return int(QDialog::Rejected);
    };
    dialog->show();
    dialog->Button1->click(); // "Print actual result" is chosen on showing
    EXPECT_NE(preview, nullptr);
    EXPECT_FALSE(buttonWhilePreviewing);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(dialog->Button1->isEnabled());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_TRUE(FormState().ClipboardHeaderPending);
    EXPECT_EQ(dialog->findChild<Tf_Print*>(), nullptr); // the report went after its preview
    EXPECT_EQ(dialog->findChild<QPrintPreviewDialog*>(), nullptr);
}

} // namespace
