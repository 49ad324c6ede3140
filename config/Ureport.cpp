#include "config/Ureport.h"

namespace {
ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}
} // namespace

void SetErrorReporter(ErrorReporter reporter) {
    Reporter() = std::move(reporter);
}

void ReportError(const QString& text) {
    if (Reporter())
        Reporter()(text);
}

QString ErrorText(const std::exception& error) {
    constexpr qsizetype kHead = 300;
    constexpr qsizetype kTail = 80;
    QString text = QString::fromUtf8(error.what());
    if (text.size() <= kHead + kTail + 3)
        return text;
    return text.left(kHead) + QStringLiteral("...") + text.right(kTail);
}
