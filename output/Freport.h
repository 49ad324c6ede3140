#pragma once
#include <QDate>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <vector>

#include "output/Ureportpage.h"

class QPainter;
class QPrinter;
class QWidget;
class TPrintDecision;

// Said by a report or a copy made while the form's results do not match its inputs.
inline const QString kResultsNotCurrent =
    QStringLiteral("Results not current: inputs were changed after the last calculation.");

// The one-page report of the open calculation form: the program and the standard it
// follows, the calculation's title with project, company and date, every parameter and
// result line as it stands, the comment and the sales contact. Made by the print
// decision dialog for one print and never shown itself, only in its print preview.
class Tf_Print : public QObject {
    Q_OBJECT
public:
    // Reads the project, company and comment from the owner's fields when built.
    explicit Tf_Print(TPrintDecision& owner);

    // Builds the report and opens its print preview modally, from which the user prints
    // it. A failure shows "could not read medium values" and the failure's message.
    void Preview();

    // Fills the texts and the picture from the open calculation form and the settings.
    void Build();

    // Paints the built page on any device: the painter's origin is the top-left corner of
    // the area inside the margins, scaled from 1/96 inch to the device's resolution.
    void draw(QPainter& painter) const;

    // Sets the printer to the report's page: A4 portrait with margins of 10 mm.
    static void SetUpPage(QPrinter& printer);
    // Sizes a print preview large enough to read the page, within the screen.
    static void FitToScreen(QWidget& preview);

    // Every text of the built page, the fixed ones first, then the rows.
    std::vector<TReportText> Texts() const;

    // The picture file; a file that cannot be read leaves the picture area empty.
    QString PicturePath;
    // The date printed; today unless set.
    QDate PrintDate;

    // The fixed items by their design names (positions in page coordinates).
    TReportText QRL_Version;       // program and version
    TReportText QRLabel2;          // "Calculations for Thermal Insulation Applications"
    TReportText QRLabel1;          // "Calculation is based on ISO 12241:1998"
    QImage QRImage1;               // "logoprint.bmp"
    TReportText QRL_Titel_von_was; // the calculation form's title
    TReportText QRSysData1;        // the date
    TReportText QRLabel3;          // "Project"
    TReportText QRL_Project;
    TReportText QRLabel4; // "Company"
    TReportText QRL_Company;
    TReportText QRLabel5;    // "Parameters"
    TReportText QRLabel6;    // "Results"
    TReportText QRLabel7;    // "Comments"
    TReportText QRL_Remarks; // the comment
    TReportText QRLabel9;    // "Sales Contact"
    TReportText QRLabel10;   // the sales text
    TReportText Footer;
    // Under the heading while the form's results do not match its inputs; empty otherwise.
    TReportText NotCurrent;

    // Where the picture goes: at its place, its own size, shrunk to the design's room.
    QRectF PictureBox() const;

private:
    void PlaceFixedItems();
    void SetFixedTexts();
    void BuildRows();
    void KeepCommentAndSalesClear(double resultsEnd);
    void Paint(QPrinter* printer) const;

    TPrintDecision& owner_;
    std::vector<TReportText> rows_;
};
