#pragma once
// The words of a printed PDF with their boxes, read with pdftotext -bbox.
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <vector>

#include "output/Ureportpage.h"

struct Word {
    QString text;
    QRectF box; // points from the top-left corner of the sheet
};

inline std::vector<Word> WordsOf(const QString& pdf, int* pages) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", pdf, "-"});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    *pages = html.count("<page ");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (const auto& m : word.globalMatch(html)) {
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        words.push_back({m.captured(5), box});
    }
    return words;
}

// A place on the page in 1/96 inch, in points from the sheet's corner.
inline double Pt(double units) {
    return ReportPage::kMarginMm * 72 / 25.4 + units * 0.75;
}
