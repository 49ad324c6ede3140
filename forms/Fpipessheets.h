#pragma once
#include <QDialog>
#include <QString>

class QFrame;
class QGroupBox;
class QPushButton;
class TInsideOutside;
struct TFormLayout;

// Title of the calculation form of a CalculationType (0..7).
QString CalculationTitle(int calculationType);

// The calculation form of Shared().CalculationType: a column of parameter lines over
// the result lines and the four buttons. It builds its lines when shown and stores the
// inputs back into WorkingValues whenever it closes.
class TPipeForm : public QDialog {
    Q_OBJECT
public:
    explicit TPipeForm(QWidget* owner);
    ~TPipeForm() override;

    // Builds the form for the current CalculationType; the first showing runs it.
    void FormShow();
    // Stores the inputs in WorkingValues and releases the lines; every way of closing
    // runs it once.
    void FormClose();

    // All result fields cream with grey text (outdated) or white (current).
    static void MarkResultsStale();
    static void MarkResultsCurrent();
    // The open form shows results of an earlier run whose inputs have changed since
    // (false without a form or before its first successful run).
    static bool ResultsStale();
    // "Print" of the open form on after a successful run, off after a refused one.
    static void EnablePrint(bool enabled);

    // Runs the calculation of the current type and, after a success, offers its
    // alternatives and enables "Print"; an unexpected error is reported here.
    void Calculate();
    // Offers printing or copying the results.
    void Print();

    // The surface coefficient dialog that the default coefficient of a bare surface drives
    // without showing it; made on first use and kept with the form, since building it
    // costs more than all the rest of a calculation.
    TInsideOutside& UnseenHDialog();

    // Controls by their design names.
    QFrame* Panel1;
    QGroupBox* GroupBox1; // "Parameters"
    QFrame* Panel2;
    QGroupBox* GroupBox2; // "Results"
    QFrame* Panel3;
    QGroupBox* GroupBox3; // "Control"
    QPushButton* Button1; // "Calculate"
    QPushButton* Button2; // "Help"
    QPushButton* Button3; // "Print"
    QPushButton* Button4; // "Close"

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void DrawTitlesOnTheFrame();
    void ApplyConfiguredFont();
    void SetCaptions();
    void BuildLines(const TFormLayout& layout);
    void OfferAlternativeThicknesses();
    void OfferAlternativeFreezingTimes();

    TInsideOutside* unseenHDialog_ = nullptr; // a child of the form
    bool built_ = false;
    bool closed_ = false;
};
