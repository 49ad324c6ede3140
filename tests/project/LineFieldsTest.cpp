// A line's inputs as cells: names recognised, texts read back or refused with the line unchanged.
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/LineFields.h"

TEST(LineFields, EveryHeaderAndEveryCellReadsBack) {
    for (int f = 0; f < kLineFieldCount; ++f) {
        const auto field = static_cast<LineField>(f);
        EXPECT_EQ(FieldFromHeader(FieldHeader(field)), field);
        EXPECT_EQ(FieldFromHeader(FieldName(field).toUpper() + QStringLiteral(" [x]")), field);
        EXPECT_EQ(FieldFromHeader(QStringLiteral("  ") + FieldName(field).toLower()), field);
    }
    EXPECT_FALSE(FieldFromHeader(QStringLiteral("Status")).has_value());
    EXPECT_FALSE(FieldFromHeader(QStringLiteral("Product")).has_value());
    Project p = RandomProject(5, 200, true);
    const Project costed = RandomProject(6, 100, true, true);
    p.Lines.insert(p.Lines.end(), costed.Lines.begin(), costed.Lines.end());
    for (const Line& line : p.Lines) {
        Line copy;
        for (int f = 0; f < kLineFieldCount; ++f) {
            const auto field = static_cast<LineField>(f);
            EXPECT_EQ(SetFieldText(copy, field, FieldText(line, field)), QString());
        }
        EXPECT_TRUE(copy == line) << line.Tag.toStdString();
    }
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
