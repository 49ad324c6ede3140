#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "app/AppWindows.h"
#include "app/Finfo.h"
#include "app/Fsplash.h"
#include "app/Main.h"
#include "app/Ulook.h"
#include "config/Udatafolder.h"
#include "forms/Fpipessheets.h"
#include "support/Children.h"
#include "support/Clicks.h"
#include "support/FixtureFiles.h"
#include "support/RecordingSeam.h"

namespace {

struct EntryCase {
    const char* button;
    const char* menuItem;
    int calculationType;
};

const EntryCase kEntries[] = {
    {"button_heatloss_pipes", "Menu_Pipes_HeatLoss", 2},
    {"button_thickness_pipes", "Menu_Pipes_ThicknessofInsulation", 0},
    {"button_surface_pipes", "Menu_Pipes_SurfaceTemperature", 1},
    {"button_temperature_drop_pipes", "Menu_Pipes_TemperatureDrop", 3},
    {"button_freeze_pipes", "Menu_Pipes_FreezingTime", 4},
    {"button_heatloss_sheets", "Menu_Sheets_HeatLoss", 6},
    {"button_thickness_sheets", "Menu_Sheets_ThicknessofInsulation", 5},
    {"button_surface_sheets", "Menu_Sheets_SurfaceTemperature", 7},
};

QStringList TextsOf(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions)
        texts << a->text();
    return texts;
}

// Configures that many help files, all present.
void ConfigureHelpFiles(const FixtureDir& dir, int count) {
    for (int i = 0; i < count; ++i) {
        const QString name = QString("h%1.html").arg(i);
        dir.Write(name, "<html></html>");
        Shared().ReferenceLists.HelpFiles.push_back(dir.File(name).toStdString());
    }
}

class MainWindowTest : public SeamTest {
protected:
    Tfrm_Main window;

    void ShowWindow() {
        window.show();
        QCoreApplication::processEvents(); // lets the first showing run the splash
    }
    template <typename T> T* Child(const char* name) { return ::Child<T>(window, name); }
    QAction* Action(const char* name) { return Child<QAction>(name); }
    QPushButton* Button(const char* name) { return Child<QPushButton>(name); }
};

} // namespace

TEST_F(MainWindowTest, ShowingSetsTheCaptions) {
    ShowWindow();
    EXPECT_EQ(window.windowTitle(), "Termora 5");
    EXPECT_EQ(Child<QLabel>("Label1")->text(), "Termora  5.0");
    EXPECT_EQ(Child<QLabel>("Label2")->text(), "Calculations for Thermal Insulation Applications");
    EXPECT_EQ(Child<QGroupBox>("GroupBox1")->title(), "Pipes");
    EXPECT_EQ(Child<QGroupBox>("GroupBox2")->title(), "Sheets");
    EXPECT_EQ(Child<QGroupBox>("GroupBox3")->title(), "Control");
    EXPECT_EQ(Button("button_main_info")->text(), "About");
    EXPECT_EQ(Button("button_main_end")->text(), "Close");
    EXPECT_EQ(Button("button_heatloss_pipes")->text(), "Heat Loss");
    EXPECT_EQ(Button("button_thickness_pipes")->text(), "Condensation Prevention");
    EXPECT_EQ(Button("button_surface_pipes")->text(), "Surface Temperature");
    EXPECT_EQ(Button("button_temperature_drop_pipes")->text(), "Temperature Drop");
    EXPECT_EQ(Button("button_freeze_pipes")->text(), "Time To Freeze");
    EXPECT_EQ(Button("button_heatloss_sheets")->text(), "Heat Loss");
    EXPECT_EQ(Button("button_thickness_sheets")->text(), "Condensation Prevention");
    EXPECT_EQ(Button("button_surface_sheets")->text(), "Surface Temperature");
}

