// The project file: what is saved reads back as the same project and saves to the same bytes;
// a damaged, foreign or newer file is refused with a message saying where and why.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/ProjectFile.h"

namespace {
QByteArray Bytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ExamplePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/example.termora");
}

QString ErrorOf(const QByteArray& bytes) {
    const ProjectReading reading = ProjectFromJson(bytes);
    EXPECT_FALSE(reading.Read.has_value());
    return reading.Error;
}
} // namespace

TEST(ProjectFile, ShippedExampleSavesToItsOwnBytes) {
    const QByteArray original = Bytes(ExamplePath());
    ASSERT_FALSE(original.isEmpty());
    const ProjectReading reading = ProjectFromJson(original);
    ASSERT_TRUE(reading.Read) << reading.Error.toStdString();
    EXPECT_EQ(reading.Read->Lines.size(), 8u);
    EXPECT_EQ(ProjectToJson(*reading.Read), original);
}

TEST(ProjectFile, RandomProjectsReadBackEqualAndSaveByteIdentical) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        const Project p = RandomProject(seed, 40);
        const QByteArray saved = ProjectToJson(p);
        const ProjectReading reading = ProjectFromJson(saved);
        ASSERT_TRUE(reading.Read) << reading.Error.toStdString();
        EXPECT_TRUE(*reading.Read == p) << "seed " << seed;
        EXPECT_EQ(ProjectToJson(*reading.Read), saved) << "seed " << seed;
    }
}

TEST(ProjectFile, SaveAndLoadThroughAFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("plant.termora"));
    const Project p = RandomProject(7, 25);
    ASSERT_EQ(SaveProject(p, name), QString());
    const ProjectReading reading = LoadProject(name);
    ASSERT_TRUE(reading.Read);
    EXPECT_TRUE(*reading.Read == p);
    ASSERT_EQ(SaveProject(*reading.Read, dir.filePath(QStringLiteral("again.termora"))), QString());
    EXPECT_EQ(Bytes(name), Bytes(dir.filePath(QStringLiteral("again.termora"))));
}

TEST(ProjectFile, AFailedSaveSaysSoAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("missing folder/plant.termora"));
    const QString error = SaveProject(RandomProject(3, 2), name);
    EXPECT_TRUE(error.contains(name)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(name));
}

TEST(ProjectFile, DamagedFileNamesLineAndColumn) {
    QByteArray bytes = Bytes(ExamplePath());
    // Line 18 is the second line of the list; break it after its opening brace.
    const qsizetype start = bytes.indexOf("{\"tag\": \"CHW-102");
    ASSERT_GT(start, 0);
    bytes.insert(start + 1, "#");
    const QString error = ErrorOf(bytes);
    EXPECT_TRUE(error.contains(QStringLiteral("damaged"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("line 18, column 10"))) << error.toStdString();
}

TEST(ProjectFile, ColumnCountsCharactersNotBytes) {
    const QString error = ErrorOf(QByteArray("{\n  \"äöü\": ]"));
    EXPECT_TRUE(error.contains(QStringLiteral("line 2, column 10"))) << error.toStdString();
}

TEST(ProjectFile, ForeignNewerAndMistypedFilesAreRefused) {
    struct Case {
        QByteArray bytes;
        const char* says;
    };
    const std::vector<Case> cases{
        {"[1, 2]", "not a Termora project"},
        {"{\"format\": \"other\", \"version\": 1}", "not a Termora project"},
        {"{\"version\": 1}", "not a Termora project"},
        {"{\"format\": \"termora-project\", \"version\": 3}", "newer"},
        {"{\"format\": \"termora-project\", \"version\": 1.5}", "version"},
        {"{\"format\": \"termora-project\"}", "version"},
        {"{\"format\": \"termora-project\", \"version\": 1, \"lines\": {}}", "\"lines\""},
        {"{\"format\": \"termora-project\", \"version\": 1, \"lines\": [{\"length_m\": \"4\"}]}",
         "\"length_m\" in line 1"},
        {"{\"format\": \"termora-project\", \"version\": 1, \"lines\": [{}, 3]}",
         "line 2 of the list"},
        {"{\"format\": \"termora-project\", \"version\": 1, \"lines\": [{}, {\"kind\": \"duct\"}]}",
         "\"kind\" in line 2"},
        {"{\"format\": \"termora-project\", \"version\": 1, \"lines\": [{\"length_m\": 1e39}]}",
         "\"length_m\""},
        {"{\"format\": \"termora-project\", \"version\": 1, \"settings\": {\"hours_per_year\": "
         "true}}",
         "in the settings"},
    };
    for (const Case& c : cases) {
        const QString error = ErrorOf(c.bytes);
        EXPECT_TRUE(error.contains(QLatin1String(c.says)))
            << c.bytes.toStdString() << " -> " << error.toStdString();
    }
}

TEST(ProjectFile, UnreadableFileNamesIt) {
    const ProjectReading reading = LoadProject(QStringLiteral("/nonexistent/plant.termora"));
    EXPECT_FALSE(reading.Read);
    EXPECT_TRUE(reading.Error.contains(QStringLiteral("/nonexistent/plant.termora")));
}

TEST(ProjectFile, AnEmptyProjectIsAProject) {
    const ProjectReading reading =
        ProjectFromJson("{\"format\": \"termora-project\", \"version\": 1}");
    ASSERT_TRUE(reading.Read);
    EXPECT_TRUE(reading.Read->Lines.empty());
    EXPECT_EQ(ProjectToJson(*ProjectFromJson(ProjectToJson(Project{})).Read),
              ProjectToJson(Project{}));
}
