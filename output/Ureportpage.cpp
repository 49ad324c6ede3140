#include "output/Ureportpage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace {

// Line breaks of the text as the layout understands them.
QString LayoutText(const QString& text) {
    QString laid = text;
    laid.replace(u'\n', QChar::LineSeparator);
    return laid;
}

// Lays the text out in its wrap width; returns the total height.
double LayOut(QTextLayout& layout, double width) {
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace

QFont ReportFont(const TReportText& text, const QString& family) {
    QFont font(family);
    font.setPixelSize(ReportPixels(text.points));
    font.setBold(text.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double ReportTextWidth(const TReportText& text, const QString& family) {
    return QFontMetricsF(ReportFont(text, family)).horizontalAdvance(text.text);
}

double ReportTextHeight(const TReportText& text, const QString& family) {
    if (text.text.isEmpty())
        return 0;
    if (text.wrapWidth <= 0)
        return QFontMetricsF(ReportFont(text, family)).height();
    QTextLayout layout(LayoutText(text.text), ReportFont(text, family));
    return LayOut(layout, text.wrapWidth);
}

QStringList ReportTextLines(const TReportText& text, const QString& family) {
    if (text.text.isEmpty())
        return {};
    const QString laid = LayoutText(text.text);
    QTextLayout layout(laid, ReportFont(text, family));
    LayOut(layout, text.wrapWidth > 0 ? text.wrapWidth : 1e9);
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString part = laid.mid(line.textStart(), line.textLength());
        part.remove(QChar::LineSeparator);
        lines << part;
    }
    return lines;
}

double ReportLinesHeight(const TReportText& text, const QString& family, int lines) {
    QTextLayout layout(QStringLiteral("X"), ReportFont(text, family));
    return LayOut(layout, 1e9) * std::max(0, lines);
}

QString ShortenToLines(const TReportText& text, const QString& family, int maxLines) {
    const QStringList lines = ReportTextLines(text, family);
    if (lines.size() <= maxLines)
        return text.text;
    if (maxLines <= 0)
        return {};
    QStringList kept = lines.mid(0, maxLines);
    const QFontMetricsF metrics(ReportFont(text, family));
    const QString ellipsis(QChar(0x2026));
    const QString whole = kept.last().trimmed();
    QString last = whole;
    while (!last.isEmpty() && metrics.horizontalAdvance(last + ellipsis) > text.wrapWidth)
        last.chop(1);
    // A cut word goes whole, unless it is the line's only one.
    if (last.size() < whole.size() && whole.at(last.size()) != u' ' && last.contains(u' '))
        last.truncate(last.lastIndexOf(u' '));
    kept.last() = last.trimmed() + ellipsis;
    return kept.join(u'\n');
}

void DrawReportText(QPainter& painter, const TReportText& text, const QString& family) {
    const QFont font = ReportFont(text, family);
    painter.setFont(font);
    if (text.wrapWidth <= 0) {
        painter.drawText(QRectF(text.at, QSizeF(0, 0)),
                         static_cast<int>(text.align | Qt::AlignTop) | Qt::TextDontClip, text.text);
        return;
    }
    QTextLayout layout(LayoutText(text.text), font, painter.device());
    LayOut(layout, text.wrapWidth);
    layout.draw(&painter, text.at);
}
