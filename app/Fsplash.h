#pragma once
#include <QDialog>
#include <QTimer>

class QLabel;

// The splash window shown at the first showing of the main window; closes itself.
class TSplash : public QDialog {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);
    // How long it stays up once shown; 3 s unless a test wants it shorter.
    void SetDuration(int milliseconds);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SplashtimerTimer();

    QLabel* Label1;
    QLabel* Label4;
    QLabel* Image1;
    QTimer Splashtimer;
};
