#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "app/Fhelp.h"
#include "app/Fhelpviewer.h"
#include "app/Finfo.h"
#include "app/Fsplash.h"
#include "support/Children.h"
#include "support/Clicks.h"
#include "support/FixtureFiles.h"
#include "support/RecordingSeam.h"

namespace {

class InfoWindowTest : public SeamTest {
protected:
    Tfrm_Info info;
    void TearDown() override {
        info.hide();
        SeamTest::TearDown();
    }
};

class HelpWindowTest : public SeamTest {
protected:
    TF_Help help;
    FixtureDir dir;

    // Three configured help files, of which only the first exists.
    void ConfigureThree() {
        dir.Write("first.html", {});
        Shared().ReferenceLists.HelpFiles = {dir.File("first.html").toStdString(),
                                             dir.File("second.html").toStdString(),
                                             dir.File("third.html").toStdString()};
    }
};

} // namespace

TEST_F(InfoWindowTest, ShowsTheSalesTextOnSeparateLines) {
    Shared().GlobalSettings.SalesAdress = "VELTRA Sales Office<CR>Phone 0100<CR>sales@veltra";
    info.show();
    EXPECT_EQ(Child<QLabel>(info, "TntLabel3")->text().split(u'\n'),
              QStringList({"VELTRA Sales Office", "Phone 0100", "sales@veltra"}));
}

TEST_F(InfoWindowTest, ShowsTheVersionOfTheBuild) {
    info.show();
    const QString version = Child<QLabel>(info, "TntLabel1")->text();
    EXPECT_TRUE(QRegularExpression("^5\\.0\\.\\d+\\.\\d+$").match(version).hasMatch())
        << version.toStdString();
    EXPECT_EQ(version, ProgramVersion());
    EXPECT_EQ(Child<QLabel>(info, "Label3")->text(), "Version");
}

TEST_F(InfoWindowTest, ShowingSetsTheCaptions) {
    info.show();
    EXPECT_EQ(Child<QLabel>(info, "Label1")->text(), "Termora");
    EXPECT_EQ(Child<QLabel>(info, "Label2")->text(),
              "Software for calculations concerning insulation applications");
    EXPECT_EQ(Child<QLabel>(info, "TntLabel2")->text(), "Sales Contact");
    EXPECT_EQ(Child<QPushButton>(info, "Cmd_OK")->text(), "Ok");
    for (const char* name : {"Label4", "Label6", "Label7", "Label8", "Label9", "Label10"})
        EXPECT_FALSE(Child<QLabel>(info, name)->text().isEmpty()) << name;
}

TEST_F(InfoWindowTest, WebAddressOpensInTheBrowserAndOkCloses) {
    info.show();
    for (const char* link : {"Label10", "Image2"}) {
        EXPECT_EQ(Child<QLabel>(info, link)->cursor().shape(), Qt::PointingHandCursor) << link;
        ClickContent(Child<QLabel>(info, link));
    }
    ASSERT_EQ(seam.opened.size(), 2u);
    EXPECT_EQ(seam.opened[0].host(), "www.veltra.example");
    EXPECT_EQ(seam.opened[1], seam.opened[0]);
    Child<QPushButton>(info, "Cmd_OK")->click();
    EXPECT_FALSE(info.isVisible());
}

TEST_F(HelpWindowTest, PositionBeyondTheListIsNotAvailableAndSilent) {
    ConfigureThree();
    EXPECT_EQ(help.OpenHelpFile(5), 0);
    EXPECT_EQ(help.OpenHelpFile(3), 0);
    EXPECT_EQ(help.OpenHelpFile(-1), 0);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_TRUE(seam.opened.empty());
}

TEST_F(HelpWindowTest, EmptyListIsNotAvailable) {
    EXPECT_EQ(help.OpenHelpFile(0), 0);
    EXPECT_TRUE(seam.opened.empty());
}

TEST_F(HelpWindowTest, MissingFileIsNotAvailable) {
    ConfigureThree();
    EXPECT_EQ(help.OpenHelpFile(1), 0);
    EXPECT_TRUE(seam.opened.empty());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(HelpWindowTest, ExistingFileGoesToTheViewer) {
    ConfigureThree();
    EXPECT_EQ(help.OpenHelpFile(0), 1);
    ASSERT_EQ(seam.opened.size(), 1u);
    EXPECT_EQ(seam.opened[0], QUrl::fromLocalFile(dir.File("first.html")));
}

// Without a browser the page opens in the program's own viewer window, beside the window
// that asked for it.
TEST_F(HelpWindowTest, FileNoViewerTookOpensInTheProgramsViewer) {
    ConfigureThree();
    seam.openSucceeds = false;
    QWidget asking;
    EXPECT_EQ(help.OpenHelpFile(0, &asking), 1);
    auto* viewer = asking.findChild<THelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Browser->source(), QUrl::fromLocalFile(dir.File("first.html")));
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(HelpWindowTest, HelpTextIsSplitIntoLinesAndReadOnly) {
    help.SetHelpText("first\r\nsecond\rthird\nfourth");
    help.SetHelpText("one\r\ntwo\rthree");
    auto* memo = Child<QPlainTextEdit>(help, "Memo_Help");
    EXPECT_EQ(memo->toPlainText(), "one\ntwo\nthree");
    EXPECT_EQ(memo->blockCount(), 3);
    EXPECT_TRUE(memo->isReadOnly());
}

TEST_F(HelpWindowTest, ShowingSetsTitleAndButton) {
    help.show();
    EXPECT_EQ(help.windowTitle(), "Help");
    auto* close = Child<QPushButton>(help, "Cmd_OK");
    EXPECT_EQ(close->text(), "Close");
    close->click();
    EXPECT_FALSE(help.isVisible());
}

TEST(SplashWindow, ClosesItselfAfterItsDuration) {
    TSplash splash;
    splash.SetDuration(80);
    QElapsedTimer clock;
    clock.start();
    splash.exec(); // returns only because the splash closes itself
    EXPECT_GE(clock.elapsed(), 70);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashWindow, ShowsTitleAndSubtitle) {
    TSplash splash;
    splash.SetDuration(10);
    splash.show();
    EXPECT_EQ(Child<QLabel>(splash, "Label1")->text(), "Termora  5.0");
    EXPECT_EQ(Child<QLabel>(splash, "Label4")->text(),
              "Calculations for Thermal Insulation Applications");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 3000));
}

TEST(SplashWindow, StaysUpForThreeSecondsByDefault) {
    TSplash splash;
    splash.show();
    QTest::qWait(300);
    EXPECT_TRUE(splash.isVisible());
    splash.hide();
}
