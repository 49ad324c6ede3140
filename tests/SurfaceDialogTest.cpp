// The surface coefficient dialog as the user meets it through "calculate h".
#include "SurfaceDialogFixture.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QMessageBox>

#include "app/AppWindows.h"
#include "app/Fhelp.h"
#include "config/Uutils.h"

namespace {
const QString kMakeSense = "Please enter values that make sense!";
}

TEST_F(SurfaceDialogTest, PipeDialogOffersOrientationButNoWindOrSheetHeight) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        EXPECT_EQ(d.windowTitle(), "Calculation of Heat Transfer Coefficent h");
        EXPECT_TRUE(d.TntRadioButton1->isChecked());
        EXPECT_TRUE(d.TntRadioButton3->isVisible());
        EXPECT_TRUE(d.TntRadioButton4->isVisible());
        EXPECT_TRUE(d.TntRadioButton4->isChecked());
        EXPECT_FALSE(d.TntEdit2->isVisible());
        EXPECT_FALSE(d.TntEdit3->isVisible());
        EXPECT_FALSE(d.TntLabel6->isVisible());
        EXPECT_TRUE(d.TntRadioButton2->isVisible());
        EXPECT_TRUE(d.TntComboBox1->isVisible());
        EXPECT_EQ(d.TntEdit1->text(), "0.93");
        EXPECT_EQ(d.TntComboBox1->currentIndex(), -1);
        EXPECT_EQ(d.TntComboBox1->currentText(), "select");
        EXPECT_EQ(d.TntComboBox1->count(), 4);
    });
    EXPECT_EQ(dialogRuns, 1);
}

TEST_F(SurfaceDialogTest, SheetDialogShowsTheStoredHeightInsteadOfOrientation) {
    Shared().WorkingValues.SheetHeight = 2.345f;
    OpenForm(7);
    CalculateH([](TInsideOutside& d) {
        EXPECT_FALSE(d.TntRadioButton3->isVisible());
        EXPECT_FALSE(d.TntRadioButton4->isVisible());
        EXPECT_TRUE(d.TntEdit3->isVisible());
        EXPECT_TRUE(d.TntLabel6->isVisible());
        EXPECT_EQ(d.TntEdit3->text(), "2.35");
        ChooseOutside(d); // wind and height together
        EXPECT_TRUE(d.TntEdit2->isVisible());
        EXPECT_TRUE(d.TntEdit3->isVisible());
        ClickIndicator(d.TntRadioButton1);
        EXPECT_FALSE(d.TntRadioButton3->isVisible()); // a sheet has no orientation
    });
}

TEST_F(SurfaceDialogTest, OutsideShowsTheWindFieldAndInsideTheOrientation) {
    OpenForm(2);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        EXPECT_TRUE(d.TntEdit2->isVisible());
        EXPECT_TRUE(d.TntLabel4->isVisible());
        EXPECT_EQ(d.TntEdit2->text(), "1");
        EXPECT_FALSE(d.TntRadioButton3->isVisible());
        EXPECT_FALSE(d.TntRadioButton4->isVisible());
        ClickIndicator(d.TntRadioButton1);
        EXPECT_FALSE(d.TntEdit2->isVisible());
        EXPECT_TRUE(d.TntRadioButton3->isVisible());
        EXPECT_TRUE(d.TntRadioButton4->isVisible());
    });
}

TEST_F(SurfaceDialogTest, SummaryListsEveryLineButTheHLine) {
    OpenForm(2);
    CalculateH([](TInsideOutside& d) {
        const QList<QLabel*>& labels = d.SummaryLabels();
        ASSERT_EQ(labels.size(), 7 * 3);
        EXPECT_EQ(labels[0]->text(), "ambient temperature");
        EXPECT_EQ(labels[1]->text(), "20");
        EXPECT_EQ(labels[2]->text(), "°C");
        EXPECT_EQ(labels[2]->x(), 350);
        EXPECT_EQ(labels[15]->text(), "Insulation material");
        EXPECT_EQ(labels[16]->text(), "k-factor");
        EXPECT_EQ(labels[17]->text(), ""); // the material line has no unit
        EXPECT_EQ(labels[18]->text(), "cost per kWh");
        EXPECT_EQ(labels[18]->y(), 120 + 16 * 6);
        d.FormActivate(); // a later activation rebuilds, never piles up
        EXPECT_EQ(d.SummaryLabels().size(), 7 * 3);
    });
}

TEST_F(SurfaceDialogTest, EmissivityFieldTakesNumbersOnlyAndDropsTheCladding) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        ChooseCladding(d, 2);
        EXPECT_EQ(d.TntEdit1->text(), "0.13");
        d.TntEdit1->clear();
        QTest::keyClicks(d.TntEdit1, "0a,8x");
        EXPECT_EQ(d.TntEdit1->text(), "0.8");
        EXPECT_EQ(d.TntComboBox1->currentIndex(), -1);
        EXPECT_EQ(d.TntComboBox1->currentText(), "select");
    });
}

