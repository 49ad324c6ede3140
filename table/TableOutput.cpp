#include "table/TableOutput.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

#include "app/Umessages.h"
#include "config/SafeFile.h"
#include "output/Freport.h"
#include "output/Updffile.h"
#include "output/Ureportpage.h"

using namespace ReportPage;

namespace {
bool IsNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    return number.match(text).hasMatch();
}

QString CsvCell(QString text, bool decimalComma) {
    const QChar separator = decimalComma ? u';' : u',';
    if (decimalComma && IsNumber(text))
        text.replace(u'.', u',');
    return SafeFile::CsvQuoted(SafeFile::CsvSafeCell(text), separator);
}
} // namespace

QString CsvText(const QAbstractItemModel& model, bool decimalComma) {
    const QString separator = decimalComma ? QStringLiteral(";") : QStringLiteral(",");
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells << CsvCell(model.headerData(c, Qt::Horizontal).toString(), decimalComma);
    lines << cells.join(separator);
    for (int r = 0; r < model.rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < model.columnCount(); ++c)
            cells << CsvCell(model.data(model.index(r, c)).toString(), decimalComma);
        lines << cells.join(separator);
    }
    return lines.join(u'\n') + u'\n';
}

void PreviewTablePage(const TablePage& page, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    Tf_Print::SetUpPage(printer);
    printer.setDocName(page.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(page.title);
    Tf_Print::FitToScreen(preview);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&page, parent](QPrinter* device) {
                         PaintOrSavePdf(
                             *device, [&page](QPainter& p) { PaintTablePage(p, page); }, parent);
                     });
    ExecModal(preview);
}

SafeFile::Result WriteTablePdf(const TablePage& page, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    Tf_Print::SetUpPage(printer);
    printer.setDocName(page.title);
    return SavePdf(printer, path, [&page](QPainter& p) { PaintTablePage(p, page); });
}
