#pragma once
// Heat loss (or gain) and surface temperature against thickness, with the criteria as
// horizontal lines, the chosen and the economic row marked and a legend of what is drawn;
// drawn with QPainter on the screen and on paper alike.
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "engine/ThicknessTable.h"

class QPainter;

// What the chart shows: the table and the limits it was made for.
struct ChartData {
    ThicknessTable table;
    std::optional<float> surfaceLimit;
    std::optional<float> maxHeatFlow;
    bool pipe = true;
    bool heatLoss = true; // medium hotter than the air: heat flows out
    QString unit;         // per what the heat flow is, where not the pipe's m or the wall's m²
};

// One text the chart drew and the box it takes.
struct ChartText {
    QString text;
    QRectF box;
};

// Draws the chart into area of any paint device; every text drawn lies inside area. The
// texts and their boxes go to `texts` when given.
void PaintThicknessChart(QPainter& painter, const QRectF& area, const ChartData& data,
                         std::vector<ChartText>* texts = nullptr);

class TThicknessChart : public QWidget {
    Q_OBJECT
public:
    explicit TThicknessChart(QWidget* parent = nullptr);
    void SetData(ChartData data);
    const ChartData& Data() const { return data_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartData data_;
};
