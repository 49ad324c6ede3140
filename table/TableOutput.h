#pragma once
// The thickness table on paper and in a spreadsheet: CSV text, and A4 pages with the
// inputs, the criteria, the table and the chart, previewed as the report is.
#include <QString>
#include <QStringList>

#include "config/SafeFile.h"
#include "table/ThicknessChart.h"

class QAbstractItemModel;
class QPainter;
class QWidget;

// One line per row, the header first; cells in quotes where they hold the separator, text
// cells a spreadsheet would run as a formula with a leading apostrophe.
// Default: "," between cells and "." decimals; decimalComma: ";" and "," decimals.
QString CsvText(const QAbstractItemModel& model, bool decimalComma);

struct TablePage {
    QString title;
    QStringList inputs;
    QStringList minima;
    const QAbstractItemModel* model = nullptr;
    ChartData chart;
    bool withChart = true;
};

// Paints the page on any device, in 1/96 inch from the top-left corner inside the margins
// of the report's page; on a printer or PDF over as many pages as it needs (a device of
// one page, an image, shows the first).
void PaintTablePage(QPainter& painter, const TablePage& page);

// The number of pages the page needs.
int TablePageCount(const TablePage& page);

// The report's print preview of the page (modal, through the seam).
void PreviewTablePage(const TablePage& page, QWidget* parent);

// The page as a PDF file, written whole or not at all.
SafeFile::Result WriteTablePdf(const TablePage& page, const QString& path);
