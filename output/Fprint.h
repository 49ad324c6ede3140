#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Asks whether to print the open calculation form's current result or to copy all its
// results to the clipboard, with a project, company and comment for both. Made once for
// the whole run: the three fields keep what the user typed from one form to the next.
class TPrintDecision : public QDialog {
    Q_OBJECT
public:
    explicit TPrintDecision(QWidget* parent = nullptr);

    QLabel* TntLabel1;
    QGroupBox* TntRadioGroup1;
    QRadioButton* RB1; // "Print actual result"
    QRadioButton* RB2; // "Copy list of results to clipboard"
    QLabel* Label2;
    QLineEdit* E_project;
    QLabel* Label3;
    QLineEdit* E_company;
    QLabel* Label4;
    QLineEdit* E_remarks;
    QPushButton* Button1; // "Continue"
    QPushButton* Button2; // "Cancel"

public slots:
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormActivate();
    void PrintActualResult();
    void CopyResultsToClipboard();
};
