#pragma once
// The pieces the thickness chart is drawn from: scales, the frame placed so that every
// label fits inside the chart's area, axes, criterion lines and the legend.
#include <QColor>
#include <QPen>
#include <QRectF>
#include <QString>
#include <vector>

#include "table/ThicknessChart.h"

class QPainter;

namespace ChartParts {

inline const QColor kFlowColour(0, 70, 160);
inline const QColor kSurfaceColour(190, 40, 20);
inline const QColor kDewColour(0, 130, 60);
inline const QPen kChosenPen(QColor(200, 150, 0), 6);
inline const QPen kEconomicPen(QColor(120, 60, 160), 2, Qt::DashDotLine);

inline QPen LimitPen(const QColor& colour) {
    return QPen(colour, 1, Qt::DashLine);
}

// A value range mapped onto a pixel span (bottom to top, or left to right).
struct Scale {
    double lo = 0, hi = 1;
    double from = 0, to = 1;
    double operator()(double v) const { return from + (v - lo) / (hi - lo) * (to - from); }
};

// The range with 5 % to spare on each side.
Scale Around(double lo, double hi, double from, double to);

// Widens [lo, hi] to take v when it is a finite number.
void Widen(double v, double& lo, double& hi);

// What a drawing step needs: where, what, and where its texts go.
struct Canvas {
    QPainter& p;
    const ChartData& d;
    std::vector<ChartText>* texts;
    QRectF area;
    QRectF plot;
    Scale x;
};

struct LegendEntry {
    QPen pen;
    QString text;
};

// "Heat loss (W/m)" or "Heat gain (W/m²)".
QString HeatFlowTitle(bool heatLoss, const QString& unit);

// Sets the plot's frame so that the tick labels of both scales, the titles and the legend
// fit inside the area; false when too little room is left to draw.
bool PlaceFrame(Canvas& c, const Scale& flow, const Scale& temp,
                const std::vector<LegendEntry>& legend);

void DrawAxes(Canvas& c, const Scale& flow, const Scale& temp, const QString& flowTitle);

// A horizontal criterion line at pixel height y, labelled at the left axis on the side of
// the line that stays inside the frame.
void DrawLimit(Canvas& c, double y, const QColor& colour, const QString& text);

void DrawLegend(Canvas& c, const std::vector<LegendEntry>& legend);

} // namespace ChartParts
