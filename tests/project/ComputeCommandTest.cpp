// termora --compute: the real program without a display, its outputs and its exit status.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/ComputeCommand.h"
#include "project/ProjectFile.h"

namespace {
struct ProgramRun {
    int code = -1;
    QStringList errors; // lines of standard error
};

ProgramRun Termora(const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/termora"), arguments);
    ProgramRun run;
    if (!program.waitForFinished(120000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.code = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.errors = QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

QString Example() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/example.termora");
}

QByteArray Head(const QString& fileName, int bytes) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}
} // namespace

TEST(ComputeCommand, ShippedExampleIsAllOkAndWritesEveryOutput) {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("r.csv"));
    const QString bom = dir.filePath(QStringLiteral("b.csv"));
    const QString pdf = dir.filePath(QStringLiteral("s.pdf"));
    const ProgramRun run =
        Termora({QStringLiteral("--compute"), Example(), QStringLiteral("--csv"), csv,
                 QStringLiteral("--bom"), bom, QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(run.code, kComputeAllOk);
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.join(u'\n').toStdString();
    EXPECT_TRUE(Head(csv, 64).contains("Tag,Kind"));
    EXPECT_TRUE(Head(bom, 64).contains("Product"));
    EXPECT_EQ(Head(pdf, 4), QByteArray("%PDF"));
}

TEST(ComputeCommand, LinesNotOkArePrintedOneEachAndExitWithOne) {
    QTemporaryDir dir;
    Project p = *LoadProject(Example()).Read;
    p.Lines[1].Material = QStringLiteral("Cork");
    p.Lines[3].Tag.clear();
    p.Lines[3].RelHumidity = 99;
    const QString name = dir.filePath(QStringLiteral("plant.termora"));
    ASSERT_EQ(SaveProject(p, name), QString());
    const ProgramRun run = Termora({QStringLiteral("--compute"), name});
    EXPECT_EQ(run.code, kComputeSomeNotOk);
    ASSERT_EQ(run.errors.size(), 2) << run.errors.join(u'\n').toStdString();
    EXPECT_TRUE(run.errors[0].startsWith(p.Lines[1].Tag + QStringLiteral(": ")));
    EXPECT_TRUE(run.errors[0].contains(QStringLiteral("\"Cork\"")));
    EXPECT_TRUE(run.errors[1].startsWith(QStringLiteral("line 4: Relative humidity")));
}

TEST(ComputeCommand, UnreadableProjectsAndOutputsExitWithTwo) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.termora"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"termora-project\",");
    file.close();
    const ProgramRun broken = Termora({QStringLiteral("--compute"), damaged});
    EXPECT_EQ(broken.code, kComputeUnreadable);
    ASSERT_EQ(broken.errors.size(), 1);
    EXPECT_TRUE(broken.errors[0].contains(QStringLiteral("line 1, column")));
    EXPECT_EQ(Termora({QStringLiteral("--compute"), dir.filePath(QStringLiteral("none"))}).code,
              kComputeUnreadable);
    EXPECT_EQ(Termora({QStringLiteral("--compute")}).code, kComputeUnreadable);
    EXPECT_EQ(Termora({QStringLiteral("--compute"), Example(), QStringLiteral("--csv"),
                       dir.filePath(QStringLiteral("no/such/folder.csv"))})
                  .code,
              kComputeUnreadable);
}

TEST(ComputeCommand, OptionsAreReadInAnyOrder) {
    QString error;
    const auto o =
        ParseComputeOptions({"--pdf", "s.pdf", "--compute", "p.termora", "--bom", "b"}, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->ProjectFile, QStringLiteral("p.termora"));
    EXPECT_EQ(o->PdfFile, QStringLiteral("s.pdf"));
    EXPECT_EQ(o->BomFile, QStringLiteral("b"));
    EXPECT_TRUE(o->CsvFile.isEmpty());
    for (const QStringList& bad : {QStringList{"--compute"}, QStringList{"--compute", "--csv", "x"},
                                   QStringList{"--compute", "p", "--svg", "x"}}) {
        EXPECT_FALSE(ParseComputeOptions(bad, error)) << bad.join(u' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}
