#pragma once
// The surface coefficient dialog "Calculation of Heat Transfer Coefficent h": the user
// states how the insulated object is installed, "Continue" runs the matching computation
// (coefficient/Usurface.h), which leaves h in WorkingValues.SurfaceCoefficient.
#include <QDialog>
#include <QList>
#include <QString>

#include "coefficient/Usurface.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TParaLine;

// The start of the report of a computation of h that failed; the error's text follows.
inline const QString kHFailed =
    QStringLiteral("Calulation of h failed! Please check input and retry! Error: ");

class TInsideOutside : public QDialog {
    Q_OBJECT
public:
    explicit TInsideOutside(QWidget* owner = nullptr);

    // The controls; the opener, the computations and the tests address them by name.
    QFrame* Panel1;
    QGroupBox* GroupBox1;
    QLabel* TntLabel1;
    QFrame* Panel5;
    QRadioButton* TntRadioButton1; // "inside"
    QRadioButton* TntRadioButton2; // "outside"
    QLabel* TntLabel2;
    QFrame* Panel2;
    QGroupBox* GroupBox2;
    QLabel* TntLabel3;
    QLineEdit* TntEdit1; // emissivity
    QLabel* TntLabel6;
    QLineEdit* TntEdit3;           // sheet height, m
    QRadioButton* TntRadioButton3; // "vertical"
    QRadioButton* TntRadioButton4; // "horizontal"
    QLabel* TntLabel4;
    QLineEdit* TntEdit2; // wind speed, m/s
    QLabel* TntLabel5;
    QComboBox* TntComboBox1; // claddings
    QFrame* Panel3;
    QGroupBox* GroupBox3;
    QPushButton* Button1; // "Continue"
    QPushButton* Button3; // "Help"
    QPushButton* Button2; // "Cancel"

    // The summary of the form's lines in GroupBox1, three labels per line shown.
    const QList<QLabel*>& SummaryLabels() const { return summary_; }

    // Whether "Continue" stored a new h in this modal run (after a silent end of the
    // computation the dialog closes with none).
    bool HStored() const { return outcome_ == HOutcome::Stored; }

public slots:
    void TntFormShow();
    void FormActivate();
    void TntRadioButton1Click();
    void TntRadioButton2Click();
    void TntComboBox1Change(int position);
    void Button1Click();
    void Button2Click();
    void Button3Click();

public:
    // The key filter of the emissivity field: the key to enter, or QChar(0) to swallow it.
    QChar TntEdit1KeyPress(QChar key);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildParameters();
    void BuildSettings();
    void BuildControl();
    void ApplyConfiguredFont();
    void SetCaptions();
    void FillCladdings();
    void BuildSummary();
    bool EntriesRefused() const;
    bool SheetHeightMissing() const;
    HOutcome RunComputation();

    QList<QLabel*> summary_;
    HOutcome outcome_ = HOutcome::Refused; // how "Continue" ended this modal run
};

// "calculate h" of a form's surface-coefficient line: runs the surface coefficient dialog
// and writes h into the form's h line.
void CalculateHFor(TParaLine& hLine);

// h of a bare surface of the open form, from the dialog driven unseen; stores it as
// WorkingValues.SurfaceCoefficient and returns it (unchanged after a contained error).
float DefaultSurfaceCoefficient();
