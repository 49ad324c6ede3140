#pragma once
#include <QDialog>

// The information window: version, sales contact and the maker's address.
class Tfrm_Info : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Info(QWidget* parent = nullptr);
};
