// The thickness table on paper: title, inputs, criteria, the table and the chart, flowing
// over as many pages as they need. Nothing is cut: long lines wrap, the table's rows go on
// under a repeated header, the chart goes to a page of its own when it does not fit, and
// every page carries the date, the program's version and its number.
#include <QAbstractItemModel>
#include <QDate>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "output/Ureportpage.h"
#include "table/TableOutput.h"

using namespace ReportPage;

namespace {
constexpr double kFooter = 18;    // the band of date, version and page number
constexpr double kLine = 14;      // a table row, a line of text
constexpr double kHeader = 30;    // the table's header, two lines of captions
constexpr double kChartMin = 240; // less than that is no readable chart
constexpr double kChartMax = 360;

QFont PageFont(double pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double WrappedHeight(const QFont& font, const QString& text, double width) {
    const QFontMetricsF fm(font);
    return std::max(
        fm.height(),
        fm.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft, text).height());
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

// Lays the page out; paints only when `p` is given, so that a first pass counts the pages.
class Flow {
public:
    Flow(QPainter* p, const TablePage& page, int pages) : p_(p), page_(page), pages_(pages) {}

    int Run() {
        Block(PageFont(18, true), {page_.title}, 1, 8);
        Block(PageFont(9), page_.inputs, 2, 8);
        Block(PageFont(9, true), page_.minima, 1, 8);
        if (page_.model)
            Table(*page_.model);
        if (page_.withChart)
            Chart();
        Footer();
        return number_;
    }

private:
    double Bottom() const { return kHeight - kFooter; }

    void NextPage() {
        Footer();
        if (p_) {
            if (auto* paged = dynamic_cast<QPagedPaintDevice*>(p_->device()))
                paged->newPage();
        }
        ++number_;
        top_ = 0;
    }

    void Footer() {
        if (!p_)
            return;
        p_->setFont(PageFont(8));
        p_->setPen(Qt::black);
        const QRectF band(0, kHeight - kFooter + 4, kWidth, kFooter - 4);
        p_->drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                     QDate::currentDate().toString(Qt::ISODate));
        p_->drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Termora " TERMORA_VERSION "  Page %1 of %2")
                         .arg(number_)
                         .arg(std::max(pages_, number_)));
    }

    // Lines in `columns` columns, each wrapped to its column; a line that does not fit on the
    // page goes to the next.
    void Block(const QFont& font, const QStringList& lines, int columns, double after) {
        if (lines.isEmpty())
            return;
        const double width = kWidth / columns;
        const int perColumn = static_cast<int>((lines.size() + columns - 1) / columns);
        for (int row = 0; row < perColumn; ++row) {
            double height = 0;
            for (int col = 0; col < columns; ++col) {
                if (const int i = col * perColumn + row; i < lines.size())
                    height = std::max(height, WrappedHeight(font, lines[i], width - 6));
            }
            if (top_ + height > Bottom())
                NextPage();
            for (int col = 0; p_ && col < columns; ++col) {
                if (const int i = col * perColumn + row; i < lines.size()) {
                    p_->setFont(font);
                    p_->setPen(Qt::black);
                    p_->drawText(QRectF(col * width, top_, width - 6, height),
                                 Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, lines[i]);
                }
            }
            top_ += height;
        }
        top_ += after;
    }

    void TableHeader(const QAbstractItemModel& model, const std::vector<double>& widths) {
        if (p_) {
            p_->setFont(PageFont(8, true));
            double left = 0;
            for (int c = 0; c < model.columnCount(); left += widths[c], ++c)
                p_->drawText(QRectF(left, top_, widths[c], kHeader),
                             Qt::AlignCenter | Qt::TextWordWrap,
                             model.headerData(c, Qt::Horizontal).toString());
            p_->drawLine(QLineF(0, top_ + kHeader, kWidth, top_ + kHeader));
        }
        top_ += kHeader;
    }

    void TableRow(const QAbstractItemModel& model, int r, const std::vector<double>& widths) {
        const QVariant background = model.data(model.index(r, 0), Qt::BackgroundRole);
        if (background.canConvert<QBrush>() && !background.isNull())
            p_->fillRect(QRectF(0, top_, kWidth, kLine), background.value<QBrush>());
        const bool bold = model.data(model.index(r, 0), Qt::FontRole).isValid();
        p_->setFont(PageFont(8, bold));
        double left = 0;
        for (int c = 0; c < model.columnCount(); left += widths[c], ++c) {
            const QModelIndex at = model.index(r, c);
            const QVariant align = model.data(at, Qt::TextAlignmentRole);
            const int flags =
                align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
            p_->drawText(QRectF(left + 2, top_, widths[c] - 4, kLine), flags,
                         model.data(at).toString());
        }
    }

    void Table(const QAbstractItemModel& model) {
        const std::vector<double> widths = ColumnWidths(model);
        if (top_ + kHeader + kLine > Bottom())
            NextPage();
        TableHeader(model, widths);
        for (int r = 0; r < model.rowCount(); ++r) {
            if (top_ + kLine > Bottom()) {
                if (p_)
                    p_->drawLine(QLineF(0, top_, kWidth, top_));
                NextPage();
                TableHeader(model, widths);
            }
            if (p_)
                TableRow(model, r, widths);
            top_ += kLine;
        }
        if (p_)
            p_->drawLine(QLineF(0, top_, kWidth, top_));
        top_ += 12;
    }

    void Chart() {
        if (Bottom() - top_ < kChartMin)
            NextPage();
        const double height = std::min(kChartMax, Bottom() - top_ - 4);
        if (p_) {
            p_->setFont(PageFont(9));
            PaintThicknessChart(*p_, QRectF(0, top_, kWidth, height), page_.chart);
        }
        top_ += height;
    }

    QPainter* p_;
    const TablePage& page_;
    int pages_;
    int number_ = 1;
    double top_ = 0;
};
} // namespace

int TablePageCount(const TablePage& page) {
    return Flow(nullptr, page, 0).Run();
}

void PaintTablePage(QPainter& p, const TablePage& page) {
    p.save();
    const QPaintDevice& device = *p.device();
    p.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
    p.setPen(Qt::black);
    Flow(&p, page, TablePageCount(page)).Run();
    p.restore();
}
