// Spreadsheets: line lists read from CSV with their bad rows listed; export -> import.
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/LineFields.h"
#include "project/ProjectCsv.h"

TEST(ProjectCsv, ExportThenImportGivesTheSameLines) {
    // From seed 11 on, layered lines of every kind; from seed 19 on, costs and economics.
    for (unsigned seed = 1; seed <= 22; ++seed) {
        const Project p = RandomProject(seed, 30, seed > 10, seed > 18);
        const CsvImport back = ImportLinesCsv(ExportLinesCsv(p, Computed(p)));
        EXPECT_TRUE(back.Error.isEmpty());
        ASSERT_TRUE(back.Errors.empty()) << back.Errors.front().Reason.toStdString();
        EXPECT_TRUE(back.Lines == p.Lines) << "seed " << seed;
    }
}

TEST(ProjectCsv, SemicolonsDecimalCommasAnyCaseAndUnitsInBrackets) {
    const CsvImport in = ImportLinesText(QStringLiteral(
        "TAG;kind;outside DIAMETER [mm];Length or area (m);medium temperature;"
        "Ambient Temperature [°C];relative humidity;material;thickness;Waste allowance [%]\r\n"
        "P-1;pipe;48,3;12,5;-5;25;70,5;VELTRA AF elastomeric foam;auto;\r\n"
        "W-1;WALL;;3;60;20;50;VELTRA AF elastomeric foam;19;12,5\r\n"));
    ASSERT_TRUE(in.Errors.empty()) << in.Errors.front().Reason.toStdString();
    ASSERT_EQ(in.Lines.size(), 2u);
    const Line &pipe = in.Lines[0], &wall = in.Lines[1];
    EXPECT_EQ(pipe.DiameterMm, 48.3f);
    EXPECT_EQ(pipe.Extent, 12.5f);
    EXPECT_EQ(pipe.RelHumidity, 70.5f);
    EXPECT_EQ(pipe.Mode, ThicknessMode::Automatic);
    EXPECT_FALSE(pipe.WasteAllowance.has_value());
    EXPECT_EQ(wall.Kind, LineKind::Wall);
    EXPECT_EQ(wall.DiameterMm, Line{}.DiameterMm); // empty cell: the default
    EXPECT_EQ(wall.Mode, ThicknessMode::Fixed);
    EXPECT_EQ(wall.FixedThicknessMm, 19.0f);
    EXPECT_EQ(wall.WasteAllowance, 12.5f);
}

TEST(ProjectCsv, EveryBadRowIsListedAndTheOthersImported) {
    const CsvImport in = ImportLinesText(QStringLiteral(
        "Tag,Kind,Outside diameter (mm),Medium temperature,Wind speed,Installation,Notes\n"
        "ok-1,pipe,48.3,60,,indoors,anything\n"
        "bad-kind,tank,48.3,60,,indoors,\n"
        "\n"
        "ok-2,pipe,\"21,3\",-5,2,outdoors,\n"
        "bad-number,pipe,4x8,60,,indoors,\n"
        "\"multi\nline\",pipe,33.7,abc,,indoors,\n"
        "bad-installation,wall,,20,,on the roof,\n"
        "ok-3,wall,,20,,typed h,\n"));
    ASSERT_TRUE(in.Error.isEmpty());
    ASSERT_EQ(in.Lines.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(in.Lines[i].Tag, QStringLiteral("ok-%1").arg(i + 1));
    EXPECT_EQ(in.Lines[1].DiameterMm, 21.3f);
    const std::vector<std::pair<int, QString>> bad{{3, "Kind"},
                                                   {6, "'4x8' is not a valid floating point value"},
                                                   {7, "Medium temperature"},
                                                   {9, "on the roof"}};
    ASSERT_EQ(in.Errors.size(), bad.size());
    for (size_t i = 0; i < bad.size(); ++i) {
        EXPECT_EQ(in.Errors[i].Row, bad[i].first);
        EXPECT_TRUE(in.Errors[i].Reason.contains(bad[i].second))
            << in.Errors[i].Reason.toStdString();
    }
    // Text without a known column is refused whole.
    for (const QString& none : {QStringLiteral("a,b,c\n1,2,3\n"), QString()})
        EXPECT_FALSE(ImportLinesText(none).Error.isEmpty()) << none.toStdString();
}

TEST(ProjectCsv, CodePagesByteOrderMarksAndTabsAreRead) {
    const CsvImport in = ImportLinesCsv(QByteArray("Tag;Medium temperature (\xB0"
                                                   "C)\r\nK\xFChl;-8\r\n")); // Windows-1252
    ASSERT_EQ(in.Lines.size(), 1u);
    EXPECT_EQ(in.Lines[0].Tag, QStringLiteral("Kühl"));
    EXPECT_EQ(in.Lines[0].MediumTemp, -8.0f);
    const CsvImport bom = ImportLinesCsv(QByteArray("\xEF\xBB\xBFTag\nX\n"));
    ASSERT_EQ(bom.Lines.size(), 1u);
    EXPECT_EQ(bom.Lines[0].Tag, QStringLiteral("X"));
    // Clipboard text from a spreadsheet is tab separated.
    const std::vector<DelimitedRow> rows =
        SplitDelimited(QStringLiteral("a\tb\r\n\"c\td\"\t\"e\"\"f\"\n"), u'\t');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Cells, (QStringList{"a", "b"}));
    EXPECT_EQ(rows[1].Cells, (QStringList{"c\td", "e\"f"}));
    EXPECT_EQ(rows[1].Row, 2);
    EXPECT_EQ(GuessSeparator(QStringLiteral("Tag\tKind")), u'\t');
    EXPECT_EQ(GuessSeparator(QStringLiteral("Tag;Kind;a,b")), u';');
}
