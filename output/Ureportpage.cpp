#include "output/Ureportpage.h"

#include <QFontMetricsF>

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
    const QFontMetricsF metrics(ReportFont(text, family));
    if (text.wrapWidth <= 0)
        return metrics.height();
    const QRectF room(0, 0, text.wrapWidth, ReportPage::kHeight);
    return metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text.text)
        .height();
}