TEST_F(MainWindowTest, MenuHasTheEntriesInOrder) {
    ShowWindow();
    EXPECT_EQ(TextsOf(window.menuBar()->actions()),
              QStringList({"Pipes", "Sheets", "Project", "About", "Help", "Close"}));
    EXPECT_EQ(TextsOf(Child<QMenu>("Menu_Pipes")->actions()),
              QStringList({"Heat Loss", "Condensation Prevention", "Surface Temperature",
                           "Temperature Drop", "Time To Freeze", "Thickness table"}));
    EXPECT_EQ(TextsOf(Child<QMenu>("Menu_Sheets")->actions()),
              QStringList({"Heat Loss", "Condensation Prevention", "Surface Temperature",
                           "Thickness table"}));
}

TEST_F(MainWindowTest, ClientAreaIsFixed) {
    ShowWindow();
    EXPECT_EQ(window.centralWidget()->size(), QSize(562, 426));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(MainWindowTest, ConstructionSetsTheWorkingValueDefaults) {
    Shared().WorkingValues.KFactor = 1.0f;
    Shared().WorkingValues.MaterialIndex = 3;
    Tfrm_Main another;
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.036f);
    EXPECT_EQ(Shared().WorkingValues.MaterialIndex, -1);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.TubeDiameter, 0.0254f);
}

TEST_F(MainWindowTest, FirstShowingRunsTheSplashOnce) {
    int splashes = 0;
    seam.onDialog = [&](QDialog& dialog) {
        splashes += qobject_cast<TSplash*>(&dialog) != nullptr;
        return int(QDialog::Accepted);
    };
    ShowWindow();
    window.hide();
    ShowWindow();
    EXPECT_EQ(splashes, 1);
}

TEST_F(MainWindowTest, NoSplashWhenSwitchedOff) {
    window.SetSplashOnFirstShow(false);
    ShowWindow();
    EXPECT_TRUE(seam.dialogTitles.isEmpty());
}

