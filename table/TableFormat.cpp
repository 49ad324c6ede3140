#include "table/TableFormat.h"

#include <algorithm>
#include <cmath>

#include "config/Uutils.h"

QString Cell(float value, int decimals) {
    if (!std::isfinite(value))
        return QStringLiteral("-/-");
    return FormatFloat(value, decimals);
}

QString ShortNumber(float value, int decimals) {
    QString text = Cell(value, decimals);
    if (!text.contains(u'.'))
        return text;
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString SignificantCell(float value, int digits, int minDecimals) {
    if (!std::isfinite(value) || value == 0)
        return Cell(value, minDecimals);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(double{value}))));
    return Cell(value, std::clamp(digits - 1 - magnitude, minDecimals, 9));
}
