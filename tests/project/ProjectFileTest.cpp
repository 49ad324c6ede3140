// The project file: saved, read and saved to the same bytes; what it refuses says where and why.
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
    // Seed 0: the empty project; from 31 on, layered lines; from 41 on, costs and economics.
    for (unsigned seed = 0; seed <= 46; ++seed) {
        const Project p = RandomProject(seed, seed ? 40 : 0, seed > 30, seed > 40);
        const QByteArray saved = ProjectToJson(p);
        const ProjectReading back = ProjectFromJson(saved);
        ASSERT_TRUE(back.Read) << back.Error.toStdString();
        EXPECT_TRUE(*back.Read == p) << "seed " << seed;
        EXPECT_EQ(ProjectToJson(*back.Read), saved) << "seed " << seed;
    }
    // Keys left out keep their defaults.
    EXPECT_TRUE(ProjectFromJson(R"({"format": "termora-project", "version": 1})").Read ==
                Project{});
}

TEST(ProjectFile, SavedThroughAFileOrNamedInTheError) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("plant.termora"));
    const Project p = RandomProject(7, 25);
    ASSERT_EQ(SaveProject(p, name), QString());
    EXPECT_EQ(Bytes(name), ProjectToJson(p));
    EXPECT_TRUE(LoadProject(name).Read == p);
    // A failed save leaves no file; a device (that would never end) is refused by what it is.
    const QString nowhere = dir.filePath(QStringLiteral("missing folder/plant.termora"));
    EXPECT_TRUE(SaveProject(p, nowhere).contains(nowhere));
    EXPECT_FALSE(QFile::exists(nowhere));
    for (const auto& [reading, says] : {std::pair{LoadProject(nowhere), nowhere},
                                        {LoadProject("/dev/zero"), "not a regular file"}}) {
        EXPECT_TRUE(reading.Error.contains(says) && !reading.Read) << says.toStdString();
    }
    EXPECT_TRUE(ImportLinesFile("/dev/zero").Error.contains("not a regular file"));
    EXPECT_FALSE(ImportLinesFile(QStringLiteral("/nonexistent.csv")).Error.isEmpty());
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

// What an older Termora would drop makes a version it refuses; read as older, it is ignored.
TEST(ProjectFile, EachAdditionMakesTheVersionThatKeepsIt) {
    const Project p = RandomProject(3, 10);
    const std::vector<std::pair<int, void (*)(Project&)>> cases{
        {1, [](Project&) {}},
        {2,
         [](Project& q) {
             q.Lines[2].Layers = {{kWool, 0.036f, 40}};
         }},
        {3, [](Project& q) { q.Settings.InterestRatePercent = 4; }},
        {3, [](Project& q) { q.Lines[9].LifeYears = 4; }},
        {3,
         [](Project& q) {
             q.Lines[4].InstalledCosts = {{40, 14}, {30, 12.5f}};
         }},
    };
    for (const auto& [version, add] : cases) {
        Project q = p;
        add(q);
        QByteArray saved = ProjectToJson(q);
        const QByteArray was = "\"version\": " + QByteArray::number(version);
        ASSERT_TRUE(saved.contains(was) && ProjectFromJson(saved).Read) << was.toStdString();
        EXPECT_TRUE(*ProjectFromJson(saved).Read == q) << was.toStdString();
        EXPECT_EQ(!q.Lines[4].InstalledCosts.empty(),
                  saved.contains("\"installed_costs\": [{\"thickness_mm\": 30, "
                                 "\"cost_per_unit\": 12.5}, {\"thickness_mm\": 40"));
        saved.replace(was, "\"version\": " + QByteArray::number(std::max(version - 1, 1)));
        EXPECT_TRUE(*ProjectFromJson(saved).Read == p) << was.toStdString();
    }
}
