#include "table/ChartParts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "table/TableFormat.h"

namespace ChartParts {
namespace {
constexpr int kTicks = 4;
constexpr double kSample = 24; // length of a legend's line sample
constexpr double kGap = 4;

// Draws a text with its top-left corner at `at` and keeps its box.
QRectF Text(Canvas& c, QPointF at, const QString& text) {
    const QFontMetricsF fm(c.p.font());
    const QRectF box(at, QSizeF(fm.horizontalAdvance(text) + 1, fm.height()));
    c.p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    if (c.texts)
        c.texts->push_back({text, box});
    return box;
}

double Width(const Canvas& c, const QString& text) {
    return QFontMetricsF(c.p.font()).horizontalAdvance(text) + 1;
}

QString Tick(const Scale& s, int i, int decimals) {
    return ShortNumber(static_cast<float>(s.lo + (s.hi - s.lo) * i / kTicks), decimals);
}

double WidestTick(const Canvas& c, const Scale& s) {
    double widest = 0;
    for (int i = 0; i <= kTicks; ++i)
        widest = std::max(widest, Width(c, Tick(s, i, 1)));
    return widest;
}

// The legend's entries in rows that fit the width; each row's entries.
std::vector<std::vector<const LegendEntry*>> LegendRows(const Canvas& c,
                                                        const std::vector<LegendEntry>& legend) {
    std::vector<std::vector<const LegendEntry*>> rows;
    double used = c.area.width();
    for (const LegendEntry& e : legend) {
        const double w = kSample + kGap + Width(c, e.text) + 3 * kGap;
        if (rows.empty() || used + w > c.area.width() - 2 * kGap) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(&e);
        used += w;
    }
    return rows;
}
} // namespace

Scale Around(double lo, double hi, double from, double to) {
    if (!(hi > lo))
        hi = lo + 1;
    const double margin = (hi - lo) * 0.05;
    return {lo - margin, hi + margin, from, to};
}

void Widen(double v, double& lo, double& hi) {
    if (std::isfinite(v)) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
}

QString HeatFlowTitle(bool heatLoss, const QString& unit) {
    return (heatLoss ? QStringLiteral("Heat loss (") : QStringLiteral("Heat gain (")) + unit + u')';
}

bool PlaceFrame(Canvas& c, const Scale& flow, const Scale& temp,
                const std::vector<LegendEntry>& legend) {
    const double line = QFontMetricsF(c.p.font()).height();
    const double left = WidestTick(c, flow) + 2 * kGap;
    const double right =
        std::max(WidestTick(c, temp), Width(c, Tick(c.x, kTicks, 0)) / 2) + 2 * kGap;
    const double below = 2 * line + 2 * kGap + LegendRows(c, legend).size() * (line + 2);
    c.plot = c.area.adjusted(left, line + 2 * kGap, -right, -below);
    return c.plot.width() >= 20 && c.plot.height() >= 20;
}

void DrawAxes(Canvas& c, const Scale& flow, const Scale& temp, const QString& flowTitle) {
    QPainter& p = c.p;
    const QRectF& plot = c.plot;
    const double line = QFontMetricsF(p.font()).height();
    p.setPen(Qt::black);
    p.drawRect(plot);
    for (int i = 0; i <= kTicks; ++i) {
        const QString xs = Tick(c.x, i, 0);
        const double at = c.x(c.x.lo + (c.x.hi - c.x.lo) * i / kTicks);
        p.setPen(Qt::black);
        Text(c, QPointF(at - Width(c, xs) / 2, plot.bottom() + 2), xs);
        const QString fs = Tick(flow, i, 1);
        const double fy = flow(flow.lo + (flow.hi - flow.lo) * i / kTicks);
        p.setPen(kFlowColour);
        Text(c, QPointF(plot.left() - kGap - Width(c, fs), fy - line / 2), fs);
        const QString ts = Tick(temp, i, 1);
        const double ty = temp(temp.lo + (temp.hi - temp.lo) * i / kTicks);
        p.setPen(kSurfaceColour);
        Text(c, QPointF(plot.right() + kGap, ty - line / 2), ts);
    }
    p.setPen(Qt::black);
    const QString thickness = QStringLiteral("Thickness (mm)");
    Text(c, QPointF(plot.center().x() - Width(c, thickness) / 2, plot.bottom() + line + 2),
         thickness);
    p.setPen(kFlowColour);
    Text(c, QPointF(plot.left(), plot.top() - line - 2), flowTitle);
    p.setPen(kSurfaceColour);
    const QString t = QStringLiteral("Surface (°C)");
    Text(c, QPointF(plot.right() - Width(c, t), plot.top() - line - 2), t);
}

void DrawLimit(Canvas& c, double y, const QColor& colour, const QString& text) {
    const QRectF& plot = c.plot;
    const double line = QFontMetricsF(c.p.font()).height();
    y = std::clamp(y, plot.top(), plot.bottom());
    c.p.setPen(LimitPen(colour));
    c.p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    // Above the line, unless the frame's top is too close: then below it.
    const double top = y - plot.top() >= line + 1 ? y - line - 1 : y + 1;
    c.p.setPen(colour);
    Text(c, QPointF(plot.left() + kGap, top), text);
}

void DrawLegend(Canvas& c, const std::vector<LegendEntry>& legend) {
    const double line = QFontMetricsF(c.p.font()).height();
    double top = c.plot.bottom() + 2 * line + 2 * kGap;
    for (const auto& row : LegendRows(c, legend)) {
        double left = c.area.left() + kGap;
        for (const LegendEntry* e : row) {
            c.p.setPen(e->pen);
            c.p.drawLine(QPointF(left, top + line / 2), QPointF(left + kSample, top + line / 2));
            c.p.setPen(Qt::black);
            left = Text(c, QPointF(left + kSample + kGap, top), e->text).right() + 3 * kGap;
        }
        top += line + 2;
    }
}

} // namespace ChartParts
