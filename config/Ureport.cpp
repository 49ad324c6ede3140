#include "config/Ureport.h"

namespace {
ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}
} // namespace

void SetErrorReporter(ErrorReporter reporter) { Reporter() = std::move(reporter); }

void ReportError(const QString& text) {
    if (Reporter())
        Reporter()(text);
}
