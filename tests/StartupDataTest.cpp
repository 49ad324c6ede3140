// Start-up with data files that are odd: named pipes, devices and huge files are reported
// and left out, a load that stops says what it left out, an empty file is reported, and the
// start-up message stays on the screen and copies without the break opportunities it shows.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/Main.h"
#include "config/Tntinifiles.h"
#include "config/Uconfig.h"
#include "support/FifoWatchdog.h"
#include "support/FixtureFiles.h"

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

const QString kGoodIni = QStringLiteral("[Material]\nMat1=Foam;0.033;0.0001;-50;105\n"
                                        "[Cladding]\nClad1=PVC;0.92\nClad2=Fe;0.79\n"
                                        "[MediumType]\nMed1=Water;1000;4190;334;0\n");

class StartupData : public SeamTest {
protected:
    FixtureDir dir;

    // Starts the main window on the folder and returns the texts of its messages.
    QStringList Start() {
        Tfrm_Main window;
        window.FormCreate(dir.Path());
        return seam.Texts();
    }
    static bool AnyContains(const QStringList& texts, const QString& part) {
        for (const QString& text : texts)
            if (text.contains(part))
                return true;
        return false;
    }
};

// Every data file read at start-up as a named pipe: reported, and start-up goes on.
TEST_F(StartupData, NamedPipesAreReportedNotWaitedFor) {
    const QStringList names{"Termora.ini", "tt_p.txt", "tt_s.txt", "logo1.bmp"};
    QStringList paths;
    for (const QString& name : names)
        paths << dir.File(name);
    QStringList texts;
    {
        FifoWatchdog watchdog(paths);
        texts = Start();
        EXPECT_FALSE(watchdog.Fired()) << "start-up waited on a named pipe";
    }
    for (const QString& path : paths)
        EXPECT_TRUE(AnyContains(texts, path + ": not a regular file")) << path.toStdString();
    EXPECT_EQ(Shared().ReferenceLists.Materials.size(), 1u); // the user material
    EXPECT_FALSE(Shared().PipeTable.has_value());
}

// A link to an endless device and a file beyond any real size are left out likewise.
TEST_F(StartupData, DevicesAndHugeFilesAreReportedAndLeftOut) {
    dir.WriteText("Termora.ini", kGoodIni);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.File("tt_p.txt")));
    QFile huge(dir.File("tt_s.txt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kDataFileLimit + 1)); // sparse: no disk space used
    huge.close();
    const QStringList texts = Start();
    EXPECT_TRUE(AnyContains(texts, dir.File("tt_p.txt") + ": not a regular file"));
    EXPECT_TRUE(AnyContains(texts, dir.File("tt_s.txt") + ": larger than 32 MB"));
    EXPECT_FALSE(Shared().PipeTable.has_value());
    EXPECT_FALSE(Shared().SheetTable.has_value());
    EXPECT_EQ(Shared().ReferenceLists.Materials.size(), 2u); // Termora.ini itself loaded
}

// A bad number ends the load: the start-up message names the line, the entries it left
// out, and the bare steel value that is used instead of the file's.
TEST_F(StartupData, ALoadThatStopsSaysWhereAndWhatIsMissing) {
    dir.WriteText("Termora.ini", "[Material]\nMat1=Foam;0.033;0.0001;-50;105\n"
                                 "[Cladding]\nClad1=PVC;0.92\nClad2=Odd;0,9x\nClad3=Jacket;0.9\n"
                                 "Clad4=Fe;0.79\n[MediumType]\nMed1=Water;1000;4190;334;0\n"
                                 "Med2=Brine;1200;3500;0;-20\n[HelpFiles]\nHelp0=a.htm\n");
    const QStringList texts = Start();
    EXPECT_TRUE(AnyContains(texts, "Read of Inifile failed! Error: '0,9x' is not a valid"));
    EXPECT_TRUE(AnyContains(texts, "Termora.ini: the load stopped at line 5 (Clad2); not loaded: "
                                   "Clad2 to Clad4 (3 claddings), the display settings, Med1 to "
                                   "Med2 (2 media), Help0 (1 help file)."))
        << texts.join("\n---\n").toStdString();
    EXPECT_TRUE(AnyContains(texts, "Bare steel (\"Fe\") has 0.79 in the file but 0.7 is used."));
    EXPECT_EQ(Shared().GlobalSettings.BareSteelEmissivity, 0.7f);
}

// Wherever the load stops, the report names that key and what came after it in the file.
TEST_F(StartupData, EveryStepOfTheLoadReportsWhatItLeftOut) {
    const struct {
        const char* ini;
        const char* gap;
    } cases[] = {
        {"[Material]\nMat1=A;x;0;0;1\nMat2=B;0.03;0;0;1\n[Cladding]\nClad1=Fe;0.79\n",
         "stopped at line 2 (Mat1); not loaded: Mat1 to Mat2 (2 materials), Clad1 (1 cladding), "
         "the display settings."},
        {"[MediumType]\nMed1=W;1000;4190;334;0\nMed2=B;1;1\nMed3=C;1;1;1;1\n",
         "stopped at line 3 (Med2); not loaded: Med2 to Med3 (2 media)."},
    };
    for (const auto& c : cases) {
        dir.WriteText("Termora.ini", QString::fromUtf8(c.ini));
        const TConfigLoad load = LoadConfigurationReport(dir.Path(), {});
        ASSERT_FALSE(load.gaps.isEmpty()) << c.ini;
        EXPECT_EQ(load.gaps[0], QStringLiteral("Termora.ini: the load ") + c.gap);
    }
    // Bare steel is named only where its line was left out.
    EXPECT_TRUE(LoadConfigurationReport(dir.Path(), {}).gaps.filter("Bare steel").isEmpty());
}

TEST_F(StartupData, AnEmptyOrUnreadableFileIsReported) {
    for (const QByteArray& bytes : {QByteArray(), RandomBytes(5000, 17)}) {
        seam.messages.clear();
        dir.Write("Termora.ini", bytes);
        const QStringList texts = Start();
        EXPECT_TRUE(
            AnyContains(texts, dir.File("Termora.ini") + " gave no materials, claddings or media"))
            << texts.join("\n---\n").toStdString();
    }
    seam.messages.clear();
    dir.WriteText("Termora.ini", kGoodIni);
    Start();
    for (const RecordedMessage& m : seam.messages)
        EXPECT_NE(m.kind, MessageKind::Warning) << m.text.toStdString();
}

// The numbers of a finding keep the digits that make them wrong; no infinity is printed.
TEST_F(StartupData, NumbersKeepTheDigitsThatMakeThemWrong) {
    dir.WriteText("Termora.ini", "[Material]\nMat1=Huge;1e38;-1e38;-50;50\n"
                                 "[Cladding]\nClad1=Nearly;1.0000001\n");
    const std::vector<TConfigFinding> found = LoadConfiguration(dir.Path(), {});
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].problem.indexOf("inf"), -1) << found[0].problem.toStdString();
    EXPECT_TRUE(found[0].problem.contains("3.4028235e+38")) << found[0].problem.toStdString();
    EXPECT_EQ(found[1].problem, "emission coefficient 1.0000001 is outside 0 to 1");
}

