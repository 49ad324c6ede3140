// The project schedule in a PDF, read back word by word with the words' boxes.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engine/State.h"
#include "project/ProjectFixture.h"
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

    // The words of the project's schedule, with their boxes.
    std::vector<Word> Printed(const Project& p, const std::vector<LineResult>& results) {
        const QString pdf = dir_.filePath(QStringLiteral("schedule.pdf"));
        EXPECT_EQ(WriteSchedulePdf(p, results, pdf), QString());
        std::vector<Word> words = WordsOf(pdf, &pages_);
        EXPECT_FALSE(words.empty()) << "pdftotext is needed";
        return words;
    }
    static QString Joined(const std::vector<Word>& words, const QString& gap = {}) {
        QString all;
        for (const Word& w : words)
            all += w.text + gap;
        return all;
    }

    QTemporaryDir dir_;
    int pages_ = 0;
};
} // namespace

TEST_F(Schedule, EveryLineEveryPageNumberAndNothingOutsideThePage) {
    const QString longTag = QStringLiteral("LONG") + QString(150, u'Q') + QStringLiteral("END");
    Project p;
    p.Title = {QStringLiteral("Refinery unit 7 ") + QString(120, u'x'), QStringLiteral("Client"),
               QStringLiteral("Engineer"), QStringLiteral("2026-12-10")};
    for (int i = 1; i <= 300; ++i) {
        Line line = ChilledWaterPipe();
        line.Tag = i == 11 ? longTag : QStringLiteral("T-%1").arg(i, 3, 10, QLatin1Char('0'));
        line.Kind = i % 7 == 0 ? LineKind::Wall : LineKind::Pipe;
        line.DiameterMm = 21.3f + static_cast<float>(i % 9) * 12;
        line.Extent = static_cast<float>(i), line.MediumTemp = i % 2 ? 6.0f : 70.0f;
        line.Material = i % 50 ? kFoam : QStringLiteral("Cork"); // some lines not ok
        p.Lines.push_back(line);
    }
    const std::vector<Word> words = Printed(p, Computed(p));
    EXPECT_GT(pages_, 5);
    QSet<QString> seen;
    QString all, pieces;
    int tagHeaders = 0;
    static const QRegularExpression piece(QStringLiteral("^[LONGQED]+$"));
    for (const Word& w : words) {
        seen.insert(w.text);
        all += w.text;
        tagHeaders += w.text == QStringLiteral("Tag");
        if (w.box.left() < 40 && piece.match(w.text).hasMatch())
            pieces += w.text;
        // A4 landscape in points: nothing drawn beyond the sheet.
        EXPECT_LE(w.box.right(), 842.0) << w.text.toStdString();
        EXPECT_LE(w.box.bottom(), 595.5) << w.text.toStdString();
    }
    for (const Line& line : p.Lines)
        EXPECT_TRUE(line.Tag == longTag || seen.contains(line.Tag)) << line.Tag.toStdString();
    EXPECT_EQ(pieces, longTag); // wrapped within its cell, its pieces in order make it up again
    EXPECT_TRUE(all.contains(QString(120, u'x')));
    EXPECT_TRUE(all.contains(QStringLiteral("Page%1of%1").arg(pages_)));
    EXPECT_GE(tagHeaders, pages_ - 2); // the lines' header row on every page they cover
    for (const char* word : {"Totals", "Bill", "materials", "Cork"})
        EXPECT_TRUE(seen.contains(QLatin1String(word))) << word;
}

// The ducts' installed costs are in the totals; the plant's life cost waits for the sphere's.
TEST_F(Schedule, DuctsAndSpheresWithTheirSizesUnitsAndTotals) {
    Line duct;
    duct.Tag = QStringLiteral("AHU-1"), duct.Kind = LineKind::Duct, duct.Material = kFoam;
    duct.DuctWidthMm = 600, duct.DuctHeightMm = 250, duct.Extent = 12.5f;
    Line sphere = duct;
    sphere.Tag = QStringLiteral("V-1"), sphere.Kind = LineKind::Sphere;
    sphere.DiameterMm = 1200, sphere.Extent = 3;
    duct.InstalledCosts[Compute(duct).ThicknessMm] = 20;
    Project p;
    p.Lines = {duct, sphere, duct};
    const std::vector<LineResult> results = Computed(p);
    const QStringList cells = ScheduleCells(duct, results[0]);
    EXPECT_EQ(cells.mid(2, 2), QStringList({"600.0 x 250.0 mm", "12.50 m"}));
    EXPECT_EQ(cells[ScheduleHeaders().indexOf(QStringLiteral("Installed cost"))], "250.00");
    EXPECT_EQ(ScheduleCells(sphere, results[1]).mid(2, 2), QStringList({"1200.0", "3.00 pcs"}));
    const QString all = Joined(Printed(p, results));
    for (const char* says :
         {"Ductlength(m)25.00", "Spheres3.00", "Installedcost(lines)500.00(2)", "Lifecost-"})
        EXPECT_TRUE(all.contains(QLatin1String(says))) << says << " in " << all.toStdString();
}

// Its text lines whole, in order, and above the footer.
TEST_F(Schedule, ARowTallerThanAPageGoesOnOverTheNextPages) {
    QStringList tagWords;
    for (int i = 1; i <= 600; ++i)
        tagWords << QStringLiteral("W%1").arg(i);
    Project p;
    p.Lines = {ChilledWaterPipe(), ChilledWaterPipe(), ChilledWaterPipe()};
    p.Lines[0].Tag = QStringLiteral("FIRST");
    p.Lines[1].Tag = tagWords.join(u' ');
    p.Lines[2].Tag = QStringLiteral("LAST");
    const std::vector<Word> words = Printed(p, Computed(p));
    ASSERT_GE(pages_, 3);
    static const QRegularExpression tagWord(QStringLiteral("^W[0-9]+$"));
    double footer = 1e9, lowest = 0;
    QStringList tag;
    for (const Word& w : words) {
        footer = w.text == QStringLiteral("Page") ? std::min(footer, w.box.top()) : footer;
        if (tagWord.match(w.text).hasMatch())
            tag << w.text, lowest = std::max(lowest, w.box.bottom());
    }
    EXPECT_EQ(tag, tagWords);
    EXPECT_LE(lowest, footer);
    const QString all = Joined(words, QStringLiteral(" "));
    EXPECT_LT(all.indexOf(QStringLiteral("FIRST")), all.indexOf(QStringLiteral("W1 ")));
    EXPECT_LT(all.indexOf(QStringLiteral("W600")), all.indexOf(QStringLiteral("LAST")));
}
