#include "projectprint/ScheduleLayout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {
// The text laid out in lines of at most width, broken between words where it can and
// anywhere in a word longer than the line.
double LayOut(QTextLayout& layout, double width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

QFont DeviceFont(QPagedPaintDevice& device, double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return QFont(font, &device);
}
} // namespace

ScheduleLayout::ScheduleLayout(QPagedPaintDevice& device, const QString& footer)
    : device_(device), footer_(footer), body_(DeviceFont(device, 7, false)),
      bold_(DeviceFont(device, 7, true)), heading_(DeviceFont(device, 11, true)) {
    width_ = device.width();
    pad_ = device.logicalDpiX() / 72.0 * 2; // 2 pt
    footerHeight_ = QFontMetricsF(body_, &device).height() * 2;
    height_ = device.height() - footerHeight_;
}

void ScheduleLayout::Heading(const QString& text) {
    Add(Kind::Heading, {text}, -1);
}

void ScheduleLayout::Pairs(const std::vector<std::pair<QString, QString>>& pairs) {
    tables_.push_back({0.2, 0.8});
    for (const auto& [label, value] : pairs)
        Add(Kind::Row, {label, value}, static_cast<int>(tables_.size()) - 1);
}

void ScheduleLayout::Table(const std::vector<double>& widths, const QStringList& headers) {
    tables_.push_back(widths);
    Add(Kind::Header, headers, static_cast<int>(tables_.size()) - 1);
}

void ScheduleLayout::Row(const QStringList& cells) {
    Add(Kind::Row, cells, static_cast<int>(tables_.size()) - 1);
}

void ScheduleLayout::Add(Kind type, const QStringList& cells, int table) {
    Block block{type, cells, table, 0};
    block.Height = Measure(block);
    blocks_.push_back(std::move(block));
}

QFont ScheduleLayout::FontOf(Kind type) const {
    return type == Kind::Heading ? heading_ : type == Kind::Header ? bold_ : body_;
}

double ScheduleLayout::CellHeight(const QString& text, const QFont& font, double width) const {
    QTextLayout layout(text, font, &device_);
    return LayOut(layout, std::max(1.0, width - 2 * pad_));
}

double ScheduleLayout::Measure(const Block& block) const {
    const QFont font = FontOf(block.Type);
    if (block.Type == Kind::Heading)
        return CellHeight(block.Cells.value(0), font, width_) + 4 * pad_;
    double tallest = QFontMetricsF(font, &device_).height();
    const std::vector<double>& widths = tables_[static_cast<size_t>(block.Table)];
    for (size_t c = 0; c < widths.size() && c < static_cast<size_t>(block.Cells.size()); ++c)
        tallest = std::max(
            tallest, CellHeight(block.Cells[static_cast<qsizetype>(c)], font, widths[c] * width_));
    return tallest + 2 * pad_;
}

// What must share a page with the heading or header row above it: a row taller than a page
// only its first text line.
double ScheduleLayout::KeptHeight(const Block& block) const {
    if (block.Type == Kind::Row && block.Height > height_ / 2)
        return QFontMetricsF(body_, &device_).height() + 2 * pad_;
    return block.Height;
}

// Where a row may be cut between pages: the tops of its cells' text lines that no text line
// of another cell straddles, in order.
std::vector<double> ScheduleLayout::Breaks(const Block& block) const {
    std::vector<std::pair<double, double>> lines; // top and bottom in the row
    const std::vector<double>& widths = tables_[static_cast<size_t>(block.Table)];
    for (size_t c = 0; c < widths.size(); ++c) {
        QTextLayout layout(block.Cells.value(static_cast<qsizetype>(c)), body_, &device_);
        LayOut(layout, std::max(1.0, widths[c] * width_ - 2 * pad_));
        for (int n = 0; n < layout.lineCount(); ++n) {
            const QTextLine line = layout.lineAt(n);
            lines.emplace_back(pad_ + line.y(), pad_ + line.y() + line.height());
        }
    }
    std::vector<double> breaks;
    for (const auto& [top, bottom] : lines)
        if (std::none_of(lines.begin(), lines.end(),
                         [top = top](const auto& l) { return l.first < top && top < l.second; }))
            breaks.push_back(top);
    std::sort(breaks.begin(), breaks.end());
    return breaks;
}

