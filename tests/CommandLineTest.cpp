// "--version" and "--help" are answered without a display; other arguments are ignored.
#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>
#include <sstream>

#include "app/Ucommandline.h"

namespace {

struct Answer {
    std::optional<int> code;
    std::string text;
};

Answer AnswerFor(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "termora");
    std::ostringstream out;
    Answer answer;
    answer.code = AnswerCommandLine(static_cast<int>(arguments.size()), arguments.data(), out);
    answer.text = out.str();
    return answer;
}

struct ProgramRun {
    bool ended = false;
    int code = -1;
    QString out;
};

// Starts the real program with no display at all: constructing the application object
// would abort it.
ProgramRun RunProgram(const QStringList& arguments, bool offscreenUntilReady = false) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    if (offscreenUntilReady) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TERMORA_BENCH_QUIT", "1");
    }
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + "/termora", arguments);
    ProgramRun run;
    run.ended = program.waitForFinished(20000);
    if (!run.ended) {
        program.kill();
        program.waitForFinished();
    }
    run.code = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    return run;
}

} // namespace

TEST(CommandLine, VersionAndHelpAreAnsweredWhereverTheyStand) {
    const Answer version = AnswerFor({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.text, "Termora " TERMORA_VERSION "\n");
    const Answer help = AnswerFor({"-x", "--help", "--version"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.text.find("--version"), std::string::npos);
    EXPECT_NE(help.text.find("../share/termora"), std::string::npos);
    EXPECT_EQ(AnswerFor({"file.txt", "--version"}).text, version.text);
}

TEST(CommandLine, OtherArgumentsStartTheProgramAsUsual) {
    for (const auto& arguments : std::vector<std::vector<const char*>>{
             {}, {"--verbose"}, {"-version"}, {"--help=all"}, {"Termora.ini"}}) {
        const Answer answer = AnswerFor(arguments);
        EXPECT_FALSE(answer.code.has_value());
        EXPECT_TRUE(answer.text.empty());
    }
}

TEST(CommandLine, AProjectFileIsTheFirstArgumentThatIsNoOption) {
    const auto fileOf = [](std::vector<const char*> arguments) {
        arguments.insert(arguments.begin(), "termora");
        return ProjectFileArgument(static_cast<int>(arguments.size()), arguments.data());
    };
    EXPECT_EQ(fileOf({"plant.termora"}), "plant.termora");
    EXPECT_EQ(fileOf({"-x", "/a b/Plant.TERMORA", "other"}), "/a b/Plant.TERMORA");
    EXPECT_FALSE(fileOf({}).has_value());
    EXPECT_FALSE(fileOf({"--verbose", ""}).has_value());
    EXPECT_FALSE(AnswerFor({"plant.termora"}).code.has_value()); // the windows start
}

TEST(CommandLine, HelpDescribesTheProjectComputation) {
    const Answer help = AnswerFor({"--help"});
    for (const char* word : {"--compute", "--csv", "--bom", "--pdf", "PLANT.termora"})
        EXPECT_NE(help.text.find(word), std::string::npos) << word;
}

TEST(CommandLine, ProgramPrintsItsVersionWithoutADisplay) {
    const ProgramRun run = RunProgram({"--version"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, QStringLiteral("Termora " TERMORA_VERSION "\n"));
    EXPECT_TRUE(run.out.startsWith("Termora 5.0.0."));
}

TEST(CommandLine, ProgramPrintsOneParagraphOfHelpWithoutADisplay) {
    const ProgramRun run = RunProgram({"--help"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.contains("Termora.ini"));
    EXPECT_FALSE(run.out.trimmed().contains("\n\n")) << "one paragraph";
}

TEST(CommandLine, ProgramIgnoresAnUnknownArgument) {
    const ProgramRun run = RunProgram({"--frobnicate"}, true);
    ASSERT_TRUE(run.ended) << "start-up hangs (a message box waiting for an answer?)";
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.isEmpty());
}
