#pragma once
// The application object: an error that no handler caught is shown, and the loop goes on.
#include <QApplication>
#include <QIcon>
#include <functional>

// Runs one event delivery; an exception escaping it is shown in the error box (through the
// message seam) and the delivery counts as not handled.
bool DeliverReportingErrors(const std::function<bool()>& deliver);

// The program's emblem at every size of the desktop's icon theme (16 to 256 pixels), built
// into the program; set as the application's window icon it marks every window.
QIcon ProgramIcon();

class TApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
