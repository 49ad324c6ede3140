// Numbers keep "." when the program starts in a locale whose decimal separator is ",".
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Fthermal_con.h"
#include "config/Uutils.h"
#include "support/RecordingSeam.h"

namespace {

std::string Printed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// Switches the process to German the way QApplication does at start-up (setlocale from the
// environment, Qt's default locale from the system), then lets the program take over.
class GermanLocaleTest : public SeamTest {
protected:
    std::string saved_;

    void SetUp() override {
        SeamTest::SetUp();
#ifdef TERMORA_TEST_LOCPATH
        // The build generates the locale when the machine has no German one installed.
        if (qEnvironmentVariableIsEmpty("LOCPATH"))
            qputenv("LOCPATH", TERMORA_TEST_LOCPATH);
#endif
        saved_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            GTEST_SKIP() << "no German locale on this machine";
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_EQ(Printed(1.5), "1,50") << "the locale does not use a decimal comma";
        UseDotForNumbers();
    }
    void TearDown() override {
        std::setlocale(LC_ALL, saved_.c_str());
        UseDotForNumbers();
        SeamTest::TearDown();
    }
};

} // namespace

TEST_F(GermanLocaleTest, CLibraryAndQtWriteAndReadWithAPoint) {
    EXPECT_EQ(Printed(1.5), "1.50");
    EXPECT_DOUBLE_EQ(std::strtod("1.5", nullptr), 1.5);
    EXPECT_EQ(QLocale().toString(1.5), "1.5");
    EXPECT_EQ(QLocale().toDouble("2.25"), 2.25);
}

TEST_F(GermanLocaleTest, ProgramNumberTextsUseAPoint) {
    EXPECT_EQ(FormatFloat(1234.5f, 2), "1234.50");
    EXPECT_EQ(FormatPattern(0.036f, "#0.000"), "0.036");
    EXPECT_DOUBLE_EQ(ParseNumber("0.05"), 0.05);
    EXPECT_DOUBLE_EQ(ParseNumber("0,05"), 0.05);
    EXPECT_DOUBLE_EQ(StrToFloat("25.4"), 25.4);
}

TEST_F(GermanLocaleTest, ConductivityDialogReadsBothSeparators) {
    TThermal_Cond dialog;
    dialog.show();
    auto* field = dialog.findChild<QLineEdit*>("ME_lambda");
    QTest::keyClicks(field, "0.045");
    dialog.findChild<QPushButton*>("Cmd_finished")->click();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.045f);
    dialog.show();
    field->setText("0,038");
    dialog.findChild<QPushButton*>("Cmd_finished")->click();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.038f);
    EXPECT_TRUE(seam.messages.empty());
}
