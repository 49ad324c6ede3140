// Spreadsheets: a line's inputs as cells, line lists read from CSV with their bad rows listed,
// and export -> import giving the same lines.
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
    Line pipe, wall; // an empty cell keeps the default
    pipe.Tag = QStringLiteral("P-1"), pipe.DiameterMm = 48.3f, pipe.Extent = 12.5f;
    pipe.MediumTemp = -5, pipe.AmbientTemp = 25, pipe.RelHumidity = 70.5f, pipe.Material = kFoam;
    wall.Tag = QStringLiteral("W-1"), wall.Kind = LineKind::Wall, wall.Extent = 3;
    wall.RelHumidity = 50, wall.Material = kFoam, wall.WasteAllowance = 12.5f;
    wall.Mode = ThicknessMode::Fixed, wall.FixedThicknessMm = 19;
    EXPECT_TRUE(in.Lines == std::vector<Line>({pipe, wall}));
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

// Any case, blanks around, units in brackets (the CSV round trip reads every cell back).
TEST(LineFields, EveryHeaderIsRecognised) {
    for (int f = 0; f < kLineFieldCount; ++f) {
        const auto field = static_cast<LineField>(f);
        EXPECT_EQ(FieldFromHeader(FieldName(field).toUpper() + QStringLiteral(" [x]")), field);
        EXPECT_EQ(FieldFromHeader(QStringLiteral("  ") + FieldName(field).toLower()), field);
    }
    EXPECT_FALSE(FieldFromHeader(QStringLiteral("Status")).has_value());
    EXPECT_FALSE(FieldFromHeader(QStringLiteral("Product")).has_value());
}

TEST(LineFields, TextsReadOrRefusedLeavingTheLineAsItWas) {
    struct Case {
        LineField field;
        const char* text;
        const char* says;   // the fault; none where the text is read
        QString reads = {}; // the cell's text afterwards: the value was kept
    };
    const std::vector<Case> cases{
        {LineField::Diameter, "abc", "'abc' is not a valid floating point value"},
        {LineField::Diameter, "", "is not a valid floating point value"},
        {LineField::Extent, "1e40", "Floating point overflow"},
        {LineField::Kind, "tank", "'tank'"},
        {LineField::Installation, "roof", "'roof'"},
        {LineField::Orientation, "diagonal", "'diagonal'"},
        {LineField::MaxHeatFlow, "1,2,3", "not a valid"},
        {LineField::MediumTemp, "-12,5", "", "-12.5"},
        {LineField::SurfaceTempLimit, "55", "", "55"},
        {LineField::SurfaceTempLimit, " ", "", ""},
        {LineField::Thickness, "25", "", "25"},
        {LineField::Thickness, "VELTRA AF-13-006 / 13 x 6 mm", "", "VELTRA AF-13-006 / 13 x 6 mm"},
        {LineField::Thickness, "AUTO", "", "auto"},
        {LineField::Layers, "wool", "'wool' is not a material and a thickness in mm"},
        {LineField::Layers, "wool fifty", "'fifty' is not a thickness in mm"},
        {LineField::Layers, "k=x 20", "'k=x' is not a k-factor"},
        {LineField::Layers, " VELTRA MW mineral wool pipe section  50 ;k=0,04 20.5;", "",
         kWool + " 50; k=0.04 20.5"},
        {LineField::Layers, "", "", ""},
        {LineField::InstalledCosts, "30=12,5 ; ; 25 = 9;", "", "25=9; 30=12.5"},
        {LineField::InstalledCosts, "30=12.5, 40=14", "'30=12.5, 40=14' is not a thickness"},
        {LineField::InstalledCosts, "30=12.5; 40", "'40' is not a thickness in mm and its cost"},
        {LineField::InstalledCosts, "30=1=2", "'30=1=2'"},
        {LineField::InstalledCosts, "30=1; 30,0=2", "30 mm has two costs"},
        {LineField::InstalledCosts, "", "", ""},
        {LineField::LifeYears, "12,5", "", "12.5"},
        {LineField::InterestRate, "x", "'x' is not a valid floating point value"},
        {LineField::PriceIncrease, "", "", ""},
    };
    Line before = ChilledWaterPipe();
    before.Layers = {{kWool, 0.036f, 40}}; // kept where a layers text is refused
    before.InstalledCosts = {{19, 7}};     // and the costs where theirs is
    for (const Case& c : cases) {
        Line line = before;
        const QString fault = SetFieldText(line, c.field, QString::fromUtf8(c.text));
        if (*c.says) {
            EXPECT_TRUE(fault.contains(QString::fromUtf8(c.says)))
                << c.text << ": " << fault.toStdString();
            EXPECT_TRUE(line == before) << c.text;
        } else {
            EXPECT_EQ(fault, QString()) << c.text;
            EXPECT_EQ(FieldText(line, c.field), c.reads) << c.text;
        }
    }
}
