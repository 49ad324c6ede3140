// The project file: what is saved reads back as the same project and saves to the same bytes;
// a damaged, foreign or newer file is refused with a message saying where and why.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/ProjectCsv.h"
#include "project/ProjectFile.h"

namespace {
QString ErrorOf(const QByteArray& bytes) {
    const ProjectReading reading = ProjectFromJson(bytes);
    EXPECT_FALSE(reading.Read.has_value()) << bytes.toStdString();
    return reading.Error;
}
} // namespace

TEST(ProjectFile, ExampleEmptyAndRandomProjectsSaveLoadSaveByteIdentical) {
    const QByteArray example = Bytes(ShippedExample());
    const ProjectReading reading = ProjectFromJson(example);
    ASSERT_TRUE(reading.Read) << reading.Error.toStdString();
    EXPECT_EQ(reading.Read->Lines.size(), 8u);
    EXPECT_EQ(ProjectToJson(*reading.Read), example);
    // Seed 0 is the empty project; from seed 31 on, layered lines of every kind; from seed 41
    // on, installed costs and life economics too.
    for (unsigned seed = 0; seed <= 46; ++seed) {
        const Project p = RandomProject(seed, seed ? 40 : 0, seed > 30, seed > 40);
        const QByteArray saved = ProjectToJson(p);
        const ProjectReading back = ProjectFromJson(saved);
        ASSERT_TRUE(back.Read) << back.Error.toStdString();
        EXPECT_TRUE(*back.Read == p) << "seed " << seed;
        EXPECT_EQ(ProjectToJson(*back.Read), saved) << "seed " << seed;
    }
    const ProjectReading bare =
        ProjectFromJson("{\"format\": \"termora-project\", \"version\": 1}");
    ASSERT_TRUE(bare.Read);
    EXPECT_TRUE(bare.Read->Lines.empty());
}

TEST(ProjectFile, SavedThroughAFileOrNamedInTheError) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("plant.termora"));
    const QString again = dir.filePath(QStringLiteral("again.termora"));
    const Project p = RandomProject(7, 25);
    ASSERT_EQ(SaveProject(p, name), QString());
    const ProjectReading reading = LoadProject(name);
    ASSERT_TRUE(reading.Read);
    EXPECT_TRUE(*reading.Read == p);
    ASSERT_EQ(SaveProject(*reading.Read, again), QString());
    EXPECT_EQ(Bytes(name), Bytes(again));
    // A failed save says so and leaves no file; an unreadable one is named.
    const QString nowhere = dir.filePath(QStringLiteral("missing folder/plant.termora"));
    EXPECT_TRUE(SaveProject(p, nowhere).contains(nowhere));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_TRUE(LoadProject(nowhere).Error.contains(nowhere));
    EXPECT_FALSE(LoadProject(nowhere).Read);
    // A device read as a project or a line list would never end: refused by what it is.
    const QString device = QStringLiteral("/dev/zero");
    EXPECT_TRUE(LoadProject(device).Error.contains("not a regular file"));
    EXPECT_TRUE(ImportLinesFile(device).Error.contains("not a regular file"));
}

TEST(ProjectFile, DamagedForeignNewerAndMistypedFilesAreRefused) {
    const QByteArray kVersion3 = "{\"format\": \"termora-project\", \"version\": 3, \"lines\": [";
    QByteArray damaged = Bytes(ShippedExample());
    // Line 18 is the second line of the list; break it after its opening brace.
    const qsizetype start = damaged.indexOf("{\"tag\": \"CHW-102");
    ASSERT_GT(start, 0);
    damaged.insert(start + 1, "#");
    const QByteArray project = "{\"format\": \"termora-project\", \"version\": 1, ";
    const std::vector<std::pair<QByteArray, const char*>> cases{
        {damaged, "damaged"},
        {damaged, "line 18, column 10"},
        {"{\n  \"äöü\": ]", "line 2, column 10"}, // columns count characters, not bytes
        {"[1, 2]", "not a Termora project"},
        {"{\"format\": \"other\", \"version\": 1}", "not a Termora project"},
        {"{\"version\": 1}", "not a Termora project"},
        {"{\"format\": \"termora-project\", \"version\": 4}", "newer"},
        {"{\"format\": \"termora-project\", \"version\": 1.5}", "version"},
        {"{\"format\": \"termora-project\"}", "version"},
        {project + "\"lines\": {}}", "\"lines\""},
        {project + "\"lines\": [{\"length_m\": \"4\"}]}", "\"length_m\" in line 1"},
        {project + "\"lines\": [{}, 3]}", "line 2 of the list"},
        {project + "\"lines\": [{}, {\"kind\": \"duct\"}]}", "\"kind\" in line 2"},
        {project + "\"lines\": [{\"length_m\": 1e39}]}", "\"length_m\""},
        {project + "\"settings\": {\"hours_per_year\": true}}", "in the settings"},
        {"{\"format\": \"termora-project\", \"version\": 2, \"lines\": [{\"fixed_layers\": [3]}]}",
         "\"fixed_layers\""},
        {kVersion3 + "{}, {\"installed_costs\": {}}]}", "\"installed_costs\" in line 2"},
        {kVersion3 + "{\"installed_costs\": [7]}]}", "\"installed_costs\" in line 1"},
        {kVersion3 + "{\"installed_costs\": [{\"thickness_mm\": 30, \"cost_per_unit\": 1}, "
                     "{\"thickness_mm\": 30, \"cost_per_unit\": 2}]}]}",
         "each thickness once"},
        {kVersion3 + "{\"life_years\": \"10\"}]}", "\"life_years\" in line 1"},
    };
    for (const auto& [bytes, says] : cases) {
        const QString error = ErrorOf(bytes);
        EXPECT_TRUE(error.contains(QString::fromUtf8(says)))
            << bytes.left(80).toStdString() << " -> " << error.toStdString();
    }
}

// Costs or life economics make the file version 3, which an older Termora refuses rather than
// dropping them when it saves; an older file's such keys are ignored as an older reader does.
TEST(ProjectFile, EconomicsAloneMakeVersionThree) {
    const Project p = RandomProject(3, 10);
    for (int use = 0; use < 3; ++use) {
        Project q = p;
        (use == 0 ? q.Settings.InterestRatePercent : q.Lines[9].LifeYears.emplace()) = 4;
        if (use == 2)
            q.Lines[4].InstalledCosts = {{40, 14}, {30, 12.5f}};
        QByteArray saved = ProjectToJson(q);
        ASSERT_TRUE(saved.contains("\"version\": 3") && ProjectFromJson(saved).Read);
        EXPECT_TRUE(*ProjectFromJson(saved).Read == q);
        EXPECT_EQ(use == 2, saved.contains("\"installed_costs\": [{\"thickness_mm\": 30, "
                                           "\"cost_per_unit\": 12.5}, {\"thickness_mm\": 40"));
        saved.replace("\"version\": 3", "\"version\": 2");
        EXPECT_TRUE(*ProjectFromJson(saved).Read == p);
    }
}
