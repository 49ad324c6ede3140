#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Asks for the conductivity of the user material "k-factor" and stores it as KFactor.
class TThermal_Cond : public QDialog {
    Q_OBJECT
public:
    explicit TThermal_Cond(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate();
    void Cmd_finishedClick();

    QPlainTextEdit* TntMemo1;
    QLabel* TntLabel2;
    QLineEdit* ME_lambda;
    QLabel* TntLabel1;
    QPushButton* Cmd_cancel;
    QPushButton* Cmd_finished;
};
