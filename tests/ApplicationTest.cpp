#include <QCoreApplication>
#include <QIcon>
#include <QProcess>
#include <stdexcept>

#include "app/Uapplication.h"
#include "support/RecordingSeam.h"

using ApplicationTest = SeamTest;

TEST(ProgramIcon, HasEveryThemeSizeBuiltIn) {
    const QIcon icon = ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        EXPECT_EQ(icon.pixmap(size).size(), QSize(size, size)) << size;
    }
}

TEST_F(ApplicationTest, UncaughtErrorIsShownAndDeliveryGoesOn) {
    bool handled = DeliverReportingErrors([]() -> bool { throw std::runtime_error("lost"); });
    EXPECT_FALSE(handled);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(seam.messages[0].text, "lost");
}

TEST_F(ApplicationTest, NormalDeliveryIsUntouched) {
    EXPECT_TRUE(DeliverReportingErrors([] { return true; }));
    EXPECT_FALSE(DeliverReportingErrors([] { return false; }));
    EXPECT_TRUE(seam.messages.empty());
}

// The real program starts, shows its main window and ends without any dialog in the way
// (the start-up measurement's switch ends it once the window is ready).
TEST(ProgramStart, ReachesTheMainWindowWithoutAnyMessage) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TERMORA_BENCH_QUIT", "1");
    env.insert("LC_ALL", "de_DE.UTF-8");
#ifdef TERMORA_TEST_LOCPATH
    env.insert("LOCPATH", TERMORA_TEST_LOCPATH);
#endif
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + "/termora", {});
    ASSERT_TRUE(program.waitForStarted(5000));
    const bool ended = program.waitForFinished(20000);
    if (!ended)
        program.kill();
    ASSERT_TRUE(ended) << "start-up hangs (a message box waiting for an answer?)";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}
