#include "table/WrappedHeaders.h"

QString WrappedCaption(const QString& caption) {
    QString wrapped;
    int depth = 0;
    for (const QChar c : caption) {
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        wrapped += c == u' ' && depth == 0 ? QChar(u'\n') : c;
    }
    return wrapped;
}

QVariant TWrappedHeaders::headerData(int section, Qt::Orientation orientation, int role) const {
    const QVariant value = QIdentityProxyModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return value;
    return WrappedCaption(value.toString());
}
