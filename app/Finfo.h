#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class TClickLabel;

// The program's version as major.minor.release.build, from the build.
QString ProgramVersion();

// The configured sales contact, one line for each "<CR>" marker.
QString SalesContactText();

// Opens the maker's web site in the desktop's browser (the logos and the web address).
void OpenMakersWebSite();

// The information window: version, sales contact and the maker's address. Shown beside
// the main window without blocking it.
class Tfrm_Info : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Info(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildUpperPart();
    void BuildLowerPart();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* TntLabel1;
    QLabel* Label4;
    QLabel* TntLabel2;
    QLabel* TntLabel3;
    TClickLabel* Image2;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    TClickLabel* Label10;
    QPushButton* Cmd_OK;
};
