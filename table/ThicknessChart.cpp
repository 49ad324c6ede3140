#include "table/ThicknessChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "table/ChartParts.h"
#include "table/TableFormat.h"

using namespace ChartParts;

namespace {
// Heat flow as the table reads it: a loss positive for a hot medium, a gain for a cold one.
double Engineers(const ChartData& d, const ThicknessRow& row) {
    return d.heatLoss ? -double{row.HeatFlowPerUnit} : double{row.HeatFlowPerUnit};
}

// Rows in thickness order, so that the curve runs from left to right whatever the list.
std::vector<const ThicknessRow*> ByThickness(const ThicknessTable& t) {
    std::vector<const ThicknessRow*> rows;
    for (const ThicknessRow& row : t.Rows)
        rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(), [](const ThicknessRow* a, const ThicknessRow* b) {
        return a->Thickness < b->Thickness;
    });
    return rows;
}

void DrawCurve(Canvas& c, const ChartData& d, const Scale& y, bool flow) {
    QPainterPath path;
    c.p.setPen(QPen(flow ? kFlowColour : kSurfaceColour, 1.5));
    bool first = true;
    for (const ThicknessRow* row : ByThickness(d.table)) {
        const double v = flow ? Engineers(d, *row) : row->SurfaceTemp;
        const QPointF at(c.x(row->Thickness * 1000.0), y(v));
        first ? path.moveTo(at) : path.lineTo(at);
        first = false;
        c.p.drawEllipse(at, 2.5, 2.5);
    }
    c.p.drawPath(path);
}

void DrawMark(Canvas& c, int row, const QPen& pen) {
    if (row < 0)
        return;
    const double at = c.x(c.d.table.Rows[static_cast<size_t>(row)].Thickness * 1000.0);
    c.p.setPen(pen);
    c.p.drawLine(QPointF(at, c.plot.top()), QPointF(at, c.plot.bottom()));
}

// The criteria's lines; each is labelled on the side of the line away from the frame.
void DrawLimits(Canvas& c, const Scale& flow, const Scale& temp) {
    const ChartData& d = c.d;
    if (d.maxHeatFlow)
        DrawLimit(c, flow(*d.maxHeatFlow), kFlowColour, QStringLiteral("max. heat flow"));
    if (d.surfaceLimit)
        DrawLimit(c, temp(*d.surfaceLimit), kSurfaceColour, QStringLiteral("surface limit"));
    if (d.table.Criteria.Condensation.Active)
        DrawLimit(c, temp(d.table.Criteria.DewPoint), kDewColour, QStringLiteral("dew point"));
}

std::vector<LegendEntry> Legend(const ChartData& d) {
    const ThicknessTable& t = d.table;
    auto mm = [&t](int row) {
        const float s = t.Rows[static_cast<size_t>(row)].Thickness;
        return s == 0 ? QStringLiteral("bare")
                      : ShortNumber(static_cast<float>(s * 1000.0), 2) + QStringLiteral(" mm");
    };
    std::vector<LegendEntry> entries;
    if (t.Chosen >= 0)
        entries.push_back({kChosenPen, QStringLiteral("thinnest listed: ") + mm(t.Chosen)});
    if (t.Economic >= 0)
        entries.push_back(
            {kEconomicPen, QStringLiteral("cheapest over the life: ") + mm(t.Economic)});
    if (d.maxHeatFlow)
        entries.push_back({LimitPen(kFlowColour), QStringLiteral("max. heat flow")});
    if (d.surfaceLimit)
        entries.push_back({LimitPen(kSurfaceColour), QStringLiteral("surface limit")});
    if (t.Criteria.Condensation.Active)
        entries.push_back({LimitPen(kDewColour), QStringLiteral("dew point")});
    return entries;
}

struct Ranges {
    double xHi = 0, fLo = 0, fHi = 0, tLo = 1e9, tHi = -1e9;
};

Ranges RangesOf(const ChartData& d) {
    Ranges r;
    for (const ThicknessRow& row : d.table.Rows) {
        r.xHi = std::max(r.xHi, row.Thickness * 1000.0);
        Widen(Engineers(d, row), r.fLo, r.fHi);
        Widen(row.SurfaceTemp, r.tLo, r.tHi);
    }
    if (d.maxHeatFlow)
        Widen(*d.maxHeatFlow, r.fLo, r.fHi);
    if (d.surfaceLimit)
        Widen(*d.surfaceLimit, r.tLo, r.tHi);
    if (d.table.Criteria.Condensation.Active)
        Widen(d.table.Criteria.DewPoint, r.tLo, r.tHi);
    return r;
}
} // namespace

void PaintThicknessChart(QPainter& p, const QRectF& area, const ChartData& d,
                         std::vector<ChartText>* texts) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    if (!d.table.Rows.empty()) {
        const Ranges r = RangesOf(d);
        Canvas c{p, d, texts, area, {}, {}};
        const Scale flowProbe = Around(r.fLo, r.fHi, 0, 1);
        const Scale tempProbe = Around(r.tLo, r.tHi, 0, 1);
        const std::vector<LegendEntry> legend = Legend(d);
        if (PlaceFrame(c, flowProbe, tempProbe, legend)) {
            c.x = Scale{0, r.xHi > 0 ? r.xHi : 1, c.plot.left(), c.plot.right()};
            const Scale flow = Around(r.fLo, r.fHi, c.plot.bottom(), c.plot.top());
            const Scale temp = Around(r.tLo, r.tHi, c.plot.bottom(), c.plot.top());
            DrawAxes(c, flow, temp,
                     HeatFlowTitle(d.heatLoss, !d.unit.isEmpty() ? QStringLiteral("W/") + d.unit
                                               : d.pipe          ? QStringLiteral("W/m")
                                                                 : QStringLiteral("W/m²")));
            DrawMark(c, d.table.Chosen, kChosenPen);
            DrawMark(c, d.table.Economic, kEconomicPen);
            DrawLimits(c, flow, temp);
            DrawCurve(c, d, flow, true);
            DrawCurve(c, d, temp, false);
            DrawLegend(c, legend);
        }
    }
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
