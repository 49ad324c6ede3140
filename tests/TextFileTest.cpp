// The text-file reader shared by the configuration and the thickness tables.
#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "config/Tntinifiles.h"
#include "engine/Errors.h"
#include "support/FixtureFiles.h"
#include "support/Printers.h"

namespace {

const QString kMixed = QStringLiteral("Name=Schaum 0,5 \u00B0C \u20AC \u00E4\u00F6\u00FC\u00DF");

class TextEncodings : public ::testing::TestWithParam<TextEncoding> {};

TEST_P(TextEncodings, DecodeToTheSameText) {
    EXPECT_EQ(DecodeText(Encode(kMixed, GetParam())), kMixed);
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, TextEncodings, ::testing::ValuesIn(kAllEncodings),
                         EncodingParamName());

TEST(DecodeText, BytesThatAreNoUtf8AreWindows1252) {
    EXPECT_EQ(DecodeText("\x80 \xB0 \xE4"), QStringLiteral("\u20AC \u00B0 \u00E4"));
    EXPECT_EQ(DecodeText("Stra\xDF"), QStringLiteral("Stra\u00DF"));
    EXPECT_EQ(DecodeText("ab\xC3"), QStringLiteral("ab\u00C3"));
    // The mark's bytes themselves never reach the text.
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                         "a"),
              "a");
    EXPECT_EQ(DecodeText(QByteArray("\xFF\xFE"
                                    "a\0",
                                    4)),
              "a");
}

TEST(SplitLines, BreaksAtCrLfCrLfAndLineSeparator) {
    QStringList expected{"a", "b", "c", "d", "e"};
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\nb\rc\nd\u2028e")), expected);
    EXPECT_EQ(SplitLines("a\n\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\r\n"), (QStringList{"", ""}));
    EXPECT_TRUE(SplitLines("").isEmpty());
}

TEST(ReadTextLines, KeepsALoneCarriageReturnAsABreak) {
    FixtureDir dir;
    dir.Write("t.txt", "one\rtwo\r\nthree");
    EXPECT_EQ(ReadTextLines(dir.File("t.txt")), (QStringList{"one", "two", "three"}));
}

TEST(ReadTextLines, AMissingFileOrADirectoryCannotBeOpened) {
    FixtureDir dir;
    const QString missing = dir.File("absent.txt");
    try {
        ReadTextLines(missing);
        FAIL() << "a missing file was read";
    } catch (const TermoraError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), "Cannot open file " + missing);
    }
    ASSERT_TRUE(QDir(dir.Path()).mkdir("sub"));
    EXPECT_THROW(ReadTextLines(dir.File("sub")), TermoraError);
}

TEST(FileBeside, JoinsWithOneSlash) {
    EXPECT_EQ(FileBeside("/opt/termora", "tt_p.txt"), "/opt/termora/tt_p.txt");
    EXPECT_EQ(FileBeside("/opt/termora/", "tt_p.txt"), "/opt/termora/tt_p.txt");
}

class IniFile : public ::testing::Test {
protected:
    FixtureDir dir;
    QString Read(const QString& text, const QString& section, const QString& key) {
        dir.WriteText("a.ini", text);
        return TTntIniFile(dir.File("a.ini")).ReadValue(section, key, "<default>");
    }
};

TEST_F(IniFile, FindsTheKeyBelowTheFirstHeaderOfItsSection) {
    EXPECT_EQ(Read("k=before\n[A]\nk=first\n[A]\nk=second\n", "A", "k"), "first");
    EXPECT_EQ(Read("[A]\nx=1\n[B]\nk=later\n", "A", "k"), "later");
    EXPECT_EQ(Read("[B]\nk=1\n[A]\nx=1\n", "A", "k"), "<default>");
    EXPECT_EQ(Read("[B]\nk=1\n", "A", "k"), "<default>");
}

TEST_F(IniFile, MatchesSectionAndKeyExactly) {
    EXPECT_EQ(Read("[A]\nmat1=x\n", "A", "Mat1"), "<default>");
    EXPECT_EQ(Read("[A]\nMat1 =x\n", "A", "Mat1"), "<default>");
    EXPECT_EQ(Read("[A]\n Mat1=x\n", "A", "Mat1"), "<default>");
    EXPECT_EQ(Read("[a]\nMat1=x\n", "A", "Mat1"), "<default>");
    EXPECT_EQ(Read("[A] \nMat1=x\n", "A", "Mat1"), "<default>");
    EXPECT_EQ(Read(" [A]\nMat1=x\n", "A", "Mat1"), "<default>");
}

TEST_F(IniFile, ReturnsTheRestOfTheLineUnchanged) {
    EXPECT_EQ(Read("[A]\nk= a=b ;c \n", "A", "k"), " a=b ;c ");
    EXPECT_EQ(Read("[A]\nk=\nk=later\n", "A", "k"), "");
    EXPECT_EQ(Read("[A]\nk=x=y\n", "A", "k=x"), "<default>");
}

TEST_F(IniFile, ReadsManyKeysOfALargeFileQuickly) {
    // One key per line under a header at the end: a search per key from the header down
    // would be quadratic.
    QString text;
    const int count = 200000;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("Key%1=v%1\n").arg(i);
    text += "[S]\n";
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("Key%1=w%1\n").arg(i);
    dir.WriteText("big.ini", text);
    QElapsedTimer timer;
    timer.start();
    TTntIniFile ini(dir.File("big.ini"));
    for (int i = 1; i <= count; i += 7)
        ASSERT_EQ(ini.ReadValue("S", QStringLiteral("Key%1").arg(i), ""),
                  QStringLiteral("w%1").arg(i));
    EXPECT_LT(timer.elapsed(), 5000 * kSlowdown);
}

} // namespace
