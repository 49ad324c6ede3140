#include "table/TableFormat.h"

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
