#include "config/Ufields.h"

#include "config/Uutils.h"

QString TFieldSplitter::Next() {
    qsizetype semicolon = rest_.indexOf(u';');
    if (semicolon < 0)
        return QString();
    QString field = rest_.left(semicolon);
    rest_.remove(0, semicolon + 1);
    return field;
}

QString TFieldSplitter::Last() const {
    qsizetype semicolon = rest_.indexOf(u';');
    return semicolon < 0 ? rest_ : rest_.left(semicolon);
}

float TFieldSplitter::NextNumber() {
    return ToSingle(ParseNumber(Next()));
}

float TFieldSplitter::LastNumber() const {
    return ToSingle(ParseNumber(Last()));
}
