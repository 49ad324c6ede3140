#pragma once
#include <QDialog>

// The splash window shown at the first showing of the main window; closes itself.
class TSplash : public QDialog {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);
};