TEST_F(MainWindowTest, EachEntryOpensAFreshFormForItsCalculation) {
    ShowWindow();
    for (const EntryCase& entry : kEntries) {
        for (bool viaMenu : {false, true}) {
            SCOPED_TRACE(std::string(entry.button) + (viaMenu ? " (menu)" : ""));
            QPointer<QDialog> seen;
            int typeSeen = -1;
            seam.onDialog = [&](QDialog& dialog) {
                seen = &dialog;
                typeSeen = Shared().CalculationType;
                EXPECT_NE(qobject_cast<TPipeForm*>(&dialog), nullptr);
                EXPECT_EQ(dialog.windowTitle(), CalculationTitle(entry.calculationType));
                return int(QDialog::Accepted);
            };
            Shared().CalculationType = -1;
            if (viaMenu)
                Action(entry.menuItem)->trigger();
            else
                Button(entry.button)->click();
            EXPECT_EQ(typeSeen, entry.calculationType);
            EXPECT_TRUE(seen.isNull()) << "the form outlives its calculation";
        }
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(MainWindowTest, AFailingFormIsReportedAndTheWindowGoesOn) {
    ShowWindow();
    seam.onDialog = [](QDialog&) -> int { throw std::runtime_error("no memory"); };
    Button("button_freeze_pipes")->click();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(seam.messages[0].text, "Cannot show calculation form! Error: no memory");
    EXPECT_TRUE(window.isVisible());
}

// A failure carrying a huge text (a file of garbage) must not make a box taller than the
// screen: the text is clipped in the middle.
TEST_F(MainWindowTest, AFailingFormsHugeMessageIsClipped) {
    ShowWindow();
    const std::string huge = "start " + std::string(100000, 'x') + " end";
    seam.onDialog = [&](QDialog&) -> int { throw std::runtime_error(huge); };
    Button("button_freeze_pipes")->click();
    ASSERT_EQ(seam.messages.size(), 1u);
    const QString text = seam.messages[0].text;
    EXPECT_TRUE(text.startsWith("Cannot show calculation form! Error: start x"));
    EXPECT_TRUE(text.endsWith("x end"));
    EXPECT_LT(text.size(), 1000);
}

TEST_F(MainWindowTest, CloseAsksAndNoKeepsTheProgramRunning) {
    ShowWindow();
    Shared().WorkingValues.AmbientTemp = 31.5f;
    QSignalSpy closed(&window, &Tfrm_Main::Closed);
    seam.answers = {MessageReply::No, MessageReply::No, MessageReply::No};
    Button("button_main_end")->click();
    Action("Menu_End")->trigger();
    window.close();
    ASSERT_EQ(seam.messages.size(), 3u);
    for (const auto& m : seam.messages) {
        EXPECT_EQ(m.kind, MessageKind::Question);
        EXPECT_EQ(m.text, "Are you sure to close the program?");
        EXPECT_EQ(m.title, "Termora");
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.AmbientTemp, 31.5f);
}

TEST_F(MainWindowTest, YesClosesAndEndsTheProgram) {
    ShowWindow();
    Shared().ReferenceLists.Materials.push_back({"VELTRA", 0.035f, 0.0001f, -50, 105});
    QSignalSpy closed(&window, &Tfrm_Main::Closed);
    seam.answers = {MessageReply::Yes};
    Action("Menu_End")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(Shared().ReferenceLists.Materials.empty());
}

TEST_F(MainWindowTest, HelpWithoutAnEntryAtPositionEightIsNotAvailable) {
    FixtureDir dir;
    ConfigureHelpFiles(dir, 8);
    Action("Help1")->trigger();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(seam.messages[0].text, "no help available!");
    EXPECT_TRUE(seam.opened.empty());
}

TEST_F(MainWindowTest, HelpOpensTheGeneralHelpFile) {
    FixtureDir dir;
    ConfigureHelpFiles(dir, 9);
    Action("Help1")->trigger();
    EXPECT_TRUE(seam.messages.empty());
    ASSERT_EQ(seam.opened.size(), 1u);
    EXPECT_EQ(seam.opened[0], QUrl::fromLocalFile(dir.File("h8.html")));
}

TEST_F(MainWindowTest, AMissingGeneralHelpFileIsNotAvailable) {
    QTemporaryDir dir;
    for (int i = 0; i < 9; ++i)
        Shared().ReferenceLists.HelpFiles.push_back(dir.filePath("gone.html").toStdString());
    Action("Help1")->trigger();
    EXPECT_EQ(seam.Texts(), QStringList({"no help available!"}));
}

TEST_F(MainWindowTest, LogoOpensTheMakersWebSite) {
    ShowPicture(*Child<QLabel>("Image1"), InDataFolder("logo1.bmp")); // as shipped
    ShowWindow();
    EXPECT_EQ(Child<QLabel>("Image1")->cursor().shape(), Qt::PointingHandCursor);
    ClickContent(Child<QLabel>("Image1"));
    ASSERT_EQ(seam.opened.size(), 1u);
    EXPECT_EQ(seam.opened[0].scheme(), "https");
    EXPECT_EQ(seam.opened[0].host(), "www.veltra.example");
}

TEST_F(MainWindowTest, AboutShowsTheInformationWindowWithoutBlocking) {
    ShowWindow();
    seam.dialogTitles.clear();
    Button("button_main_info")->click();
    EXPECT_TRUE(InfoWindow().isVisible());
    EXPECT_FALSE(InfoWindow().isModal());
    EXPECT_TRUE(seam.dialogTitles.isEmpty());
    InfoWindow().hide();
    Action("Menu_Info")->trigger();
    EXPECT_TRUE(InfoWindow().isVisible());
    InfoWindow().hide();
}

TEST_F(MainWindowTest, CreationLoadsTheLogoAndAMissingOneIsSilent) {
    QTemporaryDir dir;
    QPixmap logo(40, 50);
    logo.fill(Qt::darkGreen);
    ASSERT_TRUE(logo.save(dir.filePath("logo1.bmp"), "BMP"));
    window.FormCreate(dir.path());
    EXPECT_FALSE(Child<QLabel>("Image1")->pixmap().isNull());

    QTemporaryDir empty;
    Tfrm_Main another;
    another.FormCreate(empty.path());
    QLabel* image = another.findChild<QLabel*>("Image1");
    EXPECT_TRUE(image->pixmap().isNull());
    for (const QString& text : seam.Texts())
        EXPECT_FALSE(text.contains("logo")) << text.toStdString();
}
