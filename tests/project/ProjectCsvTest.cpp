// Spreadsheets: line lists read from CSV with their bad rows listed, and export -> import
// giving the same lines.
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/LineFields.h"
#include "project/ProjectCsv.h"

namespace {
std::vector<LineResult> Computed(const Project& p) {
    return ComputeProject(p, ProjectData::FromShared());
}
} // namespace

TEST(ProjectCsv, ExportThenImportGivesTheSameLines) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const Project p = RandomProject(seed, 30);
        const CsvImport back = ImportLinesCsv(ExportLinesCsv(p, Computed(p)));
        EXPECT_TRUE(back.Error.isEmpty());
        EXPECT_TRUE(back.Errors.empty()) << back.Errors.front().Reason.toStdString();
        EXPECT_TRUE(back.Lines == p.Lines) << "seed " << seed;
    }
}

TEST(ProjectCsv, SemicolonsDecimalCommasAnyCaseAndUnitsInBrackets) {
    const QString text = QStringLiteral(
        "TAG;kind;outside DIAMETER [mm];Length or area (m);medium temperature;"
        "Ambient Temperature [°C];relative humidity;material;thickness;Waste allowance [%]\r\n"
        "P-1;pipe;48,3;12,5;-5;25;70,5;VELTRA AF elastomeric foam;auto;\r\n"
        "W-1;WALL;;3;60;20;50;VELTRA AF elastomeric foam;19;12,5\r\n");
    const CsvImport in = ImportLinesText(text);
    ASSERT_TRUE(in.Errors.empty()) << in.Errors.front().Reason.toStdString();
    ASSERT_EQ(in.Lines.size(), 2u);
    EXPECT_EQ(in.Lines[0].DiameterMm, 48.3f);
    EXPECT_EQ(in.Lines[0].Extent, 12.5f);
    EXPECT_EQ(in.Lines[0].RelHumidity, 70.5f);
    EXPECT_EQ(in.Lines[0].Mode, ThicknessMode::Automatic);
    EXPECT_FALSE(in.Lines[0].WasteAllowance.has_value());
    EXPECT_EQ(in.Lines[1].Kind, LineKind::Wall);
    EXPECT_EQ(in.Lines[1].DiameterMm, Line{}.DiameterMm); // empty cell: the default
    EXPECT_EQ(in.Lines[1].Mode, ThicknessMode::Fixed);
    EXPECT_EQ(in.Lines[1].FixedThicknessMm, 19.0f);
    EXPECT_EQ(in.Lines[1].WasteAllowance, 12.5f);
}

TEST(ProjectCsv, EveryBadRowIsListedAndTheOthersImported) {
    const QString text = QStringLiteral("Tag,Kind,Outside diameter (mm),Medium temperature,Wind "
                                        "speed,Installation,Notes\n"
                                        "ok-1,pipe,48.3,60,,indoors,anything\n"
                                        "bad-kind,tank,48.3,60,,indoors,\n"
                                        "\n"
                                        "ok-2,pipe,\"21,3\",-5,2,outdoors,\n"
                                        "bad-number,pipe,4x8,60,,indoors,\n"
                                        "\"multi\nline\",pipe,33.7,abc,,indoors,\n"
                                        "bad-installation,wall,,20,,on the roof,\n"
                                        "ok-3,wall,,20,,typed h,\n");
    const CsvImport in = ImportLinesText(text);
    ASSERT_TRUE(in.Error.isEmpty());
    std::vector<QString> tags;
    for (const Line& line : in.Lines)
        tags.push_back(line.Tag);
    EXPECT_EQ(tags, (std::vector<QString>{"ok-1", "ok-2", "ok-3"}));
    ASSERT_EQ(in.Errors.size(), 4u);
    const std::vector<int> rows{3, 6, 7, 9};
    const std::vector<QString> says{"Kind", "'4x8' is not a valid floating point value",
                                    "Medium temperature", "on the roof"};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(in.Errors[i].Row, rows[i]);
        EXPECT_TRUE(in.Errors[i].Reason.contains(says[i])) << in.Errors[i].Reason.toStdString();
    }
    EXPECT_EQ(in.Lines[1].DiameterMm, 21.3f);
}

TEST(ProjectCsv, TextWithoutKnownColumnsIsRefused) {
    EXPECT_FALSE(ImportLinesText(QStringLiteral("a,b,c\n1,2,3\n")).Error.isEmpty());
    EXPECT_FALSE(ImportLinesText(QString()).Error.isEmpty());
    EXPECT_FALSE(ImportLinesFile(QStringLiteral("/nonexistent.csv")).Error.isEmpty());
}

TEST(ProjectCsv, WindowsCodePageAndByteOrderMarkAreRead) {
    const QByteArray cp1252("Tag;Medium temperature (\xB0"
                            "C)\r\nK\xFChl;-8\r\n");
    const CsvImport in = ImportLinesCsv(cp1252);
    ASSERT_EQ(in.Lines.size(), 1u);
    EXPECT_EQ(in.Lines[0].Tag, QStringLiteral("Kühl"));
    EXPECT_EQ(in.Lines[0].MediumTemp, -8.0f);
    const CsvImport bom = ImportLinesCsv(QByteArray("\xEF\xBB\xBFTag\nX\n"));
    ASSERT_EQ(bom.Lines.size(), 1u);
    EXPECT_EQ(bom.Lines[0].Tag, QStringLiteral("X"));
}

TEST(ProjectCsv, TabSeparatedClipboardTextIsSplit) {
    const std::vector<DelimitedRow> rows =
        SplitDelimited(QStringLiteral("a\tb\r\n\"c\td\"\t\"e\"\"f\"\n"), u'\t');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Cells, (QStringList{"a", "b"}));
    EXPECT_EQ(rows[1].Cells, (QStringList{"c\td", "e\"f"}));
    EXPECT_EQ(rows[1].Row, 2);
    EXPECT_EQ(GuessSeparator(QStringLiteral("Tag\tKind")), u'\t');
    EXPECT_EQ(GuessSeparator(QStringLiteral("Tag;Kind;a,b")), u';');
}

TEST(ProjectCsv, BomCsvHasOneRowPerProduct) {
    const Project p = RandomProject(11, 60);
    const std::vector<BomItem> items = BillOfMaterials(p, Computed(p));
    const QString csv = QString::fromUtf8(BomCsv(items));
    EXPECT_EQ(csv.count(QStringLiteral("\r\n")), static_cast<qsizetype>(items.size()) + 1);
}
