// The nominal thickness tables and their lookups.
#include <gtest/gtest.h>

#include "config/Utolerance.h"
#include "support/FixtureFiles.h"
#include "support/RecordingSeam.h"

namespace {

const char* const kReadFailed = "Reading of tolerance table failed! Error: ";
const char* const kEvalFailed = "Could not evaluate tolerance table! Error: ";

// Ten header lines that would match every request if they were read as rows.
QString Header() {
    QString header;
    for (int i = 1; i <= 10; ++i)
        header += QStringLiteral("0;1000;0;1000;header %1\n").arg(i);
    return header;
}

class Tables : public SeamTest {
protected:
    FixtureDir dir;

    void WritePipes(const QString& rows, TextEncoding encoding = TextEncoding::Utf8) {
        dir.WriteText("tt_p.txt", Header() + rows, encoding);
        LoadPipeTable(dir.Path());
    }
    void WriteSheets(const QString& rows) {
        dir.WriteText("tt_s.txt", Header() + rows);
        LoadSheetTable(dir.Path());
    }
    static const TToleranceTable& Pipes() { return *Shared().PipeTable; }
};

TEST_F(Tables, SkipTheTenHeaderLines) {
    WritePipes("10;20;0;10;first row\n");
    EXPECT_TRUE(seam.messages.empty());
    ASSERT_EQ(Pipes().Count(), 1);
    EXPECT_EQ(Pipes()[0].Recommendation, "first row");
    EXPECT_EQ(LookupPipeRecommendation(0.015f, 5), "first row");
    EXPECT_EQ(LookupPipeRecommendation(0.5f, 5), "see Help");
}

TEST_F(Tables, ATableOfTenLinesOrFewerIsEmpty) {
    dir.WriteText("tt_p.txt", "0;100;0;100;x\n0;100;0;100;y\n");
    LoadPipeTable(dir.Path());
    ASSERT_TRUE(Shared().PipeTable.has_value());
    EXPECT_EQ(Pipes().Count(), 0);
    EXPECT_EQ(LookupPipeRecommendation(0.02f, 10), "see Help");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(Tables, BoundsAreExclusiveBelowAndInclusiveAbove) {
    WritePipes("18;22;9;13;A\n22;28;9;13;B\n18;22;13;19;C\n");
    EXPECT_EQ(LookupPipeRecommendation(0.022f, 13), "A");
    EXPECT_EQ(LookupPipeRecommendation(0.028f, 13), "B");
    EXPECT_EQ(LookupPipeRecommendation(0.018f, 13), "see Help");
    EXPECT_EQ(LookupPipeRecommendation(0.020f, 9), "see Help");
    EXPECT_EQ(LookupPipeRecommendation(0.020f, 9.001f), "A");
    EXPECT_EQ(LookupPipeRecommendation(0.020f, 13.001f), "C");
}

TEST_F(Tables, DiametersTypedAsABoundMatchThatBound) {
    // Each upper bound typed in mm and kept in m must still take its own row.
    const float bounds[] = {6,  8,     10, 12, 15,    18,    22,  28,     35,  42,     48.3f,
                            54, 60.3f, 64, 70, 76.1f, 88.9f, 108, 114.3f, 133, 139.7f, 160};
    QString rows;
    float from = 0;
    for (float to : bounds) {
        rows += QStringLiteral("%1;%2;0;50;to %2\n").arg(from).arg(to);
        from = to;
    }
    WritePipes(rows);
    for (float to : bounds) {
        const float metres = static_cast<float>(static_cast<double>(to) / 1000.0);
        EXPECT_EQ(LookupPipeRecommendation(metres, 10), QStringLiteral("to %1").arg(to)) << to;
    }
}

TEST_F(Tables, TheFirstMatchingRowWins) {
    WritePipes("0;100;0;50;wide\n10;20;0;10;narrow\n");
    EXPECT_EQ(LookupPipeRecommendation(0.015f, 5), "wide");
}

TEST_F(Tables, AnEmptyLineInTheMiddleIsSkipped) {
    WritePipes("0;10;0;10;A\n\n10;20;0;10;B\n");
    EXPECT_EQ(Pipes().Count(), 2);
    EXPECT_EQ(LookupPipeRecommendation(0.015f, 5), "B");
}

TEST_F(Tables, AnEmptyRecommendationMeansSeeHelp) {
    WritePipes("0;10;0;10;\n0;10;0;20;later\n");
    EXPECT_EQ(LookupPipeRecommendation(0.005f, 5), "see Help");
}

TEST_F(Tables, FieldsAfterTheFifthAreIgnored) {
    WritePipes("0;10;0;10;AF-13-010; 13 x 10 mm;more\n");
    EXPECT_EQ(LookupPipeRecommendation(0.005f, 5), "AF-13-010");
}

TEST_F(Tables, SheetsConsultOnlyTheThickness) {
    WriteSheets("0;0;0;10;10 mm\n0;0;10;19;19 mm\n");
    EXPECT_EQ(LookupSheetRecommendation(10), "10 mm");
    EXPECT_EQ(LookupSheetRecommendation(10.5f), "19 mm");
    EXPECT_EQ(LookupSheetRecommendation(19.5f), "see Help");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(Tables, AMalformedRowStopsTheLoadButStaysHalfFilled) {
    WritePipes("0;10;0;10;A\n10;20;5;x;B\n20;30;0;10;C\n");
    EXPECT_EQ(seam.Texts(),
              QStringList{kReadFailed + QStringLiteral("'x' is not a valid floating point value")});
    ASSERT_EQ(Pipes().Count(), 2);
    const TToleranceLine& bad = Pipes()[1];
    EXPECT_EQ(
        std::vector<float>({bad.DiameterFrom, bad.DiameterTo, bad.ThicknessFrom, bad.ThicknessTo}),
        std::vector<float>({10, 20, 5, 0}));
    EXPECT_EQ(bad.Recommendation, "");
    EXPECT_EQ(LookupPipeRecommendation(0.005f, 5), "A");
}

TEST_F(Tables, AMissingSemicolonFailsTheRow) {
    WritePipes("0;10;0;10;A\n0;10;5\n");
    EXPECT_EQ(seam.Texts(),
              QStringList{kReadFailed + QStringLiteral("'' is not a valid floating point value")});
    EXPECT_EQ(Pipes().Count(), 2);
}

TEST_F(Tables, DecimalCommaIsAccepted) {
    WritePipes("0;48,3;0;9,5;A\n");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(LookupPipeRecommendation(0.0483f, 9.5f), "A");
}

TEST_F(Tables, EncodingsGiveTheSameRows) {
    for (TextEncoding encoding : kAllEncodings) {
        WritePipes(QStringLiteral("0;10;0;10;13 mm \u00D8 10 \u00B0\n"), encoding);
        EXPECT_EQ(LookupPipeRecommendation(0.005f, 5), QStringLiteral("13 mm \u00D8 10 \u00B0"));
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(Tables, AMissingFileLeavesTheTableAbsent) {
    LoadPipeTable(dir.Path());
    EXPECT_EQ(seam.Texts(), QStringList{kReadFailed + QStringLiteral("Cannot open file ") +
                                        dir.File("tt_p.txt")});
    EXPECT_FALSE(Shared().PipeTable.has_value());
    EXPECT_EQ(LookupPipeRecommendation(0.02f, 10), "Error!");
    EXPECT_EQ(seam.Texts().last(), kEvalFailed + QStringLiteral("Pipes Tolerance table not open!"));
}

TEST_F(Tables, AnAbsentSheetTableAnswersError) {
    LoadSheetTable(dir.Path());
    EXPECT_EQ(LookupSheetRecommendation(10), "Error!");
    EXPECT_EQ(seam.Texts(),
              (QStringList{kReadFailed + QStringLiteral("Cannot open file ") + dir.File("tt_s.txt"),
                           kEvalFailed + QStringLiteral("Sheets Tolerance table "
                                                        "not open!")}));
    EXPECT_EQ(seam.messages.back().kind, MessageKind::Error);
}

TEST_F(Tables, AReloadThatFailsToOpenDropsTheOldTable) {
    WritePipes("0;10;0;10;A\n");
    QFile::remove(dir.File("tt_p.txt"));
    LoadPipeTable(dir.Path());
    EXPECT_FALSE(Shared().PipeTable.has_value());
}

// Files that are no table at all: at most one message, no crash, no wait.
class TablesBadInput : public Tables {
protected:
    void LoadBytes(const QByteArray& bytes) {
        dir.Write("tt_s.txt", bytes);
        ExpectQuietLoad(seam, [&] { LoadSheetTable(dir.Path()); });
        EXPECT_TRUE(Shared().SheetTable.has_value());
    }
};

TEST_F(TablesBadInput, EmptyFile) {
    LoadBytes("");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(LookupSheetRecommendation(10), "see Help");
}

TEST_F(TablesBadInput, TenMegabytesOfBinary) {
    LoadBytes(RandomBytes(10 << 20, 3));
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.Texts()[0].startsWith(kReadFailed));
}

TEST_F(TablesBadInput, TenMegabytesInOneField) {
    LoadBytes((Header() + "0;0;").toUtf8() + QByteArray(10 << 20, '7') + "x;1;A\n");
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(Shared().SheetTable->Count(), 1);
}

TEST_F(TablesBadInput, TenMegabytesOfRows) {
    QString text = Header();
    const int count = 300000;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("0;0;%1;%2;VELTRA AF-%2-SH\n").arg(i).arg(i + 1);
    ASSERT_GT(text.size(), 10'000'000);
    LoadBytes(text.toUtf8());
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(Shared().SheetTable->Count(), count);
    EXPECT_EQ(LookupSheetRecommendation(299999.5f), "VELTRA AF-300000-SH");
}

} // namespace
