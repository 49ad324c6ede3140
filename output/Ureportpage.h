#pragma once
// The printed report's page: an A4 sheet with margins of 10 mm, measured in 1/96 inch from
// the top-left corner of the area inside the margins, and the texts placed on it.
#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <Qt>

namespace ReportPage {
constexpr double kUnitsPerMm = 96.0 / 25.4;
constexpr double kMarginMm = 10.0;
constexpr double kWidth = (210.0 - 2 * kMarginMm) * kUnitsPerMm;  // 718
constexpr double kHeight = (297.0 - 2 * kMarginMm) * kUnitsPerMm; // 1047

// Tops of the bands, from the top of the page.
constexpr double kHeaderTop = 0;
constexpr double kHeaderHeight = 147;
constexpr double kHeadingTop = kHeaderTop + kHeaderHeight;
constexpr double kHeadingHeight = 144;
constexpr double kBodyTop = kHeadingTop + kHeadingHeight;
} // namespace ReportPage

// One text of the report. Without a wrap width it is one line anchored at `at`: its left
// end, its right end or its middle, as `align` says, with `at` at the top of the line.
// With one, it is word-wrapped into a column of that width from `at`. Nothing is clipped.
struct TReportText {
    QPointF at;
    Qt::Alignment align = Qt::AlignLeft;
    double points = 12;
    bool bold = false;
    double wrapWidth = 0;
    QString text;
};

// Font sizes are given in points, drawn in 1/96 inch: 12 points are 16 units.
inline int ReportPixels(double points) {
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

// The font of a text in the family of the report, sized in 1/96 inch, unhinted so that a
// text is as wide on paper as in an image.
QFont ReportFont(const TReportText& text, const QString& family);

// Width of a one-line text in 1/96 inch.
double ReportTextWidth(const TReportText& text, const QString& family);

// Height of a text in 1/96 inch: one line, or its lines in its wrap width; 0 when empty.
double ReportTextHeight(const TReportText& text, const QString& family);

// The lines a wrapped text takes in its wrap width: broken between words, and inside a
// word only where the word alone is wider than the column, so nothing runs off the page.
QStringList ReportTextLines(const TReportText& text, const QString& family);

// Height of that many lines of the text's font.
double ReportLinesHeight(const TReportText& text, const QString& family, int lines);

// The wrapped text cut to its first maxLines lines, the last ending in "…" when anything
// was cut; maxLines 0 leaves nothing.
QString ShortenToLines(const TReportText& text, const QString& family, int maxLines);

class QPainter;
// Draws the text at its place: a wrapped one line by line as ReportTextLines breaks it.
void DrawReportText(QPainter& painter, const TReportText& text, const QString& family);
