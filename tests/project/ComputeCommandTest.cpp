// termora --compute: the real program without a display, its outputs and its exit status.
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/ComputeCommand.h"
#include "project/ProjectFile.h"

namespace {
// The exit code (-1 for a crash or a hang) and the lines of standard error.
std::pair<int, QStringList> Termora(const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/termora"), arguments);
    if (!program.waitForFinished(120000)) {
        program.kill();
        program.waitForFinished();
        return {-1, {}};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts)};
}
} // namespace

TEST(ComputeCommand, ExitsWithZeroOneOrTwoAndWritesEveryOutput) {
    QTemporaryDir dir;
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    // The options in any order, each output in its own file.
    const auto [code, errors] = Termora({"--pdf", file("s.pdf"), "--compute", ShippedExample(),
                                         "--bom", file("b.csv"), "--csv", file("r.csv")});
    EXPECT_EQ(code, kComputeAllOk);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_TRUE(Bytes(file("r.csv")).left(64).contains("Tag,Kind"));
    EXPECT_TRUE(Bytes(file("b.csv")).left(64).contains("Product"));
    EXPECT_TRUE(Bytes(file("s.pdf")).startsWith("%PDF"));

    Project p = *LoadProject(ShippedExample()).Read;
    p.Lines[1].Material = QStringLiteral("Cork");
    p.Lines[3].Tag.clear(), p.Lines[3].RelHumidity = 99;
    ASSERT_EQ(SaveProject(p, file("plant.termora")), QString());
    // Lines not ok one each; unreadable projects, outputs and options (the project missing or
    // taken for an option).
    ASSERT_EQ(WriteFileAtomically(file("d.termora"), "{\"format\": \"termora-project\","), "");
    const QString help = QStringLiteral("See termora --help.");
    const std::vector<std::tuple<QStringList, int, QStringList>> cases{
        {{"--compute", file("plant.termora")},
         kComputeSomeNotOk,
         {p.Lines[1].Tag + QStringLiteral(": material \"Cork\""), "line 4: Relative humidity"}},
        {{"--compute", file("d.termora")}, kComputeUnreadable, {"line 1, column"}},
        {{"--compute", file("none")}, kComputeUnreadable, {file("none")}},
        {{"--compute", ShippedExample(), "--csv", file("no/dir.csv")},
         kComputeUnreadable,
         {file("no/dir.csv")}},
        {{"--compute"}, kComputeUnreadable, {"needs a file name", help}},
        {{"--compute", "--csv", "x"}, kComputeUnreadable, {"needs a file name", help}},
        {{"--compute", "p", "--svg", "x"}, kComputeUnreadable, {"--svg", help}},
    };
    for (const auto& [args, status, says] : cases) {
        const auto [got, said] = Termora(args);
        EXPECT_EQ(got, status) << args.join(u' ').toStdString();
        ASSERT_EQ(said.size(), says.size()) << said.join(u'\n').toStdString();
        for (qsizetype i = 0; i < says.size(); ++i)
            EXPECT_TRUE(said[i].contains(says[i])) << said[i].toStdString();
    }
}
