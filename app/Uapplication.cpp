#include "app/Uapplication.h"

#include <exception>

#include "app/Umessages.h"

bool DeliverReportingErrors(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
    }
    return false;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/termora-%1.png").arg(size), QSize(size, size));
    return icon;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverReportingErrors([&] { return QApplication::notify(receiver, event); });
}
