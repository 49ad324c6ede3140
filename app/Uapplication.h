#pragma once
// The application object: an error that no handler caught is shown, and the loop goes on.
#include <QApplication>
#include <functional>

// Runs one event delivery; an exception escaping it is shown in the error box (through the
// message seam) and the delivery counts as not handled.
bool DeliverReportingErrors(const std::function<bool()>& deliver);

class TApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
