// The project schedule in a PDF: every line of a long project on its pages, the header row
// and page numbers on each page, and nothing cut off however long a tag or a project name.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engine/State.h"
#include "project/ProjectData.h"
#include "projectprint/SchedulePrint.h"
#include "support/PdfWords.h"

namespace {
class Schedule : public ::testing::Test {
protected:
    void SetUp() override {
        ResetShared();
        ASSERT_TRUE(LoadProjectData(QCoreApplication::applicationDirPath()));
    }
    void TearDown() override { ResetShared(); }
};

Project LongProject(const QString& longTag) {
    Project p;
    p.Title = {QStringLiteral("Refinery unit 7 ") + QString(120, u'x'), QStringLiteral("Client"),
               QStringLiteral("Engineer"), QStringLiteral("2026-12-10")};
    for (int i = 1; i <= 300; ++i) {
        Line line;
        line.Tag = QStringLiteral("T-%1").arg(i, 3, 10, QLatin1Char('0'));
        line.Kind = i % 7 == 0 ? LineKind::Wall : LineKind::Pipe;
        line.DiameterMm = 21.3f + static_cast<float>(i % 9) * 12;
        line.Extent = static_cast<float>(i);
        line.MediumTemp = i % 2 ? 6.0f : 70.0f;
        line.AmbientTemp = 25;
        line.Material = i % 50 ? QStringLiteral("VELTRA AF elastomeric foam")
                               : QStringLiteral("Cork"); // some lines not ok
        p.Lines.push_back(line);
    }
    p.Lines[10].Tag = longTag;
    return p;
}
} // namespace

TEST_F(Schedule, EveryLineEveryPageNumberAndNothingOutsideThePage) {
    const QString longTag = QStringLiteral("LONG") + QString(150, u'Q') + QStringLiteral("END");
    const Project p = LongProject(longTag);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("schedule.pdf"));
    ASSERT_EQ(WriteSchedulePdf(p, ComputeProject(p, ProjectData::FromShared()), pdf), QString());
    int pages = 0;
    const std::vector<Word> words = WordsOf(pdf, &pages);
    ASSERT_FALSE(words.empty()) << "pdftotext is needed";
    EXPECT_GT(pages, 5);
    QSet<QString> seen;
    QString all;
    int tagHeaders = 0;
    for (const Word& w : words) {
        seen.insert(w.text);
        all += w.text;
        tagHeaders += w.text == QStringLiteral("Tag");
        // A4 landscape in points: nothing drawn beyond the sheet.
        EXPECT_LE(w.box.right(), 842.0) << w.text.toStdString();
        EXPECT_LE(w.box.bottom(), 595.5) << w.text.toStdString();
    }
    for (const Line& line : p.Lines) {
        if (line.Tag != longTag) {
            EXPECT_TRUE(seen.contains(line.Tag)) << line.Tag.toStdString();
        }
    }
    // The long tag wraps within its cell: its pieces, in order, make it up again.
    QString pieces;
    static const QRegularExpression piece(QStringLiteral("^[LONGQED]+$"));
    for (const Word& w : words) {
        if (w.box.left() < 40 && piece.match(w.text).hasMatch())
            pieces += w.text;
    }
    EXPECT_EQ(pieces, longTag);
    EXPECT_TRUE(all.contains(QString(120, u'x')));
    EXPECT_TRUE(all.contains(QStringLiteral("Page%1of%1").arg(pages)));
    EXPECT_GE(tagHeaders, pages - 2); // the lines' header row on every page they cover
    for (const char* word : {"Totals", "Bill", "materials", "Cork"})
        EXPECT_TRUE(seen.contains(QLatin1String(word))) << word;
}

// Ducts and spheres print their own size and unit, and the totals count them apart.
TEST_F(Schedule, DuctsAndSpheresWithTheirSizesUnitsAndTotals) {
    Project p;
    Line duct;
    duct.Tag = QStringLiteral("AHU-1");
    duct.Kind = LineKind::Duct;
    duct.DuctWidthMm = 600;
    duct.DuctHeightMm = 250;
    duct.Extent = 12.5f;
    duct.Material = QStringLiteral("VELTRA AF elastomeric foam");
    Line sphere = duct;
    sphere.Tag = QStringLiteral("V-1");
    sphere.Kind = LineKind::Sphere;
    sphere.DiameterMm = 1200;
    sphere.Extent = 3;
    p.Lines = {duct, sphere, duct};
    const std::vector<LineResult> results = ComputeProject(p, ProjectData::FromShared());
    const QStringList ductCells = ScheduleCells(duct, results[0]);
    EXPECT_EQ(ductCells.mid(2, 2), QStringList({"600.0 x 250.0 mm", "12.50 m"}));
    EXPECT_EQ(ScheduleCells(sphere, results[1]).mid(2, 2), QStringList({"1200.0", "3.00 pcs"}));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("schedule.pdf"));
    ASSERT_EQ(WriteSchedulePdf(p, results, pdf), QString());
    int pages = 0;
    QString all;
    for (const Word& w : WordsOf(pdf, &pages))
        all += w.text;
    ASSERT_FALSE(all.isEmpty()) << "pdftotext is needed";
    EXPECT_TRUE(all.contains(QStringLiteral("Ductlength(m)25.00"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("Spheres3.00"))) << all.toStdString();
}
