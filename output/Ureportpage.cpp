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
