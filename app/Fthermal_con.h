#pragma once
#include <QDialog>

// Asks for the conductivity of the user material "k-factor" and stores it as KFactor.
class TThermal_Cond : public QDialog {
    Q_OBJECT
public:
    explicit TThermal_Cond(QWidget* parent = nullptr);
};