// Through the real boxes: 2,000 findings fit the screen with "and N more", the whole list
// is under the details, and copies carry no zero-width spaces.
TEST_F(StartupData, ALongStartUpMessageFitsTheScreenAndCopiesCleanly) {
    const QString longName = "Foam" + QString("x").repeated(80);
    QString ini = "[Cladding]\n";
    for (int i = 1; i <= 2000; ++i)
        ini += QStringLiteral("Clad%1=%2;1.5\n").arg(i).arg(longName);
    dir.WriteText("Termora.ini", ini);
    dir.WriteText("tt_p.txt", "");
    dir.WriteText("tt_s.txt", "");
    InstallSeam(nullptr);
    QString shown, details, copied;
    QRect frame;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        details = box->detailedText();
        frame = box->frameGeometry();
        QApplication::clipboard()->clear();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        box->accept();
    });
    Start();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(shown.contains(QRegularExpression("\nand \\d+ more$"))) << shown.toStdString();
    EXPECT_EQ(details.count('\n'), 2000); // the heading and every finding
    EXPECT_TRUE(details.contains("line 2001, Clad2000 (" + longName + ")"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(frame.height(), screen.height());
    EXPECT_TRUE(copied.contains(longName)) << copied.left(300).toStdString();
    EXPECT_FALSE(copied.contains(kZeroWidthSpace));
}

TEST_F(StartupData, AWrappedErrorCopiesWithoutZeroWidthSpaces) {
    InstallSeam(nullptr);
    const QString path = "/" + QString("folder").repeated(20) + "/Termora.ini";
    QString labelText, copiedBox, copiedSelection;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QApplication::clipboard()->clear();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        copiedBox = QApplication::clipboard()->text();
        for (QLabel* label : box->findChildren<QLabel*>())
            if (label->text().contains(u'/')) {
                labelText = label->text();
                // What a selection of the text puts on the clipboard.
                QApplication::clipboard()->setText(labelText.mid(5, 100));
                copiedSelection = QApplication::clipboard()->text();
            }
        box->accept();
    });
    ShowError("Cannot open file " + path);
    ASSERT_TRUE(labelText.contains(kZeroWidthSpace)); // the box does wrap the long word
    EXPECT_TRUE(copiedBox.contains("Cannot open file " + path)) << copiedBox.toStdString();
    EXPECT_EQ(copiedSelection, QString(labelText.mid(5, 100)).remove(kZeroWidthSpace));
}

} // namespace
