// The surface coefficient dialog keeps what the user set while the user looks elsewhere,
// and starts afresh only when one of the program's message boxes closes over it.
#include <QMessageBox>

#include "SurfaceDialogFixture.h"
#include "app/AppWindows.h"
#include "app/Fhelp.h"

namespace {
const QString kMakeSense = "Please enter values that make sense!";

// Outdoors, with a wind speed and a cladding of the user's.
void SetUpOutdoors(TInsideOutside& d) {
    d.TntRadioButton2->click();
    ChooseCladding(d, 2);
    Retype(d.TntEdit2, "3");
}

void ExpectOutdoorsKept(TInsideOutside& d) {
    EXPECT_TRUE(d.TntRadioButton2->isChecked());
    EXPECT_EQ(d.TntEdit2->text(), "3");
    EXPECT_EQ(d.TntComboBox1->currentText(), "Aluminium");
    EXPECT_EQ(d.TntEdit1->text(), "0.13");
}

// Another window takes activation and gives it back.
void ActivateOtherThenBack(TInsideOutside& d, QWidget* other) {
    if (other) {
        other->show();
        QApplication::setActiveWindow(other);
        other->hide();
    } else {
        QApplication::setActiveWindow(nullptr); // another program
    }
    QApplication::setActiveWindow(&d);
}
} // namespace

TEST_F(SurfaceDialogTest, SwitchingToAnotherProgramAndBackKeepsTheEntries) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        SetUpOutdoors(d);
        ActivateOtherThenBack(d, nullptr);
        ExpectOutdoorsKept(d);
    });
}

TEST_F(SurfaceDialogTest, ClosingTheHelpWindowKeepsTheChoicesForContinue) {
    TInsideOutside* shown = nullptr;
    bool helpShown = false;
    seam.onDialog = [&](QDialog& d) {
        if (&d != &HelpWindow())
            return RunDialog(d);
        ActivateOtherThenBack(*shown, &d);
        helpShown = true;
        return int(QDialog::Accepted);
    };
    OpenForm(1);
    CalculateH([&](TInsideOutside& d) {
        shown = &d;
        SetUpOutdoors(d);
        d.Button3->click();
        QCoreApplication::processEvents(); // the help runs after the click has been handled
        ExpectOutdoorsKept(d);
        Continue(d);
    });
    EXPECT_TRUE(helpShown);
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, 2);
}

TEST_F(SurfaceDialogTest, AMessageBoxClosingOverTheDialogStartsItAfresh) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        SetUpOutdoors(d);
        QMessageBox box(&d);
        ActivateOtherThenBack(d, &box);
        EXPECT_TRUE(d.TntRadioButton1->isChecked());
        EXPECT_EQ(d.TntEdit2->text(), "1");
        EXPECT_EQ(d.TntComboBox1->currentText(), "select");
    });
}

TEST_F(SurfaceDialogTest, OutdoorSheetReportsAnEmissivityThatIsNoNumberAndStaysOpen) {
    OpenForm(7);
    CalculateH([](TInsideOutside& d) {
        d.TntRadioButton2->click();
        ChooseCladding(d, 0);
        d.TntEdit1->setText("0.9x");
        Continue(d);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(MessageKind::Error),
              QStringList{"Calulation of h failed! Please check input and retry! Error: '0.9x' "
                          "is not a valid floating point value"});
    EXPECT_FALSE(FormState().HFromDialog);
}

TEST_F(SurfaceDialogTest, OutdoorSheetWithoutHeightIsRefused) {
    OpenForm(7);
    for (const char* height : {"0", "-1"}) {
        seam.messages.clear();
        CalculateH([height](TInsideOutside& d) {
            d.TntRadioButton2->click();
            ChooseCladding(d, 0);
            Retype(d.TntEdit3, height);
            Continue(d);
        });
        EXPECT_EQ(Messages(MessageKind::Plain), QStringList{kMakeSense}) << height;
        EXPECT_FLOAT_EQ(H(), 9.0f);
        EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 1.0f);
    }
}

TEST_F(SurfaceDialogTest, CondensationFormRefusesAirTooColdForTheDewPoint) {
    OpenForm(0);
    Line(0).SetParaLineEditText("-150");
    Line(1).SetParaLineEditText("-160");
    Line(kHumidityLine[0]).SetParaLineEditText("96");
    CalculateH([](TInsideOutside& d) { Continue(d); });
    EXPECT_EQ(Messages(MessageKind::Plain), QStringList{kMakeSense});
    EXPECT_FLOAT_EQ(H(), 9.0f);
}
