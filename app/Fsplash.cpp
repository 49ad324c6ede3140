#include "app/Fsplash.h"

#include <QLabel>

#include "app/Ulook.h"
#include "config/Udatafolder.h"

TSplash::TSplash(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::SplashScreen),
      Label1(MakeLabel(this, "Label1", {0, 23, 566, 62}, Look::kGreen, 46)),
      Label4(MakeLabel(this, "Label4", {1, 99, 565, 27}, Look::kMaroon, 17)),
      Image1(new QLabel(this)) {
    setFixedSize(566, 373);
    ApplyCream(*this);
    Label1->setAlignment(Qt::AlignCenter);
    Label4->setAlignment(Qt::AlignCenter);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(26, 146, 517, 208);
    Splashtimer.setInterval(3000);
    Splashtimer.setSingleShot(true);
    connect(&Splashtimer, &QTimer::timeout, this, &TSplash::SplashtimerTimer);
}

void TSplash::SetDuration(int milliseconds) {
    Splashtimer.setInterval(milliseconds);
}

void TSplash::showEvent(QShowEvent* event) {
    ApplyGlobalFont(*this);
    Label1->setText(QStringLiteral("Termora ") + QStringLiteral(" 5.0"));
    Label4->setText(QStringLiteral("Calculations for Thermal Insulation Applications"));
    ShowPicture(*Image1, InDataFolder(QStringLiteral("logo.bmp")));
    Splashtimer.start();
    QDialog::showEvent(event);
}

void TSplash::SplashtimerTimer() {
    Splashtimer.stop();
    close();
}
