#pragma once
#include <QDialog>
#include <QString>

// Title of the calculation form of a CalculationType (0..7).
QString CalculationTitle(int calculationType);

// The calculation form of Shared().CalculationType.
class TPipeForm : public QDialog {
    Q_OBJECT
public:
    explicit TPipeForm(QWidget* owner);
};
