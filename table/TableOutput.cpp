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
    text = SafeFile::CsvSafeCell(text);
    if (text.contains(separator) || text.contains(u'"') || text.contains(u'\n'))
        text = u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return text;
}

QFont PageFont(double pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double PaintLines(QPainter& p, double top, const QStringList& lines, double columns) {
    const double lineHeight = 14;
    const int perColumn = static_cast<int>((lines.size() + columns - 1) / columns);
    const double width = kWidth / columns;
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF at((i / perColumn) * width, top + (i % perColumn) * lineHeight);
        const QString text = p.fontMetrics().elidedText(lines[i], Qt::ElideRight, int(width - 6));
        p.drawText(QRectF(at, QSizeF(width - 6, lineHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
    }
    return top + perColumn * lineHeight;
}

// Column widths from the widest cell (the header's widest word), fitted to the page.
std::vector<double> ColumnWidths(const QAbstractItemModel& model) {
    const QFontMetricsF cells(PageFont(8));
    const QFontMetricsF header(PageFont(8, true));
    std::vector<double> widths;
    double sum = 0;
    for (int c = 0; c < model.columnCount(); ++c) {
        double w = 0;
        for (const QString& word : model.headerData(c, Qt::Horizontal).toString().split(u' '))
            w = std::max(w, header.horizontalAdvance(word));
        for (int r = 0; r < model.rowCount(); ++r)
            w = std::max(w, cells.horizontalAdvance(model.data(model.index(r, c)).toString()));
        widths.push_back(w + 6);
        sum += w + 6;
    }
    for (double& w : widths)
        w *= kWidth / sum;
    return widths;
}

double PaintTable(QPainter& p, double top, const QAbstractItemModel& model) {
    const std::vector<double> widths = ColumnWidths(model);
    const double header = 30, line = 14;
    p.setFont(PageFont(8, true));
    double left = 0;
    for (int c = 0; c < model.columnCount(); left += widths[c], ++c)
        p.drawText(QRectF(left, top, widths[c], header), Qt::AlignCenter | Qt::TextWordWrap,
                   model.headerData(c, Qt::Horizontal).toString());
    top += header;
    p.drawLine(QLineF(0, top, kWidth, top));
    for (int r = 0; r < model.rowCount(); ++r, top += line) {
        const QVariant background = model.data(model.index(r, 0), Qt::BackgroundRole);
        if (background.canConvert<QBrush>() && !background.isNull())
            p.fillRect(QRectF(0, top, kWidth, line), background.value<QBrush>());
        const bool bold = model.data(model.index(r, 0), Qt::FontRole).isValid();
        p.setFont(PageFont(8, bold));
        left = 0;
        for (int c = 0; c < model.columnCount(); left += widths[c], ++c) {
            const QModelIndex at = model.index(r, c);
            const QVariant align = model.data(at, Qt::TextAlignmentRole);
            const int flags =
                align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
            p.drawText(QRectF(left + 2, top, widths[c] - 4, line), flags,
                       model.data(at).toString());
        }
    }
    p.drawLine(QLineF(0, top, kWidth, top));
    return top;
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

void PaintTablePage(QPainter& p, const TablePage& page) {
    p.save();
    const QPaintDevice& device = *p.device();
    p.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
    p.setPen(Qt::black);
    p.setFont(PageFont(18, true));
    p.drawText(QRectF(0, 0, kWidth, 28), Qt::AlignLeft | Qt::AlignVCenter, page.title);
    p.setFont(PageFont(9));
    double top = PaintLines(p, 36, page.inputs, 2) + 8;
    p.setFont(PageFont(9, true));
    top = PaintLines(p, top, page.minima, 1) + 8;
    if (page.model)
        top = PaintTable(p, top, *page.model) + 12;
    if (page.withChart) {
        p.setFont(PageFont(9));
        const double height = std::min(360.0, kHeight - top - 10);
        if (height > 120)
            PaintThicknessChart(p, QRectF(0, top, kWidth, height), page.chart);
    }
    p.restore();
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
