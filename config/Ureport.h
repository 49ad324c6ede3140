#pragma once
// How code without windows reports an error to the user: one callback, which the main
// window (and the tests) register. Without one, reports are dropped.
#include <QString>
#include <functional>

using ErrorReporter = std::function<void(const QString& text)>;

void SetErrorReporter(ErrorReporter reporter);
// Shows the text in the error box (error icon, one "OK" button) through the reporter.
void ReportError(const QString& text);

#include <exception>

// The exception's message for "... Error: " + message. A file of garbage can put megabytes
// into one message; such a text is clipped in the middle so that the box stays readable.
QString ErrorText(const std::exception& error);
