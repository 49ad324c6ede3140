// Start-up with data files that are odd, and the messages that report them.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/Main.h"
#include "config/Tntinifiles.h"
#include "config/Uconfig.h"
#include "support/FifoWatchdog.h"
#include "support/FixtureFiles.h"

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

class StartupData : public SeamTest {
protected:
    FixtureDir dir;

    // Starts the main window on the folder and returns the texts of its messages.
    QStringList Start() {
        seam.messages.clear();
        Tfrm_Main window;
        window.FormCreate(dir.Path());
        return seam.Texts();
    }
    static bool AnyContains(const QStringList& texts, const QString& part) {
        return !texts.filter(part).isEmpty();
    }
    // Runs `look` on the real message box that opens next, then closes it.
    static void OnNextBox(std::function<void(QMessageBox&)> look) {
        QTimer::singleShot(0, [look] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            look(*box);
            box->accept();
        });
    }
    static QString CopiedWithCtrlC(QMessageBox& box) {
        QApplication::clipboard()->clear();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }
};

// Named pipes, a link to an endless device and a file beyond any real size in place of the
// data files: each reported and left out, and start-up waits on none.
TEST_F(StartupData, OddDataFilesAreReportedAndLeftOut) {
    ASSERT_TRUE(QFile::link("/dev/zero", dir.File("tt_p.txt")));
    QFile huge(dir.File("tt_s.txt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kDataFileLimit + 1)); // sparse: no disk space used
    huge.close();
    const QStringList pipes{dir.File("Termora.ini"), dir.File("logo1.bmp")};
    QStringList texts;
    {
        FifoWatchdog watchdog(pipes);
        texts = Start();
        EXPECT_FALSE(watchdog.Fired()) << "start-up waited on a named pipe";
    }
    const QStringList reports{pipes[0] + ": not a regular file", pipes[1] + ": not a regular file",
                              dir.File("tt_p.txt") + ": not a regular file",
                              dir.File("tt_s.txt") + ": larger than 32 MB"};
    for (const QString& report : reports)
        EXPECT_TRUE(AnyContains(texts, report)) << report.toStdString();
    EXPECT_EQ(Shared().ReferenceLists.Materials.size(), 1u); // the user material
    EXPECT_FALSE(Shared().PipeTable.has_value());
    EXPECT_FALSE(Shared().SheetTable.has_value());
}

// A bad entry ends the load: the start-up message names the line and key, the entries left
// out, and the bare steel value used instead of the file's where its line was left out.
TEST_F(StartupData, ALoadThatStopsSaysWhereAndWhatIsMissing) {
    const struct {
        const char* ini;
        QStringList shown;
        bool bareSteel;
    } cases[] = {
        {"[Material]\nMat1=Foam;0.033;0.0001;-50;105\n[Cladding]\nClad1=PVC;0.92\nClad2=Odd;0,9x\n"
         "Clad3=Jacket;0.9\nClad4=Fe;0.79\n[MediumType]\nMed1=Water;1000;4190;334;0\n"
         "Med2=Brine;1200;3500;0;-20\n[HelpFiles]\nHelp0=a.htm\n",
         {"Read of Inifile failed! Error: '0,9x' is not a valid",
          "Termora.ini: the load stopped at line 5 (Clad2); not loaded: Clad2 to Clad4 (3 "
          "claddings), the display settings, Med1 to Med2 (2 media), Help0 (1 help file).",
          "Bare steel (\"Fe\") has 0.79 in the file but 0.7 is used."},
         true},
        {"[Material]\nMat1=A;x;0;0;1\nMat2=B;0.03;0;0;1\n[Cladding]\nClad1=Fe;0.79\n",
         {"Termora.ini: the load stopped at line 2 (Mat1); not loaded: Mat1 to Mat2 (2 "
          "materials), Clad1 (1 cladding), the display settings."},
         true},
        {"[MediumType]\nMed1=W;1000;4190;334;0\nMed2=B;1;1\nMed3=C;1;1;1;1\n",
         {"Termora.ini: the load stopped at line 3 (Med2); not loaded: Med2 to Med3 (2 media)."},
         false},
    };
    for (const auto& c : cases) {
        dir.WriteText("Termora.ini", QString::fromUtf8(c.ini));
        const QStringList texts = Start();
        for (const QString& part : c.shown)
            EXPECT_TRUE(AnyContains(texts, part)) << c.ini << texts.join("\n---\n").toStdString();
        EXPECT_EQ(AnyContains(texts, "Bare steel"), c.bareSteel) << c.ini;
        EXPECT_TRUE(!c.bareSteel || Shared().GlobalSettings.BareSteelEmissivity == 0.7f) << c.ini;
    }
}

TEST_F(StartupData, AnEmptyOrUnreadableFileIsReported) {
    for (const QByteArray& bytes : {QByteArray(), RandomBytes(5000, 17)}) {
        dir.Write("Termora.ini", bytes);
        const QStringList texts = Start();
        EXPECT_TRUE(
            AnyContains(texts, dir.File("Termora.ini") + " gave no materials, claddings or media"))
            << texts.join("\n---\n").toStdString();
    }
    dir.WriteText("Termora.ini", "[Material]\nMat1=Foam;0.033;0.0001;-50;105\n"
                                 "[Cladding]\nClad1=PVC;0.92\nClad2=Fe;0.79\n"
                                 "[MediumType]\nMed1=Water;1000;4190;334;0\n");
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
// is under the details; the start-up message and a wrapped error copy, by Ctrl+C or a
// selection, without the zero-width spaces the boxes wrap long words at.
TEST_F(StartupData, LongMessagesFitTheScreenAndCopyCleanly) {
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
    OnNextBox([&](QMessageBox& box) {
        shown = box.text();
        details = box.detailedText();
        frame = box.frameGeometry();
        copied = CopiedWithCtrlC(box);
    });
    Start();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(shown.contains(QRegularExpression("\nand \\d+ more$"))) << shown.toStdString();
    EXPECT_EQ(details.count('\n'), 2000); // the heading and every finding
    EXPECT_TRUE(details.contains("line 2001, Clad2000 (" + longName + ")"));
    EXPECT_LE(frame.height(), QGuiApplication::primaryScreen()->availableGeometry().height());
    EXPECT_TRUE(copied.contains(longName)) << copied.left(300).toStdString();
    EXPECT_FALSE(copied.contains(kZeroWidthSpace));

    const QString path = "/" + QString("folder").repeated(20) + "/Termora.ini";
    QString labelText, copiedSelection;
    OnNextBox([&](QMessageBox& box) {
        copied = CopiedWithCtrlC(box);
        for (QLabel* label : box.findChildren<QLabel*>())
            if (label->text().contains(u'/')) {
                labelText = label->text();
                QApplication::clipboard()->setText(labelText.mid(5, 100)); // as a selection does
                copiedSelection = QApplication::clipboard()->text();
            }
    });
    ShowError("Cannot open file " + path);
    ASSERT_TRUE(labelText.contains(kZeroWidthSpace)); // the box does wrap the long word
    EXPECT_TRUE(copied.contains("Cannot open file " + path)) << copied.toStdString();
    EXPECT_EQ(copiedSelection, QString(labelText.mid(5, 100)).remove(kZeroWidthSpace));
}

} // namespace
