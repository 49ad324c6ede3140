#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/Fthermal_con.h"
#include "support/RecordingSeam.h"

namespace {

const QString kRefusal = "Please enter values that make sense!";

class ThermalCondTest : public SeamTest {
protected:
    TThermal_Cond dialog;

    void SetUp() override {
        SeamTest::SetUp();
        dialog.show();
    }
    void TearDown() override {
        dialog.hide();
        SeamTest::TearDown();
    }
    QLineEdit* Field() { return dialog.findChild<QLineEdit*>("ME_lambda"); }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }
    void Accept() { Button("Cmd_finished")->click(); }
};

} // namespace

TEST_F(ThermalCondTest, AcceptStoresATypedDecimalComma) {
    QTest::keyClicks(Field(), "0,05");
    EXPECT_EQ(Field()->text(), "0.05"); // the key filter turns the comma into a point
    Accept();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.05f);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ThermalCondTest, AcceptStoresAPastedDecimalComma) {
    Field()->setText("0,042");
    Accept();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.042f);
}

TEST_F(ThermalCondTest, EnterAcceptsAndEscapeCancels) {
    QTest::keyClicks(Field(), "0.04");
    QTest::keyClick(Field(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.04f);

    dialog.show();
    QTest::keyClicks(Field(), "0.09");
    QTest::keyClick(Field(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.04f);
}

TEST_F(ThermalCondTest, KeyFilterSwallowsWhatCannotBeANumber) {
    QTest::keyClicks(Field(), "a0x.0 3e");
    EXPECT_EQ(Field()->text(), "0.03");
    QTest::keyClick(Field(), Qt::Key_Backspace);
    EXPECT_EQ(Field()->text(), "0.0");
}

TEST_F(ThermalCondTest, EmptyFieldIsRefusedAndTheDialogStays) {
    Accept();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Plain);
    EXPECT_EQ(seam.messages[0].text, kRefusal);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.036f);
}

TEST_F(ThermalCondTest, TextThatIsNoNumberIsRefused) {
    for (const char* text : {"1.2.3", "-", ".", "0.0.4", "1e999"}) {
        seam.messages.clear();
        Field()->setText(text);
        Accept();
        EXPECT_EQ(seam.Texts(), QStringList({kRefusal})) << text;
        EXPECT_TRUE(dialog.isVisible()) << text;
    }
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.036f);
}

// A conductivity of zero or below has no physical meaning and would give nonsense results.
TEST_F(ThermalCondTest, ZeroOrNegativeConductivityIsRefused) {
    for (const char* text : {"0", "0.0", "-0.04", "1e-60"}) {
        seam.messages.clear();
        Field()->setText(text);
        Accept();
        EXPECT_EQ(seam.Texts(), QStringList({kRefusal})) << text;
    }
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.036f);
}

TEST_F(ThermalCondTest, CancelKeepsTheValue) {
    QTest::keyClicks(Field(), "0.07");
    Button("Cmd_cancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.036f);
}

TEST_F(ThermalCondTest, EveryShowingStartsWithAnEmptyField) {
    QTest::keyClicks(Field(), "0.05");
    Accept();
    dialog.show();
    EXPECT_TRUE(Field()->text().isEmpty());
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.05f);
}

TEST_F(ThermalCondTest, ShowingSetsTheTexts) {
    EXPECT_EQ(dialog.windowTitle(), "");
    EXPECT_EQ(dialog.findChild<QLabel*>("TntLabel2")->text(), "thermal conductivity lambda");
    EXPECT_EQ(dialog.findChild<QLabel*>("TntLabel1")->text(), "W/m K");
    EXPECT_EQ(Button("Cmd_cancel")->text(), "Cancel");
    EXPECT_EQ(Button("Cmd_finished")->text(), "Accept");
    const QStringList lines =
        dialog.findChild<QPlainTextEdit*>("TntMemo1")->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Please enter your desired thermal conductivity");
    EXPECT_EQ(lines[1], "");
    EXPECT_TRUE(lines[2].startsWith("(Please pay attention to the fact"));
}

TEST_F(ThermalCondTest, RunsModallyThroughTheSeam) {
    dialog.hide();
    seam.onDialog = [this](QDialog& shown) {
        shown.show();
        QTest::keyClicks(Field(), "0,031");
        Accept();
        return shown.result();
    };
    EXPECT_EQ(ExecModal(dialog), QDialog::Accepted);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.031f);
}