TEST_F(SurfaceDialogTest, CladdingNoneGivesTheNonmetallicEmissivity) {
    OpenForm(1);
    Shared().WorkingValues.Emissivity = 0.5f;
    CalculateH([](TInsideOutside& d) {
        d.TntEdit1->setText("0.50");
        ChooseCladding(d, 0);
        EXPECT_EQ(d.TntComboBox1->currentIndex(), 0);
        EXPECT_EQ(d.TntEdit1->text(), "0.93");
        EXPECT_FLOAT_EQ(Shared().WorkingValues.Emissivity, 0.93f);
    });
}

TEST_F(SurfaceDialogTest, ChoosingFromTheOpenListKeepsTheChoice) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        d.TntComboBox1->showPopup();
        QAbstractItemView* list = d.TntComboBox1->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        QModelIndex item = list->model()->index(1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowTextOf(*list, item));
        QTest::qWait(50); // the dialog is active again once the list has closed
        EXPECT_EQ(d.TntComboBox1->currentIndex(), 1);
        EXPECT_EQ(d.TntEdit1->text(), "0.70");
        EXPECT_TRUE(d.TntRadioButton2->isChecked());
        Continue(d);
    });
    EXPECT_EQ(FormState().ChosenCladdingIndex, 1);
}

TEST_F(SurfaceDialogTest, CladdingWithoutEmissivityIsReportedAndTheDialogStaysForAnother) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        ChooseCladding(d, 3);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.TntEdit1->text(), "0.93");
        EXPECT_EQ(d.TntComboBox1->currentIndex(), -1);
        EXPECT_EQ(d.TntComboBox1->currentText(), "select");
        EXPECT_TRUE(d.TntRadioButton2->isChecked());
        ClickCaption(d.Button2);
    });
    EXPECT_EQ(Messages(MessageKind::Error),
              QStringList{"Could not get cladding parameters! Error: epsilon value is zero!"});
    EXPECT_FALSE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, -1);
}

TEST_F(SurfaceDialogTest, OutsideWithoutCladdingOrWindIsRefusedAndStaysOpen) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        Continue(d);
        EXPECT_TRUE(d.isVisible());
        ChooseCladding(d, 1);
        Retype(d.TntEdit2, "0");
        Continue(d);
        EXPECT_TRUE(d.isVisible());
        Retype(d.TntEdit2, "-2");
        Continue(d);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(MessageKind::Warning), QStringList({kMakeSense, kMakeSense, kMakeSense}));
    EXPECT_FLOAT_EQ(H(), 9.0f);
}

TEST_F(SurfaceDialogTest, InsideWithoutEmissivityIsRefused) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        d.TntEdit1->clear();
        Continue(d);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(MessageKind::Warning), QStringList{kMakeSense});
}

TEST_F(SurfaceDialogTest, WindSpeedThatIsNoNumberIsReportedAndStaysOpen) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        ChooseCladding(d, 0);
        Retype(d.TntEdit2, "fast");
        Continue(d);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(MessageKind::Error),
              QStringList{"Calulation of h failed! Please check input and retry! Error: 'fast' "
                          "is not a valid floating point value"});
}

TEST_F(SurfaceDialogTest, MissingSheetHeightIsReportedAndCancelKeepsTheTypedH) {
    OpenForm(7);
    HLine().SetParaLineEditText("7.5");
    CalculateH([](TInsideOutside& d) {
        Retype(d.TntEdit3, "0");
        Continue(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Shared().WorkingValues.SurfaceCoefficient, 9.0f);
        ClickCaption(d.Button2);
    });
    EXPECT_EQ(Messages(MessageKind::Plain),
              QStringList{"Correct value for the sheet height is missing! Please retry!"});
    EXPECT_EQ(HLine().ParaLineEditText(), "7.5");
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 1.0f);
}

// Cancel changes nothing in the form: the h it had, and where that h came from.
TEST_F(SurfaceDialogTest, CancelLeavesHAndTheFormAsTheyWere) {
    OpenForm(1);
    FormState().HFromDialog = true;
    FormState().ChosenCladdingIndex = 2;
    CalculateH([](TInsideOutside& d) {
        EXPECT_FALSE(FormState().HFromDialog); // cleared when shown
        ChooseOutside(d);
        ChooseCladding(d, 1);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, 2);
    EXPECT_FLOAT_EQ(H(), 9.0f);
    EXPECT_EQ(HLine().ParaLineEditText(), "9.000");
}

TEST_F(SurfaceDialogTest, IndoorHIsWrittenAndTheLineCountsAsTyped) {
    OpenForm(1);
    CalculateH(Continue);
    EXPECT_NEAR(H(), 8.68, 0.005);
    EXPECT_EQ(HLine().ParaLineEditText(), QString(FormatPattern(H(), "#0.000")));
    EXPECT_FALSE(FormState().HFromDialog); // the h line's change clears it
    EXPECT_EQ(FormState().ChosenCladdingIndex, -1);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(SurfaceDialogTest, OutdoorHKeepsTheFlagAndTheChosenCladding) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        ChooseCladding(d, 0);
        Continue(d);
    });
    EXPECT_NEAR(H(), 16.24, 0.005);
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, 0);
}

