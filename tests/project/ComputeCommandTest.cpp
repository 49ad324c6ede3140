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

    Project p = *LoadProject(ShippedExample()).Read; // lines not ok are printed one each
    p.Lines[1].Material = QStringLiteral("Cork");
    p.Lines[3].Tag.clear(), p.Lines[3].RelHumidity = 99;
    ASSERT_EQ(SaveProject(p, file("plant.termora")), QString());
    const auto [notOk, lines] = Termora({"--compute", file("plant.termora")});
    EXPECT_EQ(notOk, kComputeSomeNotOk);
    ASSERT_EQ(lines.size(), 2) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith(p.Lines[1].Tag + QStringLiteral(": ")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("\"Cork\"")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("line 4: Relative humidity")));

    // Unreadable projects, outputs and options (the project missing or taken for an option).
    ASSERT_EQ(WriteFileAtomically(file("d.termora"), "{\"format\": \"termora-project\","), "");
    const QString help = QStringLiteral("See termora --help.");
    const std::vector<std::pair<QStringList, QStringList>> cases{
        {{"--compute", file("d.termora")}, {"line 1, column"}},
        {{"--compute", file("none")}, {file("none")}},
        {{"--compute", ShippedExample(), "--csv", file("no/dir.csv")}, {file("no/dir.csv")}},
        {{"--compute"}, {"needs a file name", help}},
        {{"--compute", "--csv", "x"}, {"needs a file name", help}},
        {{"--compute", "p", "--svg", "x"}, {"--svg", help}},
    };
    for (const auto& [args, says] : cases) {
        const auto [code, said] = Termora(args);
        EXPECT_EQ(code, kComputeUnreadable) << args.join(u' ').toStdString();
        ASSERT_EQ(said.size(), says.size()) << said.join(u'\n').toStdString();
        for (qsizetype i = 0; i < says.size(); ++i)
            EXPECT_TRUE(said[i].contains(says[i])) << said[i].toStdString();
    }
}
