#include <gtest/gtest.h>

#include "config/Uutils.h"
#include "engine/Errors.h"
#include "support/Printers.h"

TEST(FormatFloat, RoundsHalfAwayFromZeroOnTheShortestText) {
    EXPECT_EQ(FormatFloat(2.675f, 2), "2.68");
    EXPECT_EQ(FormatFloat(-2.675f, 2), "-2.68");
    EXPECT_EQ(FormatFloat(0.125f, 2), "0.13");
    EXPECT_EQ(FormatFloat(9.995f, 2), "10.00");
    EXPECT_EQ(FormatFloat(25.4f, 3), "25.400");
    EXPECT_EQ(FormatFloat(123456792.0f, 2), "123456790.00");
    EXPECT_EQ(FormatFloat(0.0001f, 2), "0.00");
    EXPECT_EQ(FormatFloat(0.5f, 0), "1");
}

TEST(FormatFloat, NeverWritesMinusZero) {
    EXPECT_EQ(FormatFloat(-0.001f, 2), "0.00");
    EXPECT_EQ(FormatFloat(-0.0f, 1), "0.0");
    EXPECT_EQ(FormatFloat(-0.005f, 2), "-0.01");
}

TEST(FormatFloat, PatternsCountTheirDecimals) {
    EXPECT_EQ(FormatPattern(9.0f, "#########0.0000"), "9.0000");
    EXPECT_EQ(FormatPattern(1234.5f, "#0.0"), "1234.5");
    EXPECT_EQ(FormatPattern(0.036f, "#0.0000"), "0.0360");
}

TEST(ParseNumber, AcceptsCommaExceptAsFirstCharacter) {
    EXPECT_DOUBLE_EQ(ParseNumber("0,5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseNumber("-1.5e2"), -150.0);
    EXPECT_THROW(ParseNumber(",5"), ConversionError);
    EXPECT_THROW(ParseNumber(""), ConversionError);
    EXPECT_THROW(ParseNumber("1.2.3"), ConversionError);
    EXPECT_THROW(ParseNumber("nan"), ConversionError);
    EXPECT_THROW(ParseNumber("inf"), ConversionError);
}

TEST(StrToFloat, RefusesCommaWithTheUserFacingMessage) {
    EXPECT_DOUBLE_EQ(StrToFloat("25.4"), 25.4);
    try {
        StrToFloat("1,5");
        FAIL() << "a comma was accepted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
}

TEST(ToSingle, OverflowIsAnError) {
    EXPECT_THROW(ToSingle(1e39), FloatError);
    EXPECT_FLOAT_EQ(ToSingle(1e38), 1e38f);
}

TEST(FilterNumberKey, PassesDigitsAndTurnsCommaIntoPoint) {
    EXPECT_EQ(FilterNumberKey(u','), QChar(u'.'));
    EXPECT_EQ(FilterNumberKey(u'7'), QChar(u'7'));
    EXPECT_EQ(FilterNumberKey(u'-'), QChar(u'-'));
    EXPECT_EQ(FilterNumberKey(QChar(8)), QChar(8));
    EXPECT_EQ(FilterNumberKey(u'a'), QChar(0));
    EXPECT_EQ(FilterNumberKey(u' '), QChar(0));
}

TEST(ExpandLineBreaks, ReplacesEveryMarker) {
    EXPECT_EQ(ExpandLineBreaks("a<CR>b<CR>c"), "a\rb\rc");
    EXPECT_EQ(ExpandLineBreaks("plain"), "plain");
}
