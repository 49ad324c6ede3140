#include "table/ThicknessChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "table/TableFormat.h"

namespace {
const QColor kFlowColour(0, 70, 160);
const QColor kSurfaceColour(190, 40, 20);
const QColor kDewColour(0, 130, 60);

// A value range mapped onto a pixel span (bottom to top, or left to right).
struct Scale {
    double lo = 0, hi = 1;
    double from = 0, to = 1;
    double operator()(double v) const { return from + (v - lo) / (hi - lo) * (to - from); }
};

Scale Around(double lo, double hi, double from, double to) {
    if (!(hi > lo))
        hi = lo + 1;
    const double margin = (hi - lo) * 0.05;
    return {lo - margin, hi + margin, from, to};
}

void Span(const std::vector<double>& values, double& lo, double& hi) {
    for (double v : values) {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
}

void DrawCurve(QPainter& p, const ChartData& d, const Scale& x, const Scale& y, bool flow) {
    QPainterPath path;
    p.setPen(QPen(flow ? kFlowColour : kSurfaceColour, 1.5));
    for (size_t i = 0; i < d.table.Rows.size(); ++i) {
        const ThicknessRow& row = d.table.Rows[i];
        const double v = flow ? std::fabs(row.HeatFlowPerUnit) : row.SurfaceTemp;
        const QPointF at(x(row.Thickness * 1000.0), y(v));
        i == 0 ? path.moveTo(at) : path.lineTo(at);
        p.drawEllipse(at, 2.5, 2.5);
    }
    p.drawPath(path);
}

void DrawLimit(QPainter& p, const QRectF& plot, double y, const QColor& colour,
               const QString& text) {
    if (y < plot.top() || y > plot.bottom())
        return;
    p.setPen(QPen(colour, 1, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.drawText(QPointF(plot.left() + 4, y - 3), text);
}

void DrawAxes(QPainter& p, const QRectF& plot, const Scale& x, const Scale& flow, const Scale& temp,
              bool pipe) {
    p.setPen(Qt::black);
    p.drawRect(plot);
    const QFontMetricsF fm(p.font());
    for (int i = 0; i <= 4; ++i) {
        const double fx = x.lo + (x.hi - x.lo) * i / 4;
        const double ff = flow.lo + (flow.hi - flow.lo) * i / 4;
        const double ft = temp.lo + (temp.hi - temp.lo) * i / 4;
        const QString xs = ShortNumber(static_cast<float>(fx), 0);
        p.drawText(QPointF(x(fx) - fm.horizontalAdvance(xs) / 2, plot.bottom() + fm.ascent() + 3),
                   xs);
        const QString fs = ShortNumber(static_cast<float>(ff), 1);
        p.setPen(kFlowColour);
        p.drawText(QPointF(plot.left() - fm.horizontalAdvance(fs) - 4, flow(ff) + fm.ascent() / 2),
                   fs);
        p.setPen(kSurfaceColour);
        p.drawText(QPointF(plot.right() + 4, temp(ft) + fm.ascent() / 2),
                   ShortNumber(static_cast<float>(ft), 1));
        p.setPen(Qt::black);
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + 2, plot.width(), fm.height()),
               Qt::AlignCenter, QStringLiteral("Thickness (mm)"));
    p.setPen(kFlowColour);
    p.drawText(QPointF(plot.left(), plot.top() - 4),
               pipe ? QStringLiteral("Heat flow (W/m)") : QStringLiteral("Heat flow (W/m²)"));
    p.setPen(kSurfaceColour);
    const QString t = QStringLiteral("Surface (°C)");
    p.drawText(QPointF(plot.right() - fm.horizontalAdvance(t), plot.top() - 4), t);
}
} // namespace

void PaintThicknessChart(QPainter& p, const QRectF& area, const ChartData& d) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QFontMetricsF fm(p.font());
    const double side = fm.horizontalAdvance(QStringLiteral("-0000.0")) + 8;
    const QRectF plot = area.adjusted(side, fm.height() * 1.5, -side, -fm.height() * 2.5);
    if (d.table.Rows.empty() || plot.width() < 20 || plot.height() < 20) {
        p.restore();
        return;
    }
    double xHi = 0, fLo = 0, fHi = 0, tLo = 1e9, tHi = -1e9;
    std::vector<double> flows, temps, thick;
    for (const ThicknessRow& row : d.table.Rows) {
        thick.push_back(row.Thickness * 1000.0);
        flows.push_back(std::fabs(row.HeatFlowPerUnit));
        temps.push_back(row.SurfaceTemp);
    }
    if (d.maxHeatFlow)
        flows.push_back(*d.maxHeatFlow);
    if (d.surfaceLimit)
        temps.push_back(*d.surfaceLimit);
    if (d.table.Criteria.Condensation.Thickness > 0)
        temps.push_back(d.table.Criteria.DewPoint);
    double xLo = 0;
    Span(thick, xLo, xHi);
    Span(flows, fLo, fHi);
    Span(temps, tLo, tHi);
    const Scale x{0, xHi > 0 ? xHi : 1, plot.left(), plot.right()};
    Scale flow = Around(fLo, fHi, plot.bottom(), plot.top());
    flow.lo = 0; // heat flows are drawn as magnitudes, from zero
    const Scale temp = Around(tLo, tHi, plot.bottom(), plot.top());
    DrawAxes(p, plot, x, flow, temp, d.pipe);
    if (d.table.Chosen >= 0) {
        const double cx = x(d.table.Rows[d.table.Chosen].Thickness * 1000.0);
        p.setPen(QPen(QColor(200, 150, 0), 6));
        p.drawLine(QPointF(cx, plot.top()), QPointF(cx, plot.bottom()));
    }
    if (d.maxHeatFlow)
        DrawLimit(p, plot, flow(*d.maxHeatFlow), kFlowColour, QStringLiteral("max. heat flow"));
    if (d.surfaceLimit)
        DrawLimit(p, plot, temp(*d.surfaceLimit), kSurfaceColour, QStringLiteral("surface limit"));
    if (d.table.Criteria.Condensation.Thickness > 0)
        DrawLimit(p, plot, temp(d.table.Criteria.DewPoint), kDewColour,
                  QStringLiteral("dew point"));
    DrawCurve(p, d, x, flow, true);
    DrawCurve(p, d, x, temp, false);
    p.restore();
}

TThicknessChart::TThicknessChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(180);
}

void TThicknessChart::SetData(ChartData data) {
    data_ = std::move(data);
    update();
}

void TThicknessChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintThicknessChart(painter, rect(), data_);
}
