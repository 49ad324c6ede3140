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

// Another program and the help window each take activation and give it back; Continue
// then computes the h the user set up.
TEST_F(SurfaceDialogTest, SwitchingAwayOrClosingTheHelpKeepsTheChoicesForContinue) {
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
        ActivateOtherThenBack(d, nullptr);
        ExpectOutdoorsKept(d);
        d.Button3->click();
        QCoreApplication::processEvents(); // the help runs after the click has been handled
        ExpectOutdoorsKept(d);
        Continue(d);
    });
    EXPECT_TRUE(helpShown);
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, 2);
}

// Only the first appearance starts the entries afresh, not a message box closing over it.
TEST_F(SurfaceDialogTest, AMessageBoxClosingOverTheDialogKeepsTheChoices) {
    OpenForm(1);
    CalculateH([](TInsideOutside& d) {
        SetUpOutdoors(d);
        QMessageBox box(&d);
        ActivateOtherThenBack(d, &box);
        ExpectOutdoorsKept(d);
    });
    CalculateH([](TInsideOutside& d) {
        EXPECT_TRUE(d.TntRadioButton1->isChecked());
        EXPECT_EQ(d.TntComboBox1->currentText(), "select");
    });
}

// An emission coefficient that is no number is reported and keeps the dialog open; a sheet
// height of 0 or below is refused and keeps it open too. None changes h or the stored height.
TEST_F(SurfaceDialogTest, OutdoorSheetReportsOrRefusesBadEntries) {
    const QString noNumber = "Calulation of h failed! Please check input and retry! Error: '0.9x' "
                             "is not a valid floating point value";
    const struct {
        const char *emissivity, *height;
        QString message;
    } cases[] = {{"0.9x", "1", noNumber}, {"0.9", "0", kMakeSense}, {"0.9", "-1", kMakeSense}};
    OpenForm(7);
    for (const auto& c : cases) {
        seam.messages.clear();
        CalculateH([&c](TInsideOutside& d) {
            d.TntRadioButton2->click();
            ChooseCladding(d, 0);
            d.TntEdit1->setText(c.emissivity);
            Retype(d.TntEdit3, c.height);
            Continue(d);
            EXPECT_TRUE(d.isVisible());
        });
        EXPECT_EQ(seam.Texts(), QStringList{c.message}) << c.height;
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
