// A line's inputs as cells: every column's name is recognised, every cell's text reads back
// as the same value, and what cannot be read is refused with the line unchanged.
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "project/LineFields.h"

TEST(LineFields, EveryHeaderIsRecognisedWithAndWithoutItsUnit) {
    for (int f = 0; f < kLineFieldCount; ++f) {
        const auto field = static_cast<LineField>(f);
        EXPECT_EQ(FieldFromHeader(FieldHeader(field)), field);
        EXPECT_EQ(FieldFromHeader(FieldName(field).toUpper() + QStringLiteral(" [x]")), field);
        EXPECT_EQ(FieldFromHeader(QStringLiteral("  ") + FieldName(field).toLower()), field);
    }
    EXPECT_FALSE(FieldFromHeader(QStringLiteral("Status")).has_value());
    EXPECT_FALSE(FieldFromHeader(QStringLiteral("Product")).has_value());
}

TEST(LineFields, EveryCellReadsBackAsTheSameLine) {
    const ProjectData data = ProjectData::FromShared();
    RandomLines random(5);
    for (int i = 0; i < 200; ++i) {
        const Line line = random.Next(data);
        Line copy;
        for (int f = 0; f < kLineFieldCount; ++f) {
            const auto field = static_cast<LineField>(f);
            EXPECT_EQ(SetFieldText(copy, field, FieldText(line, field)), QString());
        }
        EXPECT_TRUE(copy == line) << i;
    }
}

TEST(LineFields, RefusedTextsLeaveTheLineAsItWas) {
    struct Case {
        LineField field;
        const char* text;
        const char* says;
    };
    const std::vector<Case> cases{
        {LineField::Diameter, "abc", "'abc' is not a valid floating point value"},
        {LineField::Diameter, "", "is not a valid floating point value"},
        {LineField::Extent, "1e40", "Floating point overflow"},
        {LineField::Kind, "tank", "'tank'"},
        {LineField::Installation, "roof", "'roof'"},
        {LineField::Orientation, "diagonal", "'diagonal'"},
        {LineField::MaxHeatFlow, "1,2,3", "not a valid"},
    };
    for (const Case& c : cases) {
        Line line = ChilledWaterPipe();
        const QString fault = SetFieldText(line, c.field, QString::fromUtf8(c.text));
        EXPECT_TRUE(fault.contains(QString::fromUtf8(c.says)))
            << c.text << ": " << fault.toStdString();
        EXPECT_TRUE(line == ChilledWaterPipe()) << c.text;
    }
}

TEST(LineFields, DecimalCommaOptionalsAndThicknessTexts) {
    Line line;
    EXPECT_EQ(SetFieldText(line, LineField::MediumTemp, QStringLiteral("-12,5")), QString());
    EXPECT_EQ(line.MediumTemp, -12.5f);
    EXPECT_EQ(SetFieldText(line, LineField::SurfaceTempLimit, QStringLiteral("55")), QString());
    EXPECT_EQ(line.SurfaceTempLimit, 55.0f);
    EXPECT_EQ(SetFieldText(line, LineField::SurfaceTempLimit, QStringLiteral(" ")), QString());
    EXPECT_FALSE(line.SurfaceTempLimit.has_value());
    SetFieldText(line, LineField::Thickness, QStringLiteral("25"));
    EXPECT_EQ(line.Mode, ThicknessMode::Fixed);
    EXPECT_EQ(FieldText(line, LineField::Thickness), QStringLiteral("25"));
    SetFieldText(line, LineField::Thickness, QStringLiteral("VELTRA AF-13-006 / 13 x 6 mm"));
    EXPECT_EQ(line.FixedProduct, QStringLiteral("VELTRA AF-13-006 / 13 x 6 mm"));
    SetFieldText(line, LineField::Thickness, QStringLiteral("AUTO"));
    EXPECT_EQ(line.Mode, ThicknessMode::Automatic);
    EXPECT_EQ(FieldText(line, LineField::Thickness), QStringLiteral("auto"));
}