TEST_F(SurfaceDialogTest, HBeforeAnyMaterialOnlyAsksForOne) {
    OpenForm(1);
    ChooseMaterial(-1);
    CalculateH(Continue);
    EXPECT_EQ(seam.Texts(), QStringList{"Please enter the material type before calculating."});
    EXPECT_EQ(dialogRuns, 0);
    EXPECT_FLOAT_EQ(H(), 9.0f);
}

TEST_F(SurfaceDialogTest, BarePipeOffersNoOutdoorChoiceAndUsesBareSteel) {
    OpenForm(2);
    SetLine(kThicknessLine, "0");
    CalculateH([](TInsideOutside& d) {
        EXPECT_FALSE(d.TntRadioButton2->isVisible());
        EXPECT_FALSE(d.TntComboBox1->isVisible());
        EXPECT_FALSE(d.TntLabel5->isVisible());
        EXPECT_EQ(d.TntEdit1->text(), "0.70");
    });
    EXPECT_FLOAT_EQ(Shared().WorkingValues.Emissivity, 0.7f);
}

TEST_F(SurfaceDialogTest, InsulatedPipeResetsEmissivityForTheCladdingChoice) {
    Shared().WorkingValues.Emissivity = 0.4f;
    OpenForm(3);
    CalculateH([](TInsideOutside& d) { EXPECT_EQ(d.TntEdit1->text(), "0.93"); });
}

TEST_F(SurfaceDialogTest, ThicknessThatIsNoNumberOpensTheDialogAsDesigned) {
    Shared().WorkingValues.Emissivity = 0.4f;
    OpenForm(1);
    SetLine(kThicknessLine, "-");
    CalculateH([](TInsideOutside& d) {
        EXPECT_TRUE(d.TntRadioButton2->isVisible());
        EXPECT_EQ(d.TntEdit1->text(), "0.40");
    });
}

TEST_F(SurfaceDialogTest, HelpShowsTheCoefficientText) {
    OpenForm(1);
    bool helpShown = false;
    seam.onDialog = [&](QDialog& d) {
        if (&d == &HelpWindow()) {
            helpShown = true;
            return int(QDialog::Accepted);
        }
        return RunDialog(d);
    };
    CalculateH([](TInsideOutside& d) {
        ClickCaption(d.Button3);
        QCoreApplication::processEvents(); // the help runs after the click has been handled
    });
    EXPECT_TRUE(helpShown);
}

// A message box that really opens over the dialog, takes activation and gives it back when
// it closes, as a window manager does.
class ReactivatingSeam : public RecordingSeam {
public:
    TInsideOutside* dialog = nullptr;
    MessageReply Message(MessageKind kind, const QString& text, const QString& title,
                         QWidget* parent) override {
        MessageReply reply = RecordingSeam::Message(kind, text, title, parent);
        if (dialog && dialog->isVisible()) {
            QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, dialog);
            box.show();
            QApplication::setActiveWindow(&box);
            box.hide();
            QApplication::setActiveWindow(dialog);
        }
        return reply;
    }
};

TEST_F(SurfaceDialogTest, SurfaceTemperatureMessageKeepsTheOutdoorChoice) {
    ReactivatingSeam reactivating;
    reactivating.onDialog = [this](QDialog& d) { return RunDialog(d); };
    InstallSeam(&reactivating);
    Shared().GlobalSettings.ShowSurfaceTemp = true;
    OpenForm(1);
    CalculateH([&](TInsideOutside& d) {
        reactivating.dialog = &d;
        ChooseOutside(d);
        ChooseCladding(d, 0);
        Continue(d);
    });
    EXPECT_EQ(reactivating.Texts(), QStringList{"surface temperature: 23.4°C"});
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, 0);
    InstallSeam(&seam);
}

TEST_F(SurfaceDialogTest, RefusalMessageKeepsTheEntriesWhenTheDialogReturns) {
    ReactivatingSeam reactivating;
    reactivating.onDialog = [this](QDialog& d) { return RunDialog(d); };
    InstallSeam(&reactivating);
    OpenForm(1);
    CalculateH([&](TInsideOutside& d) {
        reactivating.dialog = &d;
        ChooseOutside(d);
        ChooseCladding(d, 2);
        Retype(d.TntEdit2, "0");
        Continue(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.TntRadioButton2->isChecked());
        EXPECT_EQ(d.TntEdit2->text(), "0");
        EXPECT_EQ(d.TntComboBox1->currentText(), "Aluminium");
        EXPECT_EQ(d.TntEdit1->text(), "0.13");
    });
    EXPECT_EQ(reactivating.Texts(), QStringList{kMakeSense});
    InstallSeam(&seam);
}