std::vector<ScheduleLayout::Page> ScheduleLayout::Paginate() const {
    std::vector<Page> pages(1);
    double y = 0;
    std::vector<int> headerOf(tables_.size(), -1);
    auto newPage = [&](const Block& b) {
        pages.emplace_back();
        y = 0;
        const int header = b.Table >= 0 ? headerOf[static_cast<size_t>(b.Table)] : -1;
        if (b.Type == Kind::Row && header >= 0) {
            pages.back().push_back({header, 0, blocks_[static_cast<size_t>(header)].Height});
            y += blocks_[static_cast<size_t>(header)].Height;
        }
    };
    for (size_t i = 0; i < blocks_.size(); ++i) {
        const Block& b = blocks_[i];
        if (b.Type == Kind::Header)
            headerOf[static_cast<size_t>(b.Table)] = static_cast<int>(i);
        // A heading or header row stays with the blocks after it up to the first row.
        double needed = KeptHeight(b);
        for (size_t next = i + 1; blocks_[next - 1].Type != Kind::Row && next < blocks_.size();
             ++next)
            needed += KeptHeight(blocks_[next]);
        if (y + needed > height_ && !pages.back().empty())
            newPage(b);
        const std::vector<double> breaks =
            b.Type == Kind::Row && y + b.Height > height_ ? Breaks(b) : std::vector<double>();
        double from = 0;
        while (b.Height - from > height_ - y && !breaks.empty()) {
            // The last break that fits what is left of the page; a line taller than a page
            // (none at these sizes) is cut where the page ends.
            const auto fits = std::upper_bound(breaks.begin(), breaks.end(), from + height_ - y);
            const double to = fits != breaks.begin() && *std::prev(fits) > from
                                  ? *std::prev(fits)
                                  : from + std::max(height_ - y, 1.0);
            pages.back().push_back({static_cast<int>(i), from, to});
            from = to;
            newPage(b);
        }
        pages.back().push_back({static_cast<int>(i), from, b.Height});
        y += b.Height - from;
    }
    return pages;
}

// The piece's text lines only: a line belongs to the piece its top lies in, so that each is
// printed once, whole, on one page.
void ScheduleLayout::DrawPiece(QPainter& p, const Piece& piece, double y) const {
    const Block& block = blocks_[static_cast<size_t>(piece.Index)];
    const QFont font = FontOf(block.Type);
    p.setPen(Qt::black);
    if (block.Type == Kind::Heading) {
        QTextLayout layout(block.Cells.value(0), font, &device_);
        LayOut(layout, width_);
        layout.draw(&p, QPointF(0, y + 2 * pad_));
        return;
    }
    const std::vector<double>& widths = tables_[static_cast<size_t>(block.Table)];
    if (block.Type == Kind::Header)
        p.fillRect(QRectF(0, y, width_, block.Height), QColor(225, 225, 225));
    const double top = y - piece.From; // where the whole row would begin
    double x = 0;
    for (size_t c = 0; c < widths.size(); ++c) {
        const double w = widths[c] * width_;
        QTextLayout layout(block.Cells.value(static_cast<qsizetype>(c)), font, &device_);
        LayOut(layout, std::max(1.0, w - 2 * pad_));
        for (int n = 0; n < layout.lineCount(); ++n) {
            const QTextLine line = layout.lineAt(n);
            const double at = pad_ + line.y();
            if (at >= piece.From && at < piece.To)
                line.draw(&p, QPointF(x + pad_, top + pad_));
        }
        x += w;
    }
    if (piece.To == block.Height) {
        p.setPen(QPen(QColor(150, 150, 150), 0));
        p.drawLine(QPointF(0, top + block.Height), QPointF(width_, top + block.Height));
    }
}

void ScheduleLayout::DrawFooter(QPainter& p, int page, int pages) const {
    p.setFont(body_);
    p.setPen(Qt::black);
    const QRectF area(0, height_ + footerHeight_ / 2, width_, footerHeight_ / 2);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(body_, &device_).elidedText(footer_, Qt::ElideRight, width_ / 2));
    p.drawText(area, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Page %1 of %2").arg(page).arg(pages));
}

int ScheduleLayout::Draw() {
    const std::vector<Page> pages = Paginate();
    QPainter p(&device_);
    const int count = static_cast<int>(pages.size());
    for (int n = 0; n < count; ++n) {
        if (n > 0)
            device_.newPage();
        double y = 0;
        for (const Piece& piece : pages[static_cast<size_t>(n)]) {
            DrawPiece(p, piece, y);
            y += piece.To - piece.From;
        }
        DrawFooter(p, n + 1, count);
    }
    return count;
}
